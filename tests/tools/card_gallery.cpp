// Pictures of the section card of every calculator, for a person to look over: each form
// with its design inputs (and each variant switch ticked once), calculated, its card opened
// and grabbed as a PNG file beside the calculator itself, and the drawings of all of them
// side by side in sheet.png.
// Run: card_gallery OUTPUT_FOLDER [WIDTHxHEIGHT]
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"
#include "recording_services.h"
#include "section_card_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

struct Shot {
    const char* file;
    std::function<SectionForm*(PlatformServices&)> make;
    const char* variantSwitch = nullptr; // ticked before calculating
};

template <typename Form> SectionForm* make(PlatformServices& services)
{
    return new Form(services);
}

const Shot Shots[] = {
    {"1-box-tube", make<Form1>},
    {"2-round-tube", make<Form2>},
    {"2-round-bar", make<Form2>, "Check1"},
    {"3-rectangle", make<Form3>},
    {"4-rhombus", make<Form4>},
    {"5-hexagon", make<Form5>},
    {"5-hexagon-by-H", make<Form5>, "Check1"},
    {"6-cross", make<Form6>},
    {"7-I-section", make<Form7>},
    {"7-T-section", make<Form7>, "Check1"},
    {"8-channel", make<Form8>},
    {"8-angle", make<Form8>, "Check1"},
    {"9-Z-section", make<Form9>},
    {"9-angle", make<Form9>, "Check1"},
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        QTextStream(stderr) << "usage: card_gallery OUTPUT_FOLDER [WIDTHxHEIGHT]\n";
        return 64;
    }
    const QDir folder(arguments[1]);
    QDir().mkpath(folder.path());
    QSize size(820, 660);
    if (arguments.size() > 2) {
        const QStringList parts = arguments[2].split(QLatin1Char('x'));
        size = {parts.value(0).toInt(), parts.value(1).toInt()};
    }
    RecordingServices services;
    std::vector<QPixmap> drawings;
    for (const Shot& shot : Shots) {
        const std::unique_ptr<SectionForm> form(shot.make(services));
        form->show();
        if (shot.variantSwitch)
            form->findChild<QCheckBox*>(QLatin1String(shot.variantSwitch))->setChecked(true);
        form->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        form->findChild<QPushButton*>(QStringLiteral("CommandCard"))->click();
        SectionCardWindow* card = form->sectionCard();
        if (card == nullptr) {
            QTextStream(stderr) << shot.file << ": no card (" << services.messages.join("; ")
                                << ")\n";
            return 1;
        }
        card->resize(size);
        QApplication::processEvents();
        const QString path = folder.filePath(QLatin1String(shot.file) + QStringLiteral(".png"));
        if (!card->grab().save(path)) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            return 1;
        }
        form->grab().save(folder.filePath(QLatin1String(shot.file) + QStringLiteral("-form.png")));
        QTextStream(stdout) << path << '\n';
        drawings.push_back(card->findChild<QWidget*>(QStringLiteral("SectionPicture"))->grab());
    }
    constexpr int Columns = 3;
    const QSize cell = drawings.front().size();
    QPixmap sheet(cell.width() * Columns,
                  cell.height() * int((drawings.size() + Columns - 1) / Columns));
    sheet.fill(Qt::lightGray);
    QPainter painter(&sheet);
    for (std::size_t k = 0; k < drawings.size(); ++k)
        painter.drawPixmap(int(k % Columns) * cell.width(), int(k / Columns) * cell.height(),
                           drawings[k]);
    painter.end();
    return sheet.save(folder.filePath(QStringLiteral("sheet.png"))) ? 0 : 1;
}
