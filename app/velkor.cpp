#include "velkor.h"

#include "calculators.h"
#include "catalogue.h"
#include "frm_about.h"
#include "number_text.h"
#include "section_form.h"
#include "section_pictures.h"
#include "window_placement.h"

#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Section buttons stand in rows of this many, "Инфо" and "Выход" at the right of the rows.
constexpr int ButtonsInARow = 6;

// The calculator of the menu button `name`, if there is one.
const CalculatorSpec* calculatorNamed(const QString& name)
{
    for (const velkor::SectionEntry& section : velkor::Catalogue())
        if (const CalculatorSpec* calculator = CalculatorFor(section.key);
            calculator != nullptr && name == QLatin1String(calculator->buttonName))
            return calculator;
    return nullptr;
}

QPushButton* textButton(const QString& name, const QString& text, const QString& toolTip)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAccessibleDescription(toolTip);
    return button;
}

} // namespace

Velkor::Velkor(PlatformServices& services)
    : services(services)
{
    setWindowTitle(QStringLiteral("Velkor"));
    auto* root = new QVBoxLayout(this);

    auto* titleRow = new QHBoxLayout;
    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setPixmap(logoPicture());
    logo->setToolTip(QStringLiteral("Velkor v.") + versionText());
    auto* title = new QLabel(QStringLiteral("Velkor"));
    title->setObjectName(QStringLiteral("Label1"));
    title->setToolTip(QStringLiteral("Velkor "));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(24);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: blue"));
    auto* purpose =
        new QLabel(QStringLiteral("-  определяет геометрические характеристики сечений"));
    purpose->setObjectName(QStringLiteral("Label2"));
    titleRow->addWidget(logo);
    titleRow->addWidget(title);
    titleRow->addWidget(purpose);
    titleRow->addStretch();
    root->addLayout(titleRow);

    auto* rule = new QFrame;
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameShape(QFrame::HLine);
    root->addWidget(rule);
    auto* instruction = new QLabel(
        QStringLiteral("Для расчета щелкните по кнопочке с изображением нужного сечения"));
    instruction->setObjectName(QStringLiteral("Label3"));
    root->addWidget(instruction);

    // one button per section of the catalogue, in its order; a section without a calculator
    // yet has its button disabled
    auto* grid = new QGridLayout;
    int index = 0;
    for (const velkor::SectionEntry& section : velkor::Catalogue()) {
        const CalculatorSpec* calculator = CalculatorFor(section.key);
        const QString name =
            calculator ? QLatin1String(calculator->buttonName)
                       : QStringLiteral("Section_") +
                             QLatin1String(section.key.data(), qsizetype(section.key.size()));
        const QString toolTip =
            calculator ? QString::fromUtf8(calculator->toolTip)
                       : QString::fromUtf8(section.title.data(), qsizetype(section.title.size()));
        auto* button = textButton(name, {}, toolTip);
        button->setAccessibleName(toolTip); // a picture has no text to be named by
        button->setIcon(QIcon(sectionPicture(section)));
        button->setIconSize({40, 40});
        button->setFixedSize(52, 52);
        button->setEnabled(calculator != nullptr);
        connect(button, &QPushButton::clicked, this, [this, name] { showSectionForm(name); });
        grid->addWidget(button, index / ButtonsInARow, index % ButtonsInARow);
        ++index;
    }
    // "Инфо" beside the first row, the version and "Выход" in the last one, after its
    // buttons (or in a row of their own when it is full)
    const int rows = std::max(1, (index + ButtonsInARow - 1) / ButtonsInARow);
    const int inLastRow = index - (rows - 1) * ButtonsInARow;
    const int versionRow = inLastRow < ButtonsInARow - 1 ? rows - 1 : rows;
    const int versionColumn = versionRow == rows - 1 ? inLastRow : 0;

    auto* info =
        textButton("Command4", QStringLiteral("Инфо"), QStringLiteral("Информация о программе"));
    connect(info, &QPushButton::clicked, this, &Velkor::showAbout);
    auto* version =
        new QLabel(QStringLiteral("Version ") + versionText() + QStringLiteral(" - 2004"));
    version->setObjectName(QStringLiteral("Label4"));
    version->setAlignment(Qt::AlignCenter);
    auto* exit = textButton("Command1", QStringLiteral("Выход"), QStringLiteral("Выход"));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    grid->addWidget(info, 0, ButtonsInARow);
    grid->addWidget(version, versionRow, versionColumn, 1, ButtonsInARow - versionColumn);
    grid->addWidget(exit, std::max(versionRow, 1), ButtonsInARow);
    root->addLayout(grid);
}

Velkor::~Velkor()
{
    for (auto& [name, form] : loadedForms)
        delete form.data();
    delete about.data();
}

SectionForm* Velkor::showSectionForm(const QString& buttonName)
{
    const CalculatorSpec* calculator = calculatorNamed(buttonName);
    if (calculator == nullptr)
        return nullptr;
    QPointer<SectionForm>& form = loadedForms[buttonName];
    // A form that unloads on "Выход" and is closed waits for its deletion: load a new one.
    if (!form.isNull() && form->unloadsOnExit() && !form->isVisible())
        delete form.data();
    if (form.isNull()) {
        form = calculator->create(services);
        moveBeside(*form, *this, windowsBeside());
    }
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

frmAbout* Velkor::showAbout()
{
    // A box that "OK" has just closed waits for its deletion; it is not loaded any more.
    if (!about.isNull() && !about->isVisible())
        delete about.data();
    if (about.isNull()) {
        about = new frmAbout(services);
        moveBeside(*about, *this, windowsBeside());
    }
    about->show();
    about->raise();
    about->activateWindow();
    return about;
}

int Velkor::windowsBeside() const
{
    int shown = about && about->isVisible() ? 1 : 0;
    for (const auto& [name, form] : loadedForms)
        shown += form && form->isVisible() ? 1 : 0;
    return shown;
}

void Velkor::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit exitRequested();
}
