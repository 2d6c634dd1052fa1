// The channel / angle calculator driven as a user would drive it.
#include "flanged_sketch_support.h"
#include "form8.h"
#include "form_driver.h"

#include <QComboBox>
#include <QGroupBox>

namespace {

const QStringList Outline = {"Line23", "Line15", "Line27", "Line6",
                             "Line5",  "Line11", "Line24", "Line26"};

const QStringList DefaultChannel = {"27.36",   "3.049",   "10",     "1878.72", "232.415",
                                    "187.872", "187.872", "76.214", "39.057",  "8.286",
                                    "2.914",   "106.56",  "35.408", "21.477"};
const QStringList UnequalAngle = {"14.809", "1.599",  "7.099",  "640.535", "89.365",
                                  "49.653", "90.217", "55.857", "12.076",  "6.576",
                                  "2.456",  "43.267", "14.238", "11.625"};
const QStringList EqualAngle = {"20.529", "5.194",   "5.194",   "833.708", "833.708",
                                "56.309", "160.509", "160.509", "56.309",  "6.372",
                                "6.372",  "56.995",  "56.995",  "16.115"};

// Ixy, Iu, Iv, iu, iv, α
const QStringList Principal = {"LabelIxy",     "LabelIu",      "LabelIv",
                               "LabelRadiusU", "LabelRadiusV", "LabelAlpha"};
const QStringList PrincipalAxes = {"AxisU", "AxisV", "LetterU", "LetterV"};

QColor textColour(QWidget* label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class Form8Test : public QObject {
    Q_OBJECT

    FormDriver<Form8> ui;

    QStringList results() const { return ui.texts(Results); }
    QStringList boxes() const { return ui.boxTexts(Boxes); }
    QPoint at(const QString& name) const
    {
        return ui.control(name)->mapTo(&ui.window(), QPoint(0, 0));
    }
    SketchSnapshot snapshot() const
    {
        return SketchSnapshot(ui.window().sketch(), ChannelSketch({}));
    }

private slots:
    void init() { ui.open(); }
    void cleanup() { ui.close(); }

    void opensAsAChannelWithTiedFlanges()
    {
        QCOMPARE(ui.window().windowTitle(), QString("С-образное сечение"));
        QCOMPARE(boxes(), QStringList({"20", "0.52", "9", "9", "1", "1"}));
        QCOMPARE(ui.boxText("Text5"), QString("7850"));
        for (const char* name : {"Text1", "Label2", "Label33", "Text2", "Label3", "Label34"})
            QVERIFY2(!ui.enabled(name), name);
        for (const char* name :
             {"Text3", "Label13", "Text4", "Text7", "Label55", "Text6", "Label54"})
            QVERIFY2(ui.enabled(name), name);
        QVERIFY(ui.ticked("Check3") && ui.enabled("Check3"));
        QVERIFY(ui.ticked("Check2") && ui.enabled("Check2"));
        QVERIFY(!ui.ticked("Check1") && ui.enabled("Check1"));
        QVERIFY(!ui.ticked("Check4") && !ui.enabled("Check4"));
        QVERIFY(!ui.ticked("Check5") && !ui.enabled("Check5"));
        QCOMPARE(ui.text("Label17"),
                 QString("I - момент инерции;           W - момент сопротивления;  i - радиус "
                         "инерции;                A - площадь сечения;          S - статический "
                         "момент полусечения;                           Хс - расстояние до "
                         "центра тяжести от оси Y;              Yc - расстояние до центра "
                         "тяжести от оси Х."));
        QVERIFY(ui.window().sketch().isElementVisible("Line15"));
        QVERIFY(outlineIsClosed(ui.window().sketch(), Outline));
    }

    void inputCaptionsAndToolTips_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("H") << "Text3"
                           << "H="
                           << "Высота стенки швеллера";
        QTest::newRow("s") << "Text4"
                           << "s="
                           << "Толщина стенки швеллера";
        QTest::newRow("B1") << "Text1"
                            << "B1="
                            << "Ширина полки";
        QTest::newRow("B2") << "Text7"
                            << "B2="
                            << "Ширина полки";
        QTest::newRow("t1") << "Text2"
                            << "t1="
                            << "Толщина полки";
        QTest::newRow("t2") << "Text6"
                            << "t2="
                            << "Толщина полки";
        QTest::newRow("specific weight") << "Text5"
                                         << "Удельный вес кг/м. куб."
                                         << "Удельный вес в кг/м3";
        QTest::newRow("angle switch") << "Check1"
                                      << "Швеллер/Уголок"
                                      << "Переключатель - Швеллер/Уголок";
        QTest::newRow("equal legs") << "Check4"
                                    << "B2=  H"
                                    << "Уголок равнополочный";
        QTest::newRow("equal leg thickness") << "Check5"
                                             << "t2=  s"
                                             << "Толщина полок уголка одинакова";
        QTest::newRow("equal widths") << "Check3"
                                      << "B1=  B2"
                                      << "Ширина полочок одинакова";
        QTest::newRow("equal thicknesses") << "Check2"
                                           << "t1=  t2"
                                           << "Толщина полочок одинакова";
        QTest::newRow("print") << "Command3"
                               << "Принтер"
                               << "";
    }
    void inputCaptionsAndToolTips()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QWidget* widget = ui.control(control);
        QCOMPARE(widget->toolTip(), toolTip);
        // a box is named by its caption label, anything else by its own caption
        QCOMPARE(accessibleText(widget, QAccessible::Name), caption);
    }

    void resultCaptionsToolTipsAndColours_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QColor>("colour");
        const QColor red = Qt::red, green = Qt::darkGreen, blue = Qt::blue;
        QTest::newRow("Ix") << "Label1"
                            << "Ix="
                            << "Момент инерции относительно оси Х" << red;
        QTest::newRow("Iy") << "Label16"
                            << "Iy="
                            << "Момент инерции относительно оси Y" << green;
        QTest::newRow("A") << "Label28"
                           << "A="
                           << "Площадь сечения" << blue;
        QTest::newRow("W1x") << "Label24"
                             << "W1x="
                             << "Момент сопротивления относительно Х" << red;
        QTest::newRow("W1y") << "Label25"
                             << "W1y="
                             << "Момент сопротивления относительно Y" << green;
        QTest::newRow("Yc") << "Label66"
                            << "Yc="
                            << "Расстояние до центра тяжести в направлении оси Y" << red;
        QTest::newRow("W2x") << "Label57"
                             << "W2x="
                             << "Момент сопротивления относительно Х" << red;
        QTest::newRow("W2y") << "Label60"
                             << "W2y="
                             << "Момент сопротивления относительно Y" << green;
        QTest::newRow("Xc") << "Label64"
                            << "Xc="
                            << "Расстояние до центра тяжести в направлении оси Х" << green;
        QTest::newRow("ix") << "Label26"
                            << "ix="
                            << "Радиус инерции относительно Х" << red;
        QTest::newRow("iy") << "Label27"
                            << "iy="
                            << "Радиус инерции относительно Y" << green;
        QTest::newRow("Sx") << "Label44"
                            << "Sx="
                            << "Статический момент относительно оси Х" << red;
        QTest::newRow("Sy") << "Label45"
                            << "Sy="
                            << "Статический момент относительно оси Y" << green;
        QTest::newRow("weight") << "Label31"
                                << "Вес кг/м"
                                << "Вес в кг/м. п." << blue;
    }
    void resultCaptionsToolTipsAndColours()
    {
        QFETCH(QString, result);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(QColor, colour);
        QCOMPARE(accessibleText(ui.control(result), QAccessible::Description),
                 caption + " " + toolTip);
        QCOMPARE(textColour(ui.control(result)), colour);
    }

    void principalAxesGroup_data()
    {
        QTest::addColumn<QString>("name"); // of the caption, result and unit labels
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QStringList>("units"); // design, mm, m
        const QStringList inertia = {"см4", "мм4", "м4"}, length = {"см", "мм", "м"};
        QTest::newRow("Ixy") << "Ixy"
                             << "Ixy="
                             << "Центробежный момент инерции" << inertia;
        QTest::newRow("Iu") << "Iu"
                            << "Iu="
                            << "Максимальный главный момент инерции" << inertia;
        QTest::newRow("Iv") << "Iv"
                            << "Iv="
                            << "Минимальный главный момент инерции" << inertia;
        QTest::newRow("iu") << "RadiusU"
                            << "iu="
                            << "Максимальный радиус инерции" << length;
        QTest::newRow("iv") << "RadiusV"
                            << "iv="
                            << "Минимальный радиус инерции" << length;
        // an angle holds no length: no unit changes its label
        QTest::newRow("alpha") << "Alpha"
                               << "α="
                               << "Угол между осью X и главной осью u"
                               << QStringList{"°", "°", "°"};
    }
    void principalAxesGroup()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(QStringList, units);
        auto* group = ui.control<QGroupBox>("FramePrincipalAxes");
        QCOMPARE(group->title(), QString("Главные оси"));
        QWidget* result = ui.control("Label" + name);
        QVERIFY(group->isAncestorOf(result) && group->isAncestorOf(ui.control("Caption" + name)) &&
                group->isAncestorOf(ui.control("Unit" + name)));
        QVERIFY(at("Label" + name).y() > at("Label45").y()); // below the other results
        QCOMPARE(ui.text("Caption" + name), caption);
        QCOMPARE(result->toolTip(), toolTip);
        QCOMPARE(accessibleText(result, QAccessible::Description), caption + " " + toolTip);
        // empty, a value is announced as nothing, not by the group's title
        QCOMPARE(accessibleText(result, QAccessible::Name), QString());
        QCOMPARE(ui.text("Unit" + name), units[0]);
        ui.click("Option1");
        QCOMPARE(ui.text("Unit" + name), units[1]);
        ui.click("Option3");
        QCOMPARE(ui.text("Unit" + name), units[2]);
    }

    void principalAxesInEachUnit_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("centimetres"); // Ixy, Iu, Iv, iu, iv, α
        QTest::addColumn<QStringList>("millimetres");
        QTest::addColumn<QStringList>("metres");
        // x to the right, y up as drawn: the legs lie up and to the right of the corner, so
        // Ixy < 0 and u leans up from X by 13.11°, by 45° when the legs are equal
        QTest::newRow("unequal angle")
            << QStringList{"Check1"}
            << QStringList{"-135.725", "672.145", "57.756", "6.736", "1.974", "13.11"}
            << QStringList{"-1357252.584", "6721452.715", "577563.028", "67.368", "19.748", "13.11"}
            << QStringList{"0", "0", "0", "0.067", "0.019", "13.11"};
        QTest::newRow("equal angle: Iu 1333.51796 is cut, not rounded")
            << QStringList{"Check1", "Check4"}
            << QStringList{"-499.809", "1333.517", "333.899", "8.059", "4.032", "45"}
            << QStringList{"-4998090.374", "13335179.603", "3338998.853", "80.595", "40.329", "45"}
            << QStringList{"0", "0", "0", "0.08", "0.04", "45"};
        QTest::newRow("channel, symmetric about X: u is X")
            << QStringList{} << QStringList{"0", "1878.72", "232.415", "8.286", "2.914", "0"}
            << QStringList{"0", "18787200", "2324150.804", "82.865", "29.145", "0"}
            << QStringList{"0", "0", "0", "0.082", "0.029", "0"};
    }
    void principalAxesInEachUnit()
    {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, centimetres);
        QFETCH(QStringList, millimetres);
        QFETCH(QStringList, metres);
        ui.perform(setup);
        ui.click("Command1");
        QCOMPARE(ui.texts(Principal), localNumbers(centimetres));
        ui.click("Option1");
        QCOMPARE(ui.texts(Principal), localNumbers(millimetres));
        ui.click("Option3");
        QCOMPARE(ui.texts(Principal), localNumbers(metres));
        QVERIFY(ui.services.messages.isEmpty());
    }

    void principalAxesAreDrawnThroughTheCentroid_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<double>("alpha");
        QTest::newRow("channel") << QStringList{} << 0.0;
        QTest::newRow("unequal angle") << QStringList{"Check1"} << 13.11;
        QTest::newRow("equal angle") << QStringList{"Check1", "Check4"} << 45.0;
        QTest::newRow("wide flat channel: u is Y")
            << QStringList{"Text3=5", "Text7=20", "Text6=0.5", "Text4=0.5"} << 90.0;
    }
    void principalAxesAreDrawnThroughTheCentroid()
    {
        QFETCH(QStringList, setup);
        QFETCH(double, alpha);
        const SectionSketch& sketch = ui.window().sketch();
        ui.perform(setup);
        for (const QString& name : PrincipalAxes)
            QVERIFY2(!sketch.isElementVisible(name), qPrintable(name)); // nothing computed yet
        ui.click("Command1");
        QVERIFY(ui.services.messages.isEmpty());
        for (const QString& name : PrincipalAxes)
            QVERIFY2(sketch.isElementVisible(name), qPrintable(name));
        const QLineF u = sketch.element("AxisU").line, v = sketch.element("AxisV").line;
        QVERIFY2(qAbs(drawnAngle(u) - alpha) < 1e-9, qPrintable(QString::number(drawnAngle(u))));
        QVERIFY(qAbs(std::remainder(drawnAngle(v) - alpha - 90, 180.0)) < 1e-9);
        const QPointF centroid(sketch.element("Line2").line.x1(),
                               sketch.element("Line1").line.y1());
        QVERIFY((u.center() - centroid).manhattanLength() < 1e-9);
        QVERIFY((v.center() - centroid).manhattanLength() < 1e-9);
        for (const char* axis : {"AxisU", "AxisV"}) {
            QCOMPARE(sketch.element(axis).penStyle, Qt::DashDotLine);
            QCOMPARE(sketch.element(axis).penWidth, 1);
        }
        QCOMPARE(sketch.element("LetterU").text, QString("u"));
        QCOMPARE(sketch.element("LetterV").text, QString("v"));
    }

    void unitSwitchClearsThePrincipalAxes()
    {
        ui.click("Check1");
        ui.click("Command1");
        const QString weight = ui.text("Label31");
        ui.type("Text7", "0.3"); // s over B2: the recalculation after the switch is refused
        ui.click("Option1");
        QCOMPARE(ui.services.messages, QStringList{"s должно быть меньше B2"});
        QCOMPARE(ui.texts(Principal), QStringList(Principal.size(), QString()));
        QCOMPARE(ui.text("UnitAlpha"), QString("°"));
        QCOMPARE(ui.text("Label31"), weight);
        for (const QString& name : PrincipalAxes)
            QVERIFY2(!ui.window().sketch().isElementVisible(name), qPrintable(name));

        ui.type("Text7", "90");
        ui.click("Command1"); // the axes come back with the results, α as it was
        QCOMPARE(ui.text("LabelAlpha"), local("13.11"));
        QVERIFY(ui.window().sketch().isElementVisible("AxisU"));
    }

    void aChangedShapeLosesItsPrincipalAxes_data()
    {
        QTest::addColumn<QStringList>("calculated"); // clicks before «Вычислить»
        QTest::addColumn<QString>("change");
        QTest::newRow("equal angle back to the channel")
            << QStringList{"Check1", "Check4"} << "Check1";
        QTest::newRow("the channel turned into an angle") << QStringList{} << "Check1";
        QTest::newRow("unequal legs") << QStringList{"Check1", "Check4"} << "Check4";
        QTest::newRow("legs of their own thickness") << QStringList{"Check1"} << "Check5";
        QTest::newRow("flanges of their own width") << QStringList{} << "Check3";
        QTest::newRow("flanges of their own thickness") << QStringList{} << "Check2";
    }
    void aChangedShapeLosesItsPrincipalAxes()
    {
        QFETCH(QStringList, calculated);
        QFETCH(QString, change);
        const SectionSketch& sketch = ui.window().sketch();
        ui.perform(calculated);
        ui.click("Command1");
        QVERIFY(sketch.isElementVisible("AxisU"));
        const QStringList shown = ui.texts(Principal);

        ui.click(change);
        for (const QString& name : PrincipalAxes)
            QVERIFY2(!sketch.isElementVisible(name), qPrintable(name));
        QCOMPARE(ui.texts(Principal), shown); // the results stay until the next calculation
        // a refused calculation shows no results of the new shape, so no axes either
        const QString height = ui.boxText("Text3");
        ui.type("Text3", "0");
        ui.click("Command1");
        QCOMPARE(ui.services.messages.size(), 1);
        ui.services.messages.clear();
        QVERIFY(!sketch.isElementVisible("AxisU"));
        ui.type("Text3", height);
        ui.click("Command1");
        for (const QString& name : PrincipalAxes)
            QVERIFY2(sketch.isElementVisible(name), qPrintable(name));
        const double alpha = ui.text("LabelAlpha").replace(',', '.').toDouble();
        QVERIFY(qAbs(drawnAngle(sketch.element("AxisU").line) - alpha) < 1e-9);
    }

    void sketchLetters_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("angleToolTip");
        QTest::newRow("B1") << "Label12"
                            << "B1"
                            << "Ширина полки"
                            << "Ширина полки";
        QTest::newRow("t1") << "Label7"
                            << "t1"
                            << "Толщина полки "
                            << "Толщина полки ";
        QTest::newRow("H") << "Label10"
                           << "H"
                           << "Высота стенки швеллера"
                           << "Ширина полки";
        QTest::newRow("s") << "Label11"
                           << "s"
                           << "Толщина стенки швеллера"
                           << "Толщина полки";
        QTest::newRow("B2") << "Label8"
                            << "B2"
                            << "Ширина полки"
                            << "Ширина полки";
        QTest::newRow("t2") << "Label9"
                            << "t2"
                            << "Толщина полки"
                            << "Толщина полки";
        QTest::newRow("Xc") << "Label50"
                            << "Xc"
                            << "Расстояние до центра тяжести в направлении оси Х"
                            << "Расстояние до центра тяжести в направлении оси Х";
        QTest::newRow("Yc") << "Label51"
                            << "Yc"
                            << "Расстояние до центра тяжести в направлении оси Y"
                            << "Расстояние до центра тяжести в направлении оси Y";
        QTest::newRow("X") << "Label5"
                           << "X"
                           << "Ось координат Х"
                           << "Ось координат Х";
        QTest::newRow("Y") << "Label6(0)"
                           << "Y"
                           << "Ось координат Y"
                           << "Ось координат Y";
    }
    void sketchLetters()
    {
        QFETCH(QString, letter);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(QString, angleToolTip);
        const SectionSketch& sketch = ui.window().sketch();
        QCOMPARE(sketch.element(letter).text, text);
        QCOMPARE(sketch.elementToolTip(letter), toolTip);
        QCOMPARE(sketch.toolTipAt(sketch.element(letter).bounds.center()), toolTip);
        ui.click("Check1");
        QCOMPARE(sketch.elementToolTip(letter), angleToolTip);
        ui.click("Check1");
        QCOMPARE(sketch.elementToolTip(letter), toolTip);
    }

    void calculatesTheDefaultChannel()
    {
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(DefaultChannel));
    }

    void angleSwitchTurnsTheChannelIntoAnAngle()
    {
        ui.click("Command1");
        ui.click("Check1");
        QCOMPARE(ui.window().windowTitle(), QString("Уголковое сечение"));
        QCOMPARE(boxes(), QStringList({"20", "0.52", "0", "9", "0", "0.52"}));
        for (const char* name : {"Text1", "Label2", "Label33", "Text2", "Label3", "Label34",
                                 "Text6", "Label52", "Label54"})
            QVERIFY2(!ui.enabled(name), name);
        QVERIFY(ui.ticked("Check5") && ui.enabled("Check5"));
        QVERIFY(!ui.ticked("Check4") && ui.enabled("Check4"));
        QVERIFY(!ui.ticked("Check3") && !ui.enabled("Check3"));
        QVERIFY(!ui.ticked("Check2") && !ui.enabled("Check2"));
        QCOMPARE(ui.control("Text3")->toolTip(), QString("Ширина полки"));
        QCOMPARE(ui.control("Text4")->toolTip(), QString("Толщина полки"));
        QCOMPARE(ui.focused(), QString("Text3"));
        QCOMPARE(results(), localNumbers(DefaultChannel)); // no recalculation, no clearing

        ui.click("Command1");
        QCOMPARE(results(), localNumbers(UnequalAngle));

        ui.click("Check4");
        QCOMPARE(ui.boxText("Text7"), QString("20"));
        for (const char* name : {"Text7", "Label53", "Label55"})
            QVERIFY2(!ui.enabled(name), name);
        QCOMPARE(ui.focused(), QString("Text3"));
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(EqualAngle));
        ui.type("Text3", "25");
        QCOMPARE(ui.boxText("Text7"), QString("25"));
        ui.type("Text3", "20");
        QVERIFY(ui.services.messages.isEmpty());
    }

    void backFromTheAngleTheFlangesAreTiedAgain()
    {
        ui.click("Check1");
        ui.click("Check4");
        ui.click("Check1");
        QCOMPARE(ui.window().windowTitle(), QString("C-образное сечение"));
        QVERIFY(ui.ticked("Check3") && ui.enabled("Check3"));
        QVERIFY(ui.ticked("Check2") && ui.enabled("Check2"));
        QVERIFY(!ui.ticked("Check4") && !ui.enabled("Check4"));
        QVERIFY(!ui.ticked("Check5") && !ui.enabled("Check5"));
        // the angle's legs are kept, and the tied flanges copy them
        QCOMPARE(boxes(), QStringList({"20", "0.52", "20", "20", "0.52", "0.52"}));
        // tied boxes stay disabled, so nothing typed into them is silently ignored
        for (const char* name : {"Text1", "Label2", "Label33", "Text2", "Label3", "Label34"})
            QVERIFY2(!ui.enabled(name), name);
        for (const char* name : {"Text7", "Label53", "Label55", "Text6", "Label52", "Label54"})
            QVERIFY2(ui.enabled(name), name);
        QCOMPARE(ui.control("Text3")->toolTip(), QString("Высота стенки швеллера"));
        QCOMPARE(ui.control("Text4")->toolTip(), QString("Толщина стенки швеллера"));
        QCOMPARE(ui.focused(), QString("Text3"));

        ui.click("Command1");
        QCOMPARE(results(), localNumbers({"30.659", "6.867", "10", "2269.064", "1328.1", "226.906",
                                          "226.906", "193.378", "101.133", "8.602", "6.581",
                                          "124.662", "89.675", "24.067"}));
        ui.type("Text7", "9");
        QCOMPARE(ui.boxText("Text1"), QString("9"));
    }

    void switchingBackRestoresTheChannelSketch()
    {
        const SketchSnapshot design = snapshot();
        ui.perform({"Check1", "Check4", "Check5", "Check1"});
        QVERIFY(snapshot() == design);
    }

    void unitSwitchRescalesEachBoxOnce_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("boxes"); // H, s, B1, B2, t1, t2
        QTest::addColumn<QString>("area");
        QTest::newRow("untied flange converts itself")
            << QStringList{"Check3", "Text1=12"} << "Option1"
            << QStringList{"200", "5.2", "120", "90", "10", "10"} << "3036";
        QTest::newRow("angle to mm: s and t2 alike, the zeros stay")
            << QStringList{"Check1"} << "Option1"
            << QStringList{"200", "5.2", "0", "90", "0", "5.2"} << "1480.96";
        QTest::newRow("equal angle to m")
            << QStringList{"Check1", "Check4"} << "Option3"
            << QStringList{"0.2", "0.0052", "0", "0.2", "0", "0.0052"} << "0.002";
    }
    void unitSwitchRescalesEachBoxOnce()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, option);
        QFETCH(QStringList, boxes);
        QFETCH(QString, area);
        ui.perform(setup);
        ui.click("Command1");
        const QString weight = ui.text("Label31");
        ui.click(option);
        QCOMPARE(this->boxes(), localNumbers(boxes));
        QCOMPARE(ui.text("Label28"), local(area));
        QCOMPARE(ui.text("Label31"), weight);
        QVERIFY(ui.services.messages.isEmpty());
    }

    void unitSwitchWithTheAngleGivesItsFiguresInMillimetres()
    {
        ui.click("Check1");
        ui.click("Command1");
        ui.click("Option1");
        QCOMPARE(results(),
                 localNumbers({"1480.96", "15.998", "70.998", "6405358.112", "893657.632",
                               "49653.506", "90217.739", "55857.524", "12076.271", "65.765",
                               "24.564", "43267.353", "14238.032", "11.625"}));
    }

    void checksInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("message");
        QTest::newRow("no B2") << QStringList{"Text7="} << WrongData;
        QTest::newRow("negative s") << QStringList{"Text4=-1"} << WrongData;
        QTest::newRow("s over both flanges")
            << QStringList{"Text4=10"} << "s должно быть меньше B1";
        QTest::newRow("s over B2 only")
            << QStringList{"Check3", "Text1=12", "Text4=10"} << "s должно быть меньше B2";
        QTest::newRow("H equal to t1 + t2")
            << QStringList{"Text3=2"} << "H должно быть больше t1+t2";
        QTest::newRow("angle of H equal to t2")
            << QStringList{"Check1", "Text3=0.52"} << "H должно быть больше t1+t2";
        QTest::newRow("negative t1") << QStringList{"Check2", "Text2=-1"} << WrongData;
        QTest::newRow("absurdly large") << QStringList{"Text3=1e300"} << WrongData;
    }
    void checksInTheirOrder()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        ui.verifyRefusedAfterCalculating(steps, message);
    }

    void sketchFollowsTheCheckBoxes_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QStringList>("moved");
        QTest::addColumn<QStringList>("hidden");
        // the switch also ties the legs' thicknesses, which the sketch shows as well
        QTest::newRow("to the angle")
            << QStringList{} << "Check1"
            << QStringList{"Line6",  "Line23", "Line5",  "Line11", "Line18",
                           "Line19", "Line28", "Line31", "Line52", "Label9"}
            << UpperFlange;
        QTest::newRow("equal legs")
            << QStringList{"Check1"} << "Check4"
            << QStringList{"Line3",  "Line4",  "Line5",  "Line6",  "Line11", "Line12", "Line16",
                           "Line20", "Line23", "Line24", "Line26", "Line50", "Label10"}
            << QStringList{};
        QTest::newRow("unequal leg thicknesses")
            << QStringList{"Check1"} << "Check5"
            << QStringList{"Line5",  "Line6",  "Line11", "Line18", "Line19",
                           "Line23", "Line28", "Line31", "Line52", "Label9"}
            << QStringList{};
        QTest::newRow("unequal flange widths")
            << QStringList{} << "Check3"
            << QStringList{"Line10", "Line15", "Line23", "Line27", "Line35", "Line40"}
            << QStringList{};
        QTest::newRow("flange thicknesses are not drawn")
            << QStringList{} << "Check2" << QStringList{} << QStringList{};
    }
    void sketchFollowsTheCheckBoxes()
    {
        verifySketchFollowsTheClick(ui, ChannelSketch({}), Outline, true);
    }

    void theAngleIsDrawnAsAnL()
    {
        ui.click("Check1");
        const SectionSketch& sketch = ui.window().sketch();
        const QLineF top = sketch.element("Line23").line;
        const QLineF inner = sketch.element("Line6").line;
        const QLineF outer = sketch.element("Line26").line;
        QCOMPARE(inner.p1(), top.p2());                  // the inner face reaches the top edge
        QCOMPARE(top.length(), inner.x1() - outer.x1()); // which is as long as the web is thick
    }

    void controlsStandInTheirColumnsAndRows()
    {
        // H, B1, t1 on the left and s, B2, t2 on the right, row by row
        for (const auto& [left, right] : {std::pair{"Text3", "Text4"}, std::pair{"Text1", "Text7"},
                                          std::pair{"Text2", "Text6"}}) {
            QCOMPARE(at(left).y(), at(right).y());
            QVERIFY(at(left).x() < at(right).x());
        }
        QVERIFY(at("Text3").y() < at("Text1").y() && at("Text1").y() < at("Text2").y());
        // X values, Y values, then area, centroid distances and weight
        for (const QStringList& row : {QStringList{"Label1", "Label16", "Label28"},
                                       QStringList{"Label24", "Label25", "Label66"},
                                       QStringList{"Label57", "Label60", "Label64"}}) {
            QCOMPARE(at(row[0]).y(), at(row[1]).y());
            QCOMPARE(at(row[1]).y(), at(row[2]).y());
            QVERIFY(at(row[0]).x() < at(row[1]).x() && at(row[1]).x() < at(row[2]).x());
        }
        QCOMPARE(at("Label31").x(), at("Label28").x());
        QVERIFY(at("Label31").y() > at("Label64").y());
        // the check boxes in one row below the precision list
        const QStringList checks = {"Check1", "Check4", "Check5", "Check3", "Check2"};
        for (qsizetype k = 1; k < checks.size(); ++k) {
            QCOMPARE(at(checks[k]).y(), at(checks[0]).y());
            QVERIFY(at(checks[k - 1]).x() < at(checks[k]).x());
        }
        QVERIFY(at("Check1").y() > at("Combo1").y());
    }

    void tabOrderFollowsTheRows()
    {
        const QStringList expected = {"Text3",    "Text4",       "Text1",   "Text7",  "Text2",
                                      "Text6",    "Check1",      "Check4",  "Check5", "Check3",
                                      "Check2",   "Combo1",      "Option2", "Text5",  "Command1",
                                      "Command3", "CommandCard", "Command2"};
        QCOMPARE(ui.tabStops("Text3", expected.size()), expected);
    }
};

QTEST_MAIN(Form8Test)
#include "tst_form8.moc"
