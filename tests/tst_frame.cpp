// What the frame does alike on all nine calculators: how a form opens, the unit switch
// before and after a calculation, a unit switch the calculation refuses, the precision
// list, the ties between boxes, the results announced to assistive technology and
// «Выход». Each calculator's own figures, captions and ties are tested with it.
#include "form_driver.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// The unit labels of the box tube and the cross, and of the channel and the Z-section. Until
// the first switch Sx, Sy and Xc write the centimetre with a Latin "c".
const QStringList FourBoxUnits = {
    "Label32=см",  "Label33=см",       "Label34=см",      "Label35=см", "Label36=см4",
    "Label37=см4", "Label38=см3",      "Label39=см3",     "Label40=см", "Label41=см",
    "Label42=см2", "Label47=c\u043c3", "Label48=c\u043c3"};
const QStringList FlangedUnits = {
    "Label32=см",  "Label35=см",  "Label33=см",       "Label53=см",       "Label34=см",
    "Label52=см",  "Label36=см4", "Label37=см4",      "Label42=см2",      "Label38=см3",
    "Label39=см3", "Label65=см",  "Label56=см3",      "Label59=см3",      "Label63=c\u043c",
    "Label40=см",  "Label41=см",  "Label47=c\u043c3", "Label48=c\u043c3", "UnitIu=см4",
    "UnitIv=см4",  "UnitIxy=см4", "UnitRadiusU=см",   "UnitRadiusV=см",   "UnitAlpha=°"};
const QStringList FlangedBoxes = {"Text3", "Text4", "Text1", "Text7", "Text2", "Text6"};

// The tooltip of each result label; the round section's figures have no axes to name.
const QMap<QString, QString> ResultToolTips = {
    {"Label1", "Момент инерции относительно оси \u0425"},
    {"Label16", "Момент инерции относительно оси Y"},
    {"Label24", "Момент сопротивления относительно \u0425"},
    {"Label25", "Момент сопротивления относительно Y"},
    {"Label57", "Момент сопротивления относительно \u0425"},
    {"Label60", "Момент сопротивления относительно Y"},
    {"Label26", "Радиус инерции относительно \u0425"},
    {"Label27", "Радиус инерции относительно Y"},
    {"Label28", "Площадь сечения"},
    {"Label44", "Статический момент относительно оси \u0425"},
    {"Label45", "Статический момент относительно оси Y"},
    {"Label51", "Расстояние до центра тяжести"},
    {"Label64", "Расстояние до центра тяжести в направлении оси \u0425"},
    {"Label66", "Расстояние до центра тяжести в направлении оси Y"},
    {"LabelIu", "Максимальный главный момент инерции"},
    {"LabelIv", "Минимальный главный момент инерции"},
    {"LabelIxy", "Центробежный момент инерции"},
    {"LabelRadiusU", "Максимальный радиус инерции"},
    {"LabelRadiusV", "Минимальный радиус инерции"},
    {"LabelAlpha", "Угол между осью X и главной осью u"},
    {"Label31", "Вес в кг/м. п."}};
const QMap<QString, QString> RoundToolTips = {{"Label1(1)", "Момент инерции"},
                                              {"Label24", "Момент сопротивления"},
                                              {"Label26", "Радиус инерции"},
                                              {"Label28", "Площадь сечения"},
                                              {"Label9", "Вес погонного метра"}};

// One calculator's frame as designed, and its design values calculated in centimetres and
// switched to the other units.
struct Frame {
    int calculator; // in Calculators
    int precisionEntries = 8;
    QString lastPrecision = "100000000";
    QString specificWeightBox = "Text5", specificWeight = "7850";
    QStringList units;                 // every unit label as "name=text" as the form opens
    QStringList latinAfterSwitch = {}; // unit labels with a Latin "c" in "cм" once switched
    QStringList boxes;                 // the length boxes
    QStringList millimetres;           // their texts after the switch to millimetres
    QStringList metres;                // to metres
    QStringList centimetres;           // and back to centimetres
    QStringList inMillimetres;         // results as "name=text" in millimetres
    QStringList inMetres = {};         // and in metres
    QString zeroRefused = WrongData;   // what the calculation says with 0 in the first box
};

const Frame Frames[] = {
    {.calculator = 0,
     .units = FourBoxUnits,
     .boxes = {"Text1", "Text2", "Text3", "Text4"},
     .millimetres = {"60", "5", "110", "5"},
     .metres = {"0.06", "0.005", "0.11", "0.005"},
     .centimetres = {"6", "0.5", "11", "0.5"},
     .inMillimetres = {"Label1=2488333.333", "Label16=938333.333", "Label24=45242.424",
                       "Label25=31277.777", "Label28=1600", "Label26=39.436", "Label27=24.216",
                       "Label44=28250", "Label45=18250", "Label31=12.56"}},
    {.calculator = 1,
     .precisionEntries = 10,
     .lastPrecision = "10000000000",
     .specificWeightBox = "Text3",
     .units = {"Label6=см", "Label10=см", "Label11=см4", "Label12=см3", "Label13=см",
               "Label14=см2"},
     .boxes = {"Text1", "Text2"},
     .millimetres = {"142", "5"},
     .metres = {"0.142", "0.005"},
     .centimetres = {"14.2", "0.5"},
     .inMillimetres = {"Label1(1)=5055564.781", "Label24=71205.137", "Label28=2151.99",
                       "Label26=48.469", "Label9=16.893"},
     .inMetres = {"Label28=0.002"},
     .zeroRefused = "D должно быть больше или равно 2t"},
    {.calculator = 2,
     .precisionEntries = 10,
     .lastPrecision = "10000000000",
     .specificWeight = "600",
     .units = {"Label32=см", "Label34=см", "Label36=см4", "Label37=см4", "Label38=см3",
               "Label39=см3", "Label40=см", "Label41=см", "Label42=см2", "Label47=c\u043c3",
               "Label48=c\u043c3"},
     .boxes = {"Text1", "Text3"},
     .millimetres = {"50", "50"},
     .metres = {"0.05", "0.05"},
     .centimetres = {"5", "5"},
     .inMillimetres = {"Label28=2500"}},
    {.calculator = 3,
     .precisionEntries = 10,
     .lastPrecision = "10000000000",
     .units = {"Label32=см", "Label36=см4", "Label38=см3", "Label40=см", "Label42=см2",
               "Label47=c\u043c3"},
     .boxes = {"Text1"},
     .millimetres = {"50"},
     .metres = {"0.05"},
     .centimetres = {"5"},
     .inMillimetres = {"Label1=520833.333"}},
    // the height follows the radius: written in full once the radius converts
    {.calculator = 4,
     .precisionEntries = 10,
     .lastPrecision = "10000000000",
     .units = {"Label32=см", "Label34=см", "Label36=см4", "Label37=см4", "Label38=см3",
               "Label39=см3", "Label40=см", "Label41=см", "Label42=см2"},
     .boxes = {"Text1", "Text3"},
     .millimetres = {"10", "17.3205080756888"},
     .metres = {"0.01", "0.0173205080756888"},
     .centimetres = {"1", "1.73205080756888"},
     .inMillimetres = {"Label1=5412.658", "Label16=5412.658", "Label24=625", "Label25=541.265",
                       "Label26=4.564", "Label27=4.564", "Label28=259.807", "Label31=2.039"}},
    {.calculator = 5,
     .units = FourBoxUnits,
     .boxes = {"Text1", "Text2", "Text3", "Text4"},
     .millimetres = {"100", "10", "100", "10"},
     .metres = {"0.1", "0.01", "0.1", "0.01"},
     .centimetres = {"10", "1", "10", "1"},
     .inMillimetres = {"Label1=840833.333", "Label16=840833.333", "Label24=16816.666",
                       "Label25=16816.666", "Label26=21.036", "Label27=21.036", "Label28=1900",
                       "Label44=13625", "Label45=13625", "Label31=14.915"}},
    // H, B1, tf1 and Yc write the centimetre with a Latin "c" after a switch
    {.calculator = 6,
     .units = {"Label57=см", "Label56=см", "Label55=см", "Label32=см", "Label33=см", "Label34=см",
               "Label36=см4", "Label37=см4", "Label38=см3", "Label39=см3", "Label40=см",
               "Label41=см", "Label42=см2", "Label47=c\u043c3", "Label48=c\u043c3", "Label50=см"},
     .latinAfterSwitch = {"Label57", "Label56", "Label55", "Label50"},
     .boxes = {"Text7", "Text9", "Text8", "Text3", "Text1", "Text2"},
     .millimetres = {"193", "150", "9", "6", "150", "9"},
     .metres = {"0.193", "0.15", "0.009", "0.006", "0.15", "0.009"},
     .centimetres = {"19.3", "15", "0.9", "0.6", "15", "0.9"},
     .inMillimetres = {"Label28=3750", "Label51=96.5", "Label1=25550712.5", "Label16=5065650",
                       "Label24=264774.222", "Label25=67542", "Label26=82.544", "Label27=36.753",
                       "Label44=147168.75", "Label45=51412.5", "Label31=29.437"}},
    {.calculator = 7,
     .units = FlangedUnits,
     .boxes = FlangedBoxes,
     .millimetres = {"200", "5.2", "90", "90", "10", "10"},
     .metres = {"0.2", "0.0052", "0.09", "0.09", "0.01", "0.01"},
     .centimetres = {"20", "0.52", "9", "9", "1", "1"},
     .inMillimetres = {"Label28=2736"}},
    {.calculator = 8,
     .units = FlangedUnits,
     .boxes = FlangedBoxes,
     .millimetres = {"200", "5.2", "90", "90", "9", "9"},
     .metres = {"0.2", "0.0052", "0.09", "0.09", "0.009", "0.009"},
     .centimetres = {"20", "0.52", "9", "9", "0.9", "0.9"},
     .inMillimetres = {"Label64=87.4", "Label45=35020"}},
};

const Frame& frameOf(int calculator)
{
    for (const Frame& frame : Frames)
        if (frame.calculator == calculator)
            return frame;
    qFatal("no frame for calculator %d", calculator);
}

// A row for each calculator, named after it.
void addCalculatorRows()
{
    QTest::addColumn<int>("calculator");
    for (const Frame& frame : Frames)
        QTest::newRow(Calculators[frame.calculator].name) << frame.calculator;
}

QTestData& calculatorRow(int calculator, const char* what)
{
    return QTest::addRow("%s: %s", Calculators[calculator].name, what) << calculator;
}

// "name=text" pairs split into their names and their texts.
QStringList names(const QStringList& pairs)
{
    QStringList split;
    for (const QString& pair : pairs)
        split << pair.section(QLatin1Char('='), 0, 0);
    return split;
}
QStringList texts(const QStringList& pairs)
{
    QStringList split;
    for (const QString& pair : pairs)
        split << pair.section(QLatin1Char('='), 1);
    return split;
}

// The text of a unit label in `letters` ("мм", "см", "м"; "cм" with a Latin "c") when it
// opened showing `design`: the label keeps its power; degrees stay degrees.
QString inUnit(const QString& design, const QString& letters)
{
    if (design == QStringLiteral("°"))
        return design;
    return design.back().isDigit() ? letters + design.back() : letters;
}

// The unit labels of `frame` once switched to `letters`, as "name=text" in the order of
// their names.
QStringList unitsSwitchedTo(const Frame& frame, const QString& letters)
{
    QStringList expected;
    for (const QString& pair : frame.units) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        const QString centimetre = frame.latinAfterSwitch.contains(name) ? "c\u043c" : "см";
        expected << name + "=" +
                        inUnit(pair.section(QLatin1Char('='), 1),
                               letters == "см" ? centimetre : letters);
    }
    expected.sort();
    return expected;
}

} // namespace

class FrameTest : public QObject {
    Q_OBJECT

    CalculatorDriver ui;

    void open(int calculator) { ui.open(Calculators[calculator].make); }
    // Every unit label as "name=text", in the order of their names.
    QStringList units() const
    {
        QStringList shown;
        for (const QLabel* label : ui.window().unitLabelWidgets())
            shown << label->objectName() + "=" + label->text();
        shown.sort();
        return shown;
    }
    // The texts of every box, the precision list's included.
    QStringList allBoxes() const
    {
        QStringList typed;
        for (const QLineEdit* box : ui.window().findChildren<QLineEdit*>())
            typed << box->objectName() + "=" + box->text();
        return typed;
    }
    QStringList ticks() const
    {
        QStringList ticked;
        for (const QCheckBox* check : ui.window().findChildren<QCheckBox*>())
            ticked << check->objectName() + (check->isChecked() ? "=on" : "=off");
        return ticked;
    }
    // The results named in "name=text" pairs show those texts in the user's notation.
    void verifyShown(const QStringList& pairs) const
    {
        QCOMPARE(ui.texts(names(pairs)), localNumbers(texts(pairs)));
    }
    bool nothingShown() const
    {
        for (const QString& result : ui.results())
            if (!result.isEmpty())
                return false;
        return true;
    }

private slots:
    void cleanup() { ui.close(); }

    void opensAtItsDesign_data() { addCalculatorRows(); }
    void opensAtItsDesign()
    {
        QFETCH(int, calculator);
        const Frame& frame = frameOf(calculator);
        open(calculator);
        auto* precision = ui.control<QComboBox>("Combo1");
        QCOMPARE(precision->currentText(), QString("1000"));
        QCOMPARE(precision->count(), frame.precisionEntries);
        QCOMPARE(precision->itemText(precision->count() - 1), frame.lastPrecision);
        QVERIFY(ui.control<QRadioButton>("Option2")->isChecked());
        QVERIFY(!ui.control<QRadioButton>("Option1")->isChecked());
        QVERIFY(!ui.control<QRadioButton>("Option3")->isChecked());
        QCOMPARE(ui.boxText(frame.specificWeightBox), frame.specificWeight);
        QStringList designed = frame.units;
        designed.sort();
        QCOMPARE(units(), designed);
        QVERIFY(nothingShown());
        QCOMPARE(ui.window().unitFactor(), 0);
        QVERIFY(!ui.enabled("CommandCard"));
        QCOMPARE(ui.text("Label18"), "Velkor  v. " + local("3.7") + "  2004");
        QVERIFY(ui.services.messages.isEmpty());
    }

    // Before the first calculation nobody knows the unit the boxes were typed in: a switch
    // converts nothing and shows nothing, it only relabels.
    void switchingBeforeCalculatingOnlyRelabels_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("letters");
        for (const Frame& frame : Frames) {
            calculatorRow(frame.calculator, "millimetre") << QStringList{"Option1"} << "мм";
            calculatorRow(frame.calculator, "metre") << QStringList{"Option3"} << "м";
            calculatorRow(frame.calculator, "centimetre again")
                << QStringList{"Option1", "Option2"} << "см";
        }
    }
    void switchingBeforeCalculatingOnlyRelabels()
    {
        QFETCH(int, calculator);
        QFETCH(QStringList, options);
        QFETCH(QString, letters);
        open(calculator);
        const QStringList typed = allBoxes();
        ui.perform(options);
        QCOMPARE(units(), unitsSwitchedTo(frameOf(calculator), letters));
        QCOMPARE(allBoxes(), typed);
        QVERIFY(nothingShown());
        QCOMPARE(ui.window().unitFactor(), 0);
        QVERIFY(ui.services.messages.isEmpty());
    }

    // After a calculation in centimetres a switch rewrites each box once, in the new unit,
    // and calculates again; the specific weight is absolute, and so is the weight.
    void unitSwitchConvertsAndRecalculates_data() { addCalculatorRows(); }
    void unitSwitchConvertsAndRecalculates()
    {
        QFETCH(int, calculator);
        const Frame& frame = frameOf(calculator);
        open(calculator);
        ui.click("Command1");
        const QStringList inCentimetres = ui.results();
        QVERIFY(!inCentimetres.contains(QString()));
        QCOMPARE(ui.window().unitFactor(), 10);

        ui.click("Option1");
        QCOMPARE(ui.boxTexts(frame.boxes), localNumbers(frame.millimetres));
        QCOMPARE(ui.boxText(frame.specificWeightBox), frame.specificWeight);
        QCOMPARE(units(), unitsSwitchedTo(frame, "мм"));
        verifyShown(frame.inMillimetres);
        QCOMPARE(ui.results().last(), inCentimetres.last());
        QCOMPARE(ui.window().unitFactor(), 1);

        ui.click("Option3");
        QCOMPARE(ui.boxTexts(frame.boxes), localNumbers(frame.metres));
        QCOMPARE(units(), unitsSwitchedTo(frame, "м"));
        verifyShown(frame.inMetres);
        QCOMPARE(ui.results().last(), inCentimetres.last());
        QCOMPARE(ui.window().unitFactor(), 1000);

        ui.click("Option2");
        QCOMPARE(ui.boxTexts(frame.boxes), localNumbers(frame.centimetres));
        QCOMPARE(units(), unitsSwitchedTo(frame, "см"));
        QCOMPARE(ui.results(), inCentimetres);
        QCOMPARE(ui.window().unitFactor(), 10);

        ui.click("Option1"); // and from millimetres straight back
        QCOMPARE(ui.boxTexts(frame.boxes), localNumbers(frame.millimetres));
        ui.click("Option2");
        QCOMPARE(ui.boxTexts(frame.boxes), localNumbers(frame.centimetres));
        QCOMPARE(ui.results(), inCentimetres);
        QVERIFY(ui.services.messages.isEmpty());
    }

    // A refused calculation was still typed in its unit: the next switch converts from it.
    void refusedRunStillRecordsItsUnit_data() { addCalculatorRows(); }
    void refusedRunStillRecordsItsUnit()
    {
        QFETCH(int, calculator);
        const Frame& frame = frameOf(calculator);
        open(calculator);
        const QString first = Calculators[calculator].firstBox;
        const QString typed = ui.boxText(first);
        ui.type(first, "0");
        ui.click("Command1");
        QCOMPARE(ui.services.messages, QStringList{frame.zeroRefused});
        QVERIFY(nothingShown());
        QCOMPARE(ui.window().unitFactor(), 10);
        ui.type(first, typed);
        ui.click("Option1");
        QCOMPARE(ui.boxTexts(frame.boxes), localNumbers(frame.millimetres));
        verifyShown(frame.inMillimetres);
        QCOMPARE(ui.services.messages.size(), 1);
    }

    // Converted boxes the calculation refuses leave no result but the weight, and no card.
    void refusedSwitchClearsAllButTheWeight_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("boxes"); // after the switch, as "name=text"
        // the tied h follows b to 3 cm, which leaves no opening
        calculatorRow(0, "walls too thick") << QStringList{"Text2=3"} << WrongData
                                            << QStringList{"Text1=60", "Text2=30", "Text4=30"};
        for (const Frame& frame : Frames) {
            const QString first = Calculators[frame.calculator].firstBox;
            calculatorRow(frame.calculator, "first box 0")
                << QStringList{first + "=0"} << frame.zeroRefused << QStringList{first + "=0"};
        }
    }
    void refusedSwitchClearsAllButTheWeight()
    {
        QFETCH(int, calculator);
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        QFETCH(QStringList, boxes);
        open(calculator);
        ui.click("Command1");
        const QString weight = ui.results().last();
        ui.perform(steps);
        ui.click("Option1");
        QCOMPARE(ui.services.messages, QStringList{message});
        QCOMPARE(ui.boxTexts(names(boxes)), texts(boxes));
        QStringList expected(ui.results().size() - 1, QString());
        QCOMPARE(ui.results(), expected << weight);
        QVERIFY(!ui.enabled("CommandCard"));
    }

    // Picking an entry of the list recalculates at once, cut to that many places.
    void pickingAPrecisionRecalculates_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("shown"); // "name=text"
        for (const Frame& frame : Frames)
            calculatorRow(frame.calculator, "10") << "10" << QStringList();
        calculatorRow(0, "10, figures")
            << "10" << QStringList{"Label1=248.8", "Label24=45.2", "Label26=3.9"};
        calculatorRow(1, "10, figures")
            << "10"
            << QStringList{"Label1(1)=505.5", "Label24=71.2", "Label28=21.5", "Label26=4.8",
                           "Label9=16.8"};
        calculatorRow(1, "100000000") << "100000000" << QStringList{"Label26=4.84690622"};
        calculatorRow(2, "10, figures")
            << "10" << QStringList{"Label1=52", "Label26=1.4", "Label44=15.6"};
        calculatorRow(2, "10000000000") << "10000000000" << QStringList{"Label1=52.0833333333"};
    }
    void pickingAPrecisionRecalculates()
    {
        QFETCH(int, calculator);
        QFETCH(QString, entry);
        QFETCH(QStringList, shown);
        open(calculator);
        ui.pickPrecision(entry);
        const int places = int(std::lround(std::log10(entry.toDouble())));
        static const QRegularExpression number("^-?\\d+(?:[.,](\\d+))?$");
        for (const QString& result : ui.results()) {
            const QRegularExpressionMatch match = number.match(result);
            QVERIFY2(match.hasMatch() && match.capturedLength(1) <= places, qPrintable(result));
        }
        verifyShown(shown);
        QVERIFY(ui.services.messages.isEmpty());
    }

    // While ticked, a tie makes the tied box a disabled copy of its source, rewritten on
    // every change; released, the box and its labels are the user's again, keep the copy
    // and take the focus. Neither clears nor recalculates.
    void tiesCopyAndRelease_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("tied");
        QTest::addColumn<QStringList>("labels"); // the tied box's caption and unit
        const QStringList none;
        calculatorRow(0, "h= b") << none << "Check1"
                                 << "Text2"
                                 << "Text4" << QStringList{"Label14", "Label35"};
        calculatorRow(0, "H= B") << none << "Check2"
                                 << "Text1"
                                 << "Text3" << QStringList{"Label13", "Label34"};
        calculatorRow(2, "square") << none << "Check1"
                                   << "Text1"
                                   << "Text3" << QStringList{"Label13", "Label34"};
        calculatorRow(5, "H = B") << none << "Check2"
                                  << "Text1"
                                  << "Text3" << QStringList{"Label13", "Label34"};
        calculatorRow(5, "h = b") << none << "Check1"
                                  << "Text2"
                                  << "Text4" << QStringList{"Label14", "Label35"};
        calculatorRow(6, "B2") << none << "Check2"
                               << "Text9"
                               << "Text1" << QStringList{"Label2", "Label33"};
        calculatorRow(6, "tf2") << none << "Check3"
                                << "Text8"
                                << "Text2" << QStringList{"Label3", "Label34"};
        for (const int flanged : {7, 8}) {
            calculatorRow(flanged, "B1 = B2") << none << "Check3"
                                              << "Text7"
                                              << "Text1" << QStringList{"Label2", "Label33"};
            calculatorRow(flanged, "t1 = t2") << none << "Check2"
                                              << "Text6"
                                              << "Text2" << QStringList{"Label3", "Label34"};
            calculatorRow(flanged, "angle: B2 = H") << QStringList{"Check1"} << "Check4"
                                                    << "Text3"
                                                    << "Text7" << QStringList{"Label55", "Label53"};
            calculatorRow(flanged, "angle: t2 = s") << QStringList{"Check1"} << "Check5"
                                                    << "Text4"
                                                    << "Text6" << QStringList{"Label54", "Label52"};
        }
    }
    void tiesCopyAndRelease()
    {
        QFETCH(int, calculator);
        QFETCH(QStringList, setup);
        QFETCH(QString, check);
        QFETCH(QString, source);
        QFETCH(QString, tied);
        QFETCH(QStringList, labels);
        open(calculator);
        const auto& ties = ui.window().ties();
        const auto tie = std::find_if(ties.begin(), ties.end(), [&](const auto& view) {
            return view.check->objectName() == check;
        });
        QVERIFY(tie != ties.end());
        QCOMPARE(tie->source->objectName(), source);
        QCOMPARE(tie->tied->objectName(), tied);
        ui.perform(setup);
        ui.click("Command1");
        const QStringList shown = ui.results();
        const QStringList tiedControls = QStringList(labels) << tied;
        const auto verifyTied = [&](bool tiedUp) {
            QCOMPARE(ui.ticked(check), tiedUp);
            for (const QString& name : tiedControls)
                QVERIFY2(ui.enabled(name) == !tiedUp, qPrintable(name));
            QCOMPARE(ui.focused(), tiedUp ? source : tied);
        };

        if (ui.ticked(check)) {
            const QString copied = ui.boxText(source);
            QCOMPARE(ui.boxText(tied), copied);
            ui.click(check);
            verifyTied(false);
            QCOMPARE(ui.boxText(tied), copied);
        }
        ui.type(tied, "3");
        ui.type(source, "4");
        QCOMPARE(ui.boxText(tied), QString("3")); // released: no copy

        ui.click(check); // copied at once and on every change of the source
        verifyTied(true);
        QCOMPARE(ui.boxText(tied), QString("4"));
        ui.type(source, local("8.5"));
        QCOMPARE(ui.boxText(tied), local("8.5"));

        ui.click(check);
        verifyTied(false);
        QCOMPARE(ui.boxText(tied), local("8.5"));
        ui.type(source, "9");
        QCOMPARE(ui.boxText(tied), local("8.5"));
        QCOMPARE(ui.results(), shown);
        QVERIFY(ui.services.messages.isEmpty());
    }

    // Each result and the weight carry the name of their figure; unit labels carry none.
    void resultsCarryTheirToolTips_data() { addCalculatorRows(); }
    void resultsCarryTheirToolTips()
    {
        QFETCH(int, calculator);
        open(calculator);
        const QMap<QString, QString>& toolTips = calculator == 1 ? RoundToolTips : ResultToolTips;
        std::vector<const QLabel*> labels = ui.window().resultLabels();
        labels.push_back(ui.window().weightResult());
        for (const QLabel* label : labels) {
            QVERIFY2(toolTips.contains(label->objectName()), qPrintable(label->objectName()));
            QCOMPARE(label->toolTip(), toolTips[label->objectName()]);
        }
        for (const QLabel* unit : ui.window().unitLabelWidgets())
            QVERIFY2(unit->toolTip().isEmpty(), qPrintable(unit->objectName()));
    }

    // A screen reader announces each result by its value.
    void resultsAreAnnouncedByTheirValues_data() { addCalculatorRows(); }
    void resultsAreAnnouncedByTheirValues()
    {
        QFETCH(int, calculator);
        open(calculator);
        ui.click("Command1");
        std::vector<const QLabel*> labels = ui.window().resultLabels();
        labels.push_back(ui.window().weightResult());
        for (const QLabel* label : labels) {
            QVERIFY(!label->text().isEmpty());
            QCOMPARE(accessibleText(ui.control(label->objectName()), QAccessible::Name),
                     label->text());
        }
    }

    // «Выход» hides the form, which opens again as it was left; a form that unloads is
    // destroyed instead, and the next opening is a new one.
    void exitKeepsEverything_data()
    {
        QTest::addColumn<int>("calculator");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("caption"); // when opened again
        calculatorRow(0, "walls released")
            << QStringList{"Check1", "Text4=1"} << "Коробчатое сечение";
        calculatorRow(1, "D = 20") << QStringList{"Text1=20"} << "Круглая труба";
        calculatorRow(2, "unloads") << QStringList{"Text1=8"} << QString();
        calculatorRow(3, "B = 7") << QStringList{"Text1=7"} << "Ромб";
        calculatorRow(4, "sized by H")
            << QStringList{"Check1", "Text3=2"} << "Шестигранное сечение";
        calculatorRow(5, "lengths released")
            << QStringList{"Check2", "Text3=20"} << "Крестообразное сечение";
        calculatorRow(6, "T-section") << QStringList{"Check1"} << "Тавровое сечение";
        calculatorRow(7, "angle") << QStringList{"Check1"} << "Уголковое сечение";
        calculatorRow(8, "angle") << QStringList{"Check1"} << "Уголковое сечение";
    }
    void exitKeepsEverything()
    {
        QFETCH(int, calculator);
        QFETCH(QStringList, steps);
        QFETCH(QString, caption);
        open(calculator);
        ui.perform(steps);
        ui.click("Command1");
        const QStringList shown = ui.results(), typed = allBoxes(), ticked = ticks();
        QVERIFY(!shown.contains(QString()));
        const bool unloads = ui.window().unloadsOnExit();
        ui.click("Command2");
        if (unloads) {
            QVERIFY(caption.isEmpty());
            QVERIFY(!ui.window().isVisible());
            QTRY_VERIFY(!ui.isOpen());
            return;
        }
        QVERIFY(!ui.window().isVisible());
        QVERIFY(ui.isOpen());
        ui.window().show();
        QCOMPARE(ui.window().windowTitle(), caption);
        QCOMPARE(allBoxes(), typed);
        QCOMPARE(ticks(), ticked);
        QCOMPARE(ui.results(), shown);
        QVERIFY(ui.services.messages.isEmpty());
    }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
