#include "section_card_window.h"

#include "card_text.h"
#include "number_text.h"
#include "page_printing.h"
#include "platform_services.h"
#include "print_file.h"
#include "report_page.h"
#include "report_pdf.h"
#include "section_picture_view.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

using report::text;

namespace {

enum Column { Name, Symbol, Value, Unit, Note, Columns };

QTableWidgetItem* cell(const QString& content, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* item = new QTableWidgetItem(content);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

report::ReportHeading heading()
{
    return {QStringLiteral("Velkor ") + versionText(), QDate::currentDate()};
}

QPushButton* button(const QString& caption, const QString& name)
{
    auto* pushButton = new QPushButton(caption);
    pushButton->setObjectName(name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

SectionCardWindow::SectionCardWindow(PlatformServices& services, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , services(services)
    , picture(new SectionPictureView)
    , inputs(new QVBoxLayout)
    , table(new QTableWidget(0, Columns))
    , notes(new QLabel)
    , status(new QLabel)
{
    setObjectName(QStringLiteral("SectionCard"));
    auto* root = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* given = new QGroupBox(QStringLiteral("Исходные данные"));
    given->setLayout(inputs);
    top->addWidget(given, 0, Qt::AlignTop);
    top->addWidget(picture, 1);
    root->addLayout(top, 1);

    table->setObjectName(QStringLiteral("Figures"));
    table->setAccessibleName(QStringLiteral("Характеристики сечения"));
    table->setHorizontalHeaderLabels({QStringLiteral("Характеристика"),
                                      QStringLiteral("Обозначение"), QStringLiteral("Значение"),
                                      QStringLiteral("Единица"), QStringLiteral("Прим.")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);
    for (const int column : {Symbol, Value, Unit, Note})
        table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    root->addWidget(table, 1);

    notes->setObjectName(QStringLiteral("Notes"));
    notes->setWordWrap(true);
    root->addWidget(notes);

    auto* buttons = new QHBoxLayout;
    status->setObjectName(QStringLiteral("Status"));
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    buttons->addWidget(status, 1);
    auto* save = button(QStringLiteral("Сохранить PDF"), QStringLiteral("SavePdf"));
    auto* print = button(QStringLiteral("Печать"), QStringLiteral("Print"));
    auto* copy = button(QStringLiteral("Копировать"), QStringLiteral("Copy"));
    auto* close = button(QStringLiteral("Закрыть"), QStringLiteral("Close"));
    for (QPushButton* b : {save, print, copy, close})
        buttons->addWidget(b);
    root->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &SectionCardWindow::savePdf);
    connect(print, &QPushButton::clicked, this, &SectionCardWindow::print);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setMimeData(clipboardData(copiedTable())); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // fits beside a calculator on a laptop's screen; the table scrolls
    resize(820, 660);
}

void SectionCardWindow::showCard(const velkor::SectionCard& card)
{
    shown = card;
    setWindowTitle(QStringLiteral("Паспорт сечения — ") + text(card.title));
    picture->setCard(card);
    fillInputs();
    fillTable();
    status->clear();
}

void SectionCardWindow::fillInputs()
{
    while (QLayoutItem* item = inputs->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const velkor::CardInput& input : shown.inputs) {
        auto* line = new QLabel(text(input.caption) + QStringLiteral(": ") + text(input.value));
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        inputs->addWidget(line);
    }
}

void SectionCardWindow::fillTable()
{
    const auto modelNotes = velkor::NotesOf(shown);
    table->clearContents();
    table->setRowCount(0);
    std::optional<velkor::FigureGroup> group;
    const auto addRow = [this] {
        const int row = table->rowCount();
        table->insertRow(row);
        return row;
    };
    for (const velkor::CardRow& figure : shown.rows) {
        if (figure.group != group) {
            group = figure.group;
            const int row = addRow();
            auto* title = cell(text(velkor::GroupTitle(*group)));
            QFont bold = table->font();
            bold.setBold(true);
            title->setFont(bold);
            title->setBackground(QColor(232, 236, 242));
            table->setItem(row, Name, title);
            table->setSpan(row, Name, 1, Columns);
        }
        const int row = addRow();
        table->setItem(row, Name, cell(text(figure.name)));
        table->setItem(row, Symbol, cell(text(figure.symbol)));
        table->setItem(row, Value, cell(text(figure.value), Qt::AlignRight));
        table->setItem(row, Unit, cell(text(figure.unit)));
        auto* note = cell(report::noteMark(modelNotes, figure.note));
        note->setToolTip(text(figure.note));
        table->setItem(row, Note, note);
    }
    QStringList lines;
    for (std::size_t k = 0; k < modelNotes.size(); ++k)
        lines << QStringLiteral("[%1] ").arg(k + 1) + text(modelNotes[k]);
    notes->setText(lines.join(QLatin1Char('\n')));
    table->setCurrentItem(nullptr);
}

void SectionCardWindow::savePdf()
{
    const QString path = services.choosePdfFile(
        this, QStringLiteral("Сохранить PDF"),
        unusedPdfPath(documentsFolder(), text(shown.title), QDate::currentDate()));
    if (path.isEmpty())
        return;
    if (const auto failure = report::WriteReportPdf(shown, heading(), path)) {
        services.showError(this, *failure);
        return;
    }
    status->setText(QStringLiteral("Сохранено в файл ") + QDir::toNativeSeparators(path));
}

void SectionCardWindow::print()
{
    printPage(services, this, text(shown.title), QStringLiteral("Паспорт сечения сохранён в файл "),
              [this](QPainter& painter, const QRectF& page) {
                  report::PaintReportPage(painter, page, shown, heading());
              });
}

CopiedTable SectionCardWindow::copiedTable() const
{
    CopiedTable copied{windowTitle(), {}};
    for (const velkor::CardInput& input : shown.inputs)
        copied.rows.push_back({text(input.caption), text(input.value), {}});
    for (const velkor::CardRow& row : shown.rows)
        copied.rows.push_back({text(row.name) + QStringLiteral(", ") + text(row.symbol),
                               text(row.value), text(row.unit)});
    return copied;
}
