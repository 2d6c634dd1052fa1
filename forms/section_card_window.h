#pragma once

#include "copied_table.h"
#include "section_card.h"

#include <QWidget>

class PlatformServices;
class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;
class SectionPictureView;

// «Паспорт сечения»: one calculation of a calculator written out whole, for a calculation
// report. The section drawn to scale beside the inputs it was computed from, and a table of
// every figure, grouped, with the models of the approximate ones. Its report page can be
// saved as a PDF, printed, or copied as a table, like the calculator's results.
class SectionCardWindow : public QWidget {
    Q_OBJECT
public:
    SectionCardWindow(PlatformServices& services, QWidget* owner);

    void showCard(const velkor::SectionCard& card);
    const velkor::SectionCard& card() const { return shown; }

    // «Сохранить PDF»: asks where, offering the section and the day in the documents folder.
    void savePdf();
    // «Печать»: the report page on the printer the user picks.
    void print();
    // «Копировать»: the inputs and the figures as the calculators copy their results.
    CopiedTable copiedTable() const;

private:
    void fillInputs();
    void fillTable();

    PlatformServices& services;
    velkor::SectionCard shown;
    SectionPictureView* picture;
    QVBoxLayout* inputs;
    QTableWidget* table;
    QLabel* notes;
    QLabel* status;
};
