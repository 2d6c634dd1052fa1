#include "frm_about.h"

#include "accessibility.h"
#include "number_text.h"
#include "platform_services.h"
#include "section_pictures.h"
#include "velkor_paths.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString AppTitle = QStringLiteral("Velkor");

const QString SeparatorNote = QStringLiteral(
    "Программа работает корректно когда в качестве разделителя целой и дробной части числа "
    "стоит \".\" (точка).    Чтобы установить, зайдите в \"Панель управления\"- \"Язык и "
    "стандарты\" и в закладке \"Числа\" установите разделитель дробной и целой части \".\" "
    "(точку).");
const QString SeparatorNoteHint = QStringLiteral(
    "Select \".\" for digital separator in \"Control panel\" - \"Regional settings\" - "
    "\"Digits\".");
const QString Disclaimer = QStringLiteral(
    "Эта программа разработана \"как-есть\". Автор не берет на себя никакой ответственности "
    "за прямые, косвенные, непредвиденные или последующие убытки, потери и\\или расходы в "
    "связи с, или из-за, использования, или неспособность использовать программу для любой "
    "цели.");
const QString DisclaimerHint = QStringLiteral(
    "This program is provided \"as is\".  Author cannot accept any liability for direct, "
    "indirect, incidental or consequential damages, losses and or expenses in connection "
    "with, or by reason of, the use of, or inability to use the program for any purpose.");

QLabel* label(const char* name, const QString& text, const QString& toolTip = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText); // keeps the runs of blanks as they are
    if (!toolTip.isEmpty())
        setHint(label, toolTip);
    return label;
}

// One half of the etched separator: a grey line with a white one under it.
QFrame* separatorLine(const char* name, const QColor& colour)
{
    auto* line = new QFrame;
    line->setObjectName(QLatin1String(name));
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

QPushButton* button(const char* name, const QString& text, const QString& toolTip)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    setHint(button, toolTip);
    return button;
}

} // namespace

frmAbout::frmAbout(PlatformServices& services)
    : services(services)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About ") + AppTitle);

    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setPixmap(logoPicture());

    auto* title = label("lblTitle", AppTitle);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(24);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: blue"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(label("lblVersion", QStringLiteral("Version ") + versionText() +
                                             QStringLiteral(",   2004")));
    texts->addWidget(
        label("lblDescription", QStringLiteral("Расчет геометрических характеристик сечений"),
              QStringLiteral("Calculation of geometrical properties of cross-sections")));
    // the author and where to write: the manual page and the installed user guide say
    texts->addWidget(label("Label1", QStringLiteral("Автор: разработчики Velkor (man velkor)"),
                           QStringLiteral("Author")));
    texts->addWidget(
        label("Label2",
              QStringLiteral("Замечания и предложения: ") + QString::fromUtf8(velkor::ReadmePath),
              QStringLiteral("Comments and suggestions")));
    auto* note = label("Label3", SeparatorNote, SeparatorNoteHint);
    note->setWordWrap(true);
    texts->addWidget(note);

    auto* top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(texts, 1);

    auto* separator = new QVBoxLayout;
    separator->setSpacing(0);
    separator->addWidget(separatorLine("Line1(0)", QColor(128, 128, 128)));
    separator->addWidget(separatorLine("Line1(1)", Qt::white));

    auto* disclaimer = label("lblDisclaimer", Disclaimer, DisclaimerHint);
    disclaimer->setWordWrap(true);

    cmdOK = button("cmdOK", QStringLiteral("OK"), QStringLiteral("Выход"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    auto* sysInfo = button("cmdSysInfo", QStringLiteral("&System Info..."),
                           QStringLiteral("Информация о Вашем компъютере"));
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::startSysInfo);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(sysInfo);
    buttons->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer, 1);
    bottom->addSpacing(8);
    bottom->addLayout(buttons);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(separator);
    root->addLayout(bottom);
    setMinimumWidth(520);
}

void frmAbout::startSysInfo()
{
    if (!services.startSystemInformation())
        services.showMessage(this, AppTitle,
                             QStringLiteral("System Information Is Unavailable At This Time"));
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // Escape presses "OK", the box's cancel button, rather than only hiding the dialog
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
