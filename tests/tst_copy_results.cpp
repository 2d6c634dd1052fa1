// Copying a calculator's inputs and results for a spreadsheet: Ctrl+C and the result area's
// menu put the form's caption, the inputs the shown results were computed from and every
// shown result with its unit on the clipboard, as tab-separated lines and as an HTML table.
// Numbers carry the user's decimal separator, units are written in Cyrillic letters.
#include "form_driver.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>

namespace {

struct Row {
    QString caption, value, unit;
};

struct Copied {
    QString title;
    QList<Row> inputs; // numbers with a "." separator
    QList<Row> results;
};

template <typename Form> constexpr auto make = makeForm<Form>;

QString tableText(const Copied& copied)
{
    QString text = copied.title + '\n';
    for (const Row& row : copied.inputs)
        text += row.caption + '\t' + local(row.value) + '\t' + row.unit + '\n';
    for (const Row& row : copied.results)
        text += row.caption + '\t' + local(row.value) + '\t' + row.unit + '\n';
    return text;
}

const QList<Row> RoundTubeInputs = {
    {"D=", "14.2", "см"}, {"t =", "0.5", "см"}, {"Удельный вес кг/м. куб.", "7850", ""}};
const Row SpecificWeight = {"Удельный вес кг/м. куб.", "7850", ""};

} // namespace

Q_DECLARE_METATYPE(Copied)

class CopyResultsTest : public QObject {
    Q_OBJECT

    CalculatorDriver ui;

    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }
    void cleanup()
    {
        ui.close();
        QVERIFY(ui.services.messages.isEmpty());
    }

    void ctrlCCopiesTheFormAsATable_data()
    {
        QTest::addColumn<std::function<SectionForm*(PlatformServices&)>>("make");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<Copied>("copied");
        QTest::addColumn<QStringList>("messages");
        const Copied roundTube = {"Круглая труба",
                                  RoundTubeInputs,
                                  {{"I =", "505.556", "см4"},
                                   {"W =", "71.205", "см3"},
                                   {"i =", "4.846", "см"},
                                   {"A =", "21.519", "см2"},
                                   {"Вес кг/м", "16.893", ""}}};
        QTest::newRow("round tube")
            << std::function(make<Form2>) << QStringList{"Command1"} << roundTube << QStringList{};
        // what was computed, not what the boxes hold since
        QTest::newRow("after an edit")
            << std::function(make<Form2>) << QStringList{"Command1", "Text1=20", "Text3=abc"}
            << roundTube << QStringList{};
        QTest::newRow("after a refusal")
            << std::function(make<Form2>) << QStringList{"Command1", "Text2=8", "Command1"}
            << roundTube << QStringList{"D должно быть больше или равно 2t"};
        QTest::newRow("solid bar: its hidden wall is no input")
            << std::function(make<Form2>) << QStringList{"Check1", "Command1"}
            << Copied{"Круглое сечение",
                      {{"D=", "14.2", "см"}, SpecificWeight},
                      {{"I =", "1995.828", "см4"},
                       {"W =", "281.102", "см3"},
                       {"i =", "3.55", "см"},
                       {"A =", "158.367", "см2"},
                       {"Вес кг/м", "124.318", ""}}}
            << QStringList{};
        QTest::newRow("converted to millimetres")
            << std::function(make<Form2>) << QStringList{"Command1", "Option1"}
            << Copied{"Круглая труба",
                      {{"D=", "142", "мм"}, {"t =", "5", "мм"}, SpecificWeight},
                      {{"I =", "5055564.781", "мм4"},
                       {"W =", "71205.137", "мм3"},
                       {"i =", "48.469", "мм"},
                       {"A =", "2151.99", "мм2"},
                       {"Вес кг/м", "16.893", ""}}}
            << QStringList{};
        // a switch that converts nothing clears the results, and the copy shows no old ones
        QTest::newRow("a switch before any calculation")
            << std::function(make<Form2>) << QStringList{"Option1"}
            << Copied{"Круглая труба",
                      {{"D=", "14.2", "мм"}, {"t =", "0.5", "мм"}, SpecificWeight},
                      {}}
            << QStringList{};
        const QList<Row> angleInputs = {
            {"H=", "20", "см"}, {"s=", "0.52", "см"},  {"B1=", "0", "см"}, {"B2=", "9", "см"},
            {"t1=", "0", "см"}, {"t2=", "0.52", "см"}, SpecificWeight};
        QTest::newRow("before a calculation: the inputs alone")
            << std::function(make<Form8>) << QStringList{"Check1"}
            << Copied{"Уголковое сечение", angleInputs, {}} << QStringList{};
        // Xc, Sx and Sy show a Latin "c" on the screen until a unit switch
        QTest::newRow("angle with its principal axes")
            << std::function(make<Form8>) << QStringList{"Check1", "Command1"}
            << Copied{"Уголковое сечение",
                      angleInputs,
                      {{"Ix=", "640.535", "см4"}, {"Iy=", "89.365", "см4"},
                       {"A=", "14.809", "см2"},   {"W1x=", "49.653", "см3"},
                       {"W1y=", "55.857", "см3"}, {"Yc=", "7.099", "см"},
                       {"W2x=", "90.217", "см3"}, {"W2y=", "12.076", "см3"},
                       {"Xc=", "1.599", "см"},    {"ix=", "6.576", "см"},
                       {"iy=", "2.456", "см"},    {"Sx=", "43.267", "см3"},
                       {"Sy=", "14.238", "см3"},  {"Iu=", "672.145", "см4"},
                       {"Iv=", "57.756", "см4"},  {"Ixy=", "-135.725", "см4"},
                       {"iu=", "6.736", "см"},    {"iv=", "1.974", "см"},
                       {"α=", "13.11", "°"},      {"Вес кг/м", "11.625", ""}}}
            << QStringList{};
        // back in centimetres, the screen writes H, B1, tf1 and Yc in "cм" with a Latin "c";
        // a T-section has no flange 2, whatever its boxes have copied from flange 1 since
        QTest::newRow("T-section back in centimetres")
            << std::function(make<Form7>) << QStringList{"Check1", "Command1", "Option1", "Option2"}
            << Copied{"Тавровое сечение",
                      {{"H=", "19.3", "см"},
                       {"B1=", "15", "см"},
                       {"tf1=", "0.9", "см"},
                       {"tw=", "0.6", "см"},
                       SpecificWeight},
                      {{"Ix=", "877.951", "см4"},
                       {"Iy=", "253.456", "см4"},
                       {"Wx=", "60.512", "см3"},
                       {"Wy=", "33.794", "см3"},
                       {"ix=", "5.981", "см"},
                       {"iy=", "3.213", "см"},
                       {"A=", "24.54", "см2"},
                       {"Sx=", "63.15", "см3"},
                       {"Sy=", "26.14", "см3"},
                       {"Yc=", "4.791", "см"},
                       {"Вес кг/м", "19.263", ""}}}
            << QStringList{};
    }
    void ctrlCCopiesTheFormAsATable()
    {
        QFETCH(std::function<SectionForm*(PlatformServices&)>, make);
        QFETCH(QStringList, clicks);
        QFETCH(Copied, copied);
        QFETCH(QStringList, messages);
        ui.open(make);
        ui.perform(clicks);
        QTest::keyClick(&ui.window(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboardText(), tableText(copied));
        QCOMPARE(ui.services.messages, messages);
        ui.services.messages.clear();
    }

    // Whatever was pasted into a box, its cell stays one cell on one line.
    void aTabOrLineBreakInABoxCannotSplitACell_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("tab and line feed") << QString("кг\tна\nм3");
        QTest::newRow("carriage return") << QString("кг\rна\r\nм3");
        QTest::newRow("vertical tab and form feed") << QString("кг\vна\fм3");
        QTest::newRow("next line") << QString::fromUtf16(u"кг\u0085на м3");
        QTest::newRow("line and paragraph separators") << QString::fromUtf16(u"кг\u2028на\u2029м3");
    }
    void aTabOrLineBreakInABoxCannotSplitACell()
    {
        QFETCH(QString, pasted);
        ui.open(make<Form2>);
        ui.control<QLineEdit>("Text3")->setText(pasted);
        QTest::keyClick(&ui.window(), Qt::Key_C, Qt::ControlModifier);
        QString blanked = pasted;
        blanked.replace(QRegularExpression(QStringLiteral("[\\t\\n\\r\\v\\f\u0085\u2028\u2029]")),
                        " ");
        QVERIFY2(clipboardText().endsWith("\nУдельный вес кг/м. куб.\t" + blanked + "\t\n"),
                 qPrintable(clipboardText()));
        QCOMPARE(clipboardText().count('\n'), 1 + clipboardText().count("\t") / 2);
        QVERIFY(
            QGuiApplication::clipboard()->mimeData()->html().contains("<td>" + blanked + "</td>"));
    }

    void htmlPastesAsCells()
    {
        ui.open(make<Form2>);
        ui.click("Command1");
        QTest::keyClick(&ui.window(), Qt::Key_C, Qt::ControlModifier);
        const QString html = QGuiApplication::clipboard()->mimeData()->html();
        QVERIFY2(html.contains("<th colspan=\"3\">Круглая труба</th>"), qPrintable(html));
        QVERIFY(html.contains("<tr><td>D=</td><td>" + local("14.2") + "</td><td>см</td></tr>"));
        QVERIFY(
            html.contains("<tr><td>I =</td><td>" + local("505.556") + "</td><td>см4</td></tr>"));
        QVERIFY(
            html.contains("<tr><td>Вес кг/м</td><td>" + local("16.893") + "</td><td></td></tr>"));
    }

    void aBoxKeepsCtrlCForItsSelection()
    {
        ui.open(make<Form2>);
        ui.click("Command1");
        auto* box = ui.window().findChild<QLineEdit*>("Text1");
        box->setFocus();
        box->setSelection(1, 2); // "4."
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboardText(), QString("4."));
        // without a selection the box would copy nothing: the results go instead
        box->deselect();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(clipboardText().startsWith("Круглая труба\nD=\t" + local("14.2") + "\tсм\n"),
                 qPrintable(clipboardText()));
    }

    void theResultAreaMenuCopiesToo()
    {
        ui.open(make<Form8>);
        ui.click("Command1");
        QWidget* area = ui.control("ResultArea");
        QCOMPARE(area->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(area->actions().size(), 1);
        QAction* copy = area->actions().front();
        QCOMPARE(copy->text(), QString("Копировать результаты"));
        // a right click on a value or in the principal axes' group opens the area's menu
        for (const char* inside : {"Label1", "LabelAlpha", "FramePrincipalAxes", "Label31"}) {
            QVERIFY2(area->isAncestorOf(ui.control(inside)), inside);
            QVERIFY2(ui.control(inside)->contextMenuPolicy() != Qt::ActionsContextMenu &&
                         ui.control(inside)->contextMenuPolicy() != Qt::CustomContextMenu,
                     inside);
        }
        QCOMPARE(ui.control("Label1")->contextMenuPolicy(), Qt::NoContextMenu);
        copy->trigger();
        QVERIFY(clipboardText().startsWith("С-образное сечение\nH=\t20\tсм\n"));
        QVERIFY(clipboardText().endsWith("\nВес кг/м\t" + local("21.477") + "\t\n"));
    }
};

QTEST_MAIN(CopyResultsTest)
#include "tst_copy_results.moc"
