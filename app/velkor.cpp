#include "velkor.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"
#include "frm_about.h"
#include "number_text.h"
#include "section_pictures.h"
#include "window_placement.h"

#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using FormFactory = SectionForm* (*)(PlatformServices&);

struct SectionButton {
    const char* name;
    const char* toolTip;
    SectionPicture picture;
    FormFactory create; // null while the section's calculator is not available
};

template <typename Form> SectionForm* make(PlatformServices& services)
{
    return new Form(services);
}

// Menu order: the first row, then the second.
const SectionButton SectionButtons[] = {
    {"Command3", "Круглое сечение /труба/", SectionPicture::Round, &make<Form2>},
    {"Command2", "Прямоугольная /квадратная/ труба", SectionPicture::BoxTube, &make<Form1>},
    {"Command5", "Квадрат\\ прямоугольник", SectionPicture::Rectangle, &make<Form3>},
    {"Command7", "Ромб", SectionPicture::Rhombus, &make<Form4>},
    {"Command8", "Шестигранник", SectionPicture::Hexagon, &make<Form5>},
    {"Command9", "Крест", SectionPicture::Cross, &make<Form6>},
    {"Command10", "Двутавр/Тавр", SectionPicture::IBeam, &make<Form7>},
    {"Command11", "Швеллер/Уголок", SectionPicture::Channel, &make<Form8>},
    {"Command12", "Z-сечение", SectionPicture::ZSection, &make<Form9>},
};
constexpr int ButtonsInFirstRow = 6;

const SectionButton* findButton(const QString& name)
{
    for (const SectionButton& button : SectionButtons)
        if (name == QLatin1String(button.name))
            return &button;
    return nullptr;
}

QPushButton* textButton(const char* name, const QString& text, const QString& toolTip)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
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
    auto* purpose = new QLabel(QStringLiteral("-  определяет геометрические характеристики сечений"));
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

    auto* grid = new QGridLayout;
    int index = 0;
    for (const SectionButton& section : SectionButtons) {
        const QString toolTip = QString::fromUtf8(section.toolTip);
        auto* button = textButton(section.name, {}, toolTip);
        button->setAccessibleName(toolTip); // a picture has no text to be named by
        button->setIcon(QIcon(sectionPicture(section.picture)));
        button->setIconSize({40, 40});
        button->setFixedSize(52, 52);
        button->setEnabled(section.create != nullptr);
        const QString name = QLatin1String(section.name);
        connect(button, &QPushButton::clicked, this, [this, name] { showSectionForm(name); });
        grid->addWidget(button, index / ButtonsInFirstRow, index % ButtonsInFirstRow);
        ++index;
    }

    auto* info = textButton("Command4", QStringLiteral("Инфо"), QStringLiteral("Информация о программе"));
    connect(info, &QPushButton::clicked, this, &Velkor::showAbout);
    auto* version = new QLabel(QStringLiteral("Version ") + versionText() +
                               QStringLiteral(" - 2004"));
    version->setObjectName(QStringLiteral("Label4"));
    version->setAlignment(Qt::AlignCenter);
    auto* exit = textButton("Command1", QStringLiteral("Выход"), QStringLiteral("Выход"));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    grid->addWidget(info, 0, ButtonsInFirstRow);
    grid->addWidget(version, 1, 3, 1, ButtonsInFirstRow - 3);
    grid->addWidget(exit, 1, ButtonsInFirstRow);
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
    const SectionButton* section = findButton(buttonName);
    if (section == nullptr || section->create == nullptr)
        return nullptr;
    QPointer<SectionForm>& form = loadedForms[buttonName];
    // A form that unloads on "Выход" and is closed waits for its deletion: load a new one.
    if (!form.isNull() && form->unloadsOnExit() && !form->isVisible())
        delete form.data();
    if (form.isNull()) {
        form = section->create(services);
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
