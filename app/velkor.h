#pragma once

#include <QPointer>
#include <QWidget>

#include <map>

class PlatformServices;
class SectionForm;
class frmAbout;

// The main menu: title, version and one picture button per section. Each calculator is
// built on its first use and then kept, hidden by its own "Выход", until the program ends.
class Velkor : public QWidget {
    Q_OBJECT
public:
    explicit Velkor(PlatformServices& services);
    ~Velkor() override;

    // ShowSectionForm: the calculator opened by the menu button `buttonName`, loaded if it
    // is not loaded yet (and then placed beside the menu), shown and brought to the front.
    SectionForm* showSectionForm(const QString& buttonName);
    // "Инфо": the About box, loaded if it is not loaded (and then placed beside the menu),
    // shown and brought to the front.
    frmAbout* showAbout();

signals:
    // "Выход" or closing the menu's window: the program ends with all its windows.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The calculators and About box on show: a window opened next cascades from them.
    int windowsBeside() const;

    PlatformServices& services;
    std::map<QString, QPointer<SectionForm>> loadedForms;
    QPointer<frmAbout> about; // null once its "OK" has unloaded it
};
