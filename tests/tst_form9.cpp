// The Z-section / angle calculator driven as a user would drive it. What it shares with the
// channel calculator is exercised there; this covers what is its own.
#include "flanged_sketch_support.h"
#include "form9.h"
#include "form_driver.h"

#include <QGroupBox>

namespace {

const QStringList Outline = {"Line23", "Line15", "Line27", "Line26",
                             "Line24", "Line11", "Line5",  "Line6"};

const QStringList DefaultZ = {"25.664",  "8.74",    "10",     "1739.811", "400.8",
                              "173.981", "173.981", "45.858", "45.858",   "8.233",
                              "3.951",   "98.885",  "35.02",  "20.146"};
// the angle of the channel calculator mirrored: Xc from the free end of the leg, the
// moduli about Y exchanged
const QStringList UnequalAngle = {"14.809", "7.4",    "7.099",  "640.535", "89.365",
                                  "49.653", "90.217", "12.076", "55.857",  "6.576",
                                  "2.456",  "43.267", "14.238", "11.625"};

} // namespace

class Form9Test : public QObject {
    Q_OBJECT

    FormDriver<Form9> ui;

    QStringList results() const { return ui.texts(Results); }
    QStringList boxes() const { return ui.boxTexts(Boxes); }

private slots:
    void init() { ui.open(); }
    void cleanup() { ui.close(); }

    void opensAsAZWithTiedFlanges()
    {
        QCOMPARE(ui.window().windowTitle(), QString("Z-образное сечение"));
        QCOMPARE(boxes(), QStringList({"20", "0.52", "9", "9", "0.9", "0.9"}));
        for (const char* name : {"Text1", "Label2", "Label33", "Text2", "Label3", "Label34"})
            QVERIFY2(!ui.enabled(name), name);
        QVERIFY(ui.ticked("Check3") && ui.ticked("Check2"));
        QVERIFY(!ui.enabled("Check4") && !ui.enabled("Check5"));
        QCOMPARE(ui.text("Label63"), QString("cм"));
        QCOMPARE(ui.text("Label17"),
                 QString("I - момент инерции;           W - момент сопротивления;   i - радиус "
                         "инерции;                  A - площадь сечения;       S - статический "
                         "момент полусечения;                           Хс - расстояние до "
                         "центра тяжести от оси Y;              Yc - расстояние до центра "
                         "тяжести от оси Х."));
        QVERIFY(outlineIsClosed(ui.window().sketch(), Outline));
    }

    void captionsAndToolTips_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("H") << "Text3"
                           << "H="
                           << "Высота двутавра";
        QTest::newRow("s") << "Text4"
                           << "s="
                           << "Толщина стенки двутавра";
        QTest::newRow("B1") << "Text1"
                            << "B1="
                            << "Ширина двутавра";
        QTest::newRow("B2") << "Text7"
                            << "B2="
                            << "Ширина двутавра";
        QTest::newRow("t1") << "Text2"
                            << "t1="
                            << "Толщина полки двутавра";
        QTest::newRow("t2") << "Text6"
                            << "t2="
                            << "Толщина полки двутавра";
        QTest::newRow("switch") << "Check1"
                                << "Z / L"
                                << "Переключатель - Z-сечение/Уголок";
        QTest::newRow("equal legs") << "Check4"
                                    << "B2=  H"
                                    << "Уголок равнополочный";
        QTest::newRow("print") << "Command3"
                               << "Принтер"
                               << "Вывод окна на принтер";
        QTest::newRow("Xc") << "Label64"
                            << ""
                            << "Расстояние до центра тяжести в направлении оси Х";
    }
    void captionsAndToolTips()
    {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QCOMPARE(ui.control(control)->toolTip(), toolTip);
        if (!caption.isEmpty())
            QCOMPARE(accessibleText(ui.control(control), QAccessible::Name), caption);
        // the angle leaves every tooltip as it is
        ui.click("Check1");
        QCOMPARE(ui.control(control)->toolTip(), toolTip);
    }

    void sketchLetters_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("B1") << "Label12"
                            << "B1"
                            << "Ширина двутавра";
        QTest::newRow("t1") << "Label7"
                            << "t1"
                            << "Толщина полки двутавра";
        QTest::newRow("H") << "Label10"
                           << "H"
                           << "Высота двутавра";
        QTest::newRow("s") << "Label11"
                           << "s"
                           << "Толщина стенки двутавра";
        QTest::newRow("B2") << "Label8"
                            << "B2"
                            << "Ширина двутавра";
        QTest::newRow("t2") << "Label9"
                            << "t2"
                            << "Толщина полки двутавра";
        QTest::newRow("Xc") << "Label50"
                            << "Xc"
                            << "";
        QTest::newRow("Yc") << "Label51"
                            << "Yc"
                            << "";
        QTest::newRow("X") << "Label5"
                           << "X"
                           << "Ось координат Х";
        QTest::newRow("Y") << "Label6(0)"
                           << "Y"
                           << "Ось координат Y";
    }
    void sketchLetters()
    {
        QFETCH(QString, letter);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        const SectionSketch& sketch = ui.window().sketch();
        QCOMPARE(sketch.element(letter).text, text);
        QCOMPARE(sketch.elementToolTip(letter), toolTip);
    }

    void calculatesTheDefaultZ()
    {
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(DefaultZ));
    }

    void principalAxesOfTheZAndItsAngle_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("principal"); // Ixy, Iu, Iv, iu, iv, α
        // x to the right, y up as drawn: the upper flange right of the web and the lower one
        // left of it lie where x·y > 0, so Ixy > 0 and u leans down from X
        QTest::newRow("default Z") << QStringList{} << QStringList{"655.97", "2007.608", "133.004",
                                                                   "8.844",  "2.276",    "-22.207"};
        // the channel calculator's angle mirrored: Ixy and α change sign
        QTest::newRow("angle with its leg to the left")
            << QStringList{"Check1"}
            << QStringList{"135.725", "672.145", "57.756", "6.736", "1.974", "-13.11"};
        QTest::newRow("equal angle")
            << QStringList{"Check1", "Check4"}
            << QStringList{"499.809", "1333.517", "333.899", "8.059", "4.032", "-45"};
    }
    void principalAxesOfTheZAndItsAngle()
    {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, principal);
        ui.perform(setup);
        ui.click("Command1");
        QCOMPARE(ui.texts({"LabelIxy", "LabelIu", "LabelIv", "LabelRadiusU", "LabelRadiusV",
                           "LabelAlpha"}),
                 localNumbers(principal));
        QCOMPARE(ui.control<QGroupBox>("FramePrincipalAxes")->title(), QString("Главные оси"));
        const SectionSketch& sketch = ui.window().sketch();
        QVERIFY(sketch.isElementVisible("AxisU") && sketch.isElementVisible("AxisV"));
        QVERIFY(qAbs(drawnAngle(sketch.element("AxisU").line) - principal.last().toDouble()) <
                1e-9);
    }

    void angleAndBackFreesTheUpperFlange()
    {
        ui.click("Check1");
        QCOMPARE(ui.window().windowTitle(), QString("Уголковое сечение"));
        QCOMPARE(boxes(), QStringList({"20", "0.52", "0", "9", "0", "0.52"}));
        QVERIFY(!ui.enabled("Text6") && !ui.enabled("Text1") && !ui.enabled("Text2"));
        QVERIFY(ui.ticked("Check5") && !ui.ticked("Check4") && ui.enabled("Check4"));
        QVERIFY(!ui.enabled("Check3") && !ui.enabled("Check2"));
        QCOMPARE(ui.focused(), QString("Text3"));
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(UnequalAngle));

        ui.click("Check1");
        QCOMPARE(ui.window().windowTitle(), QString("Z-образное сечение"));
        QVERIFY(!ui.ticked("Check5") && !ui.enabled("Check5"));
        QVERIFY(!ui.ticked("Check3") && ui.enabled("Check3"));
        QVERIFY(!ui.ticked("Check2") && ui.enabled("Check2"));
        QCOMPARE(boxes(), QStringList({"20", "0.52", "9", "9", "0.52", "0.52"}));
        for (const char* name : {"Text1", "Label2", "Label33", "Text2", "Label3", "Label34",
                                 "Text6", "Label52", "Label54"})
            QVERIFY2(ui.enabled(name), name);
        QCOMPARE(ui.focused(), QString("Text3"));
        ui.click("Command1");
        QCOMPARE(results(), localNumbers({"19.219", "8.74", "10", "1183.521", "231.672", "118.352",
                                          "118.352", "26.507", "26.507", "7.847", "3.471", "68.949",
                                          "20.519", "15.087"}));
        ui.type("Text7", "12"); // no longer followed
        QCOMPARE(ui.boxText("Text1"), QString("9"));

        ui.click("Check3"); // tied again: a copy at once, and on every change
        QCOMPARE(ui.boxText("Text1"), QString("12"));
        QVERIFY(!ui.enabled("Text1"));
        QCOMPARE(ui.focused(), QString("Text7"));
        ui.type("Text7", "10");
        QCOMPARE(ui.boxText("Text1"), QString("10"));
    }

    void equalLegAngleOpensToTheLeft()
    {
        ui.click("Check1");
        ui.click("Check4");
        ui.click("Command1");
        QCOMPARE(results(), localNumbers({"20.529", "14.805", "5.194", "833.708", "833.708",
                                          "56.309", "160.509", "56.309", "160.509", "6.372",
                                          "6.372", "56.995", "56.995", "16.115"}));
    }

    void checksAreThoseOfTheChannel()
    {
        ui.type("Text4", "10");
        ui.click("Command1");
        QCOMPARE(ui.services.messages, QStringList{"s должно быть меньше B1"});
        QCOMPARE(results(), QStringList(Results.size(), QString()));
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
            << QStringList{"Line23", "Line26", "Line5",  "Line6",  "Line11",
                           "Line28", "Line29", "Line31", "Line50", "Label9"}
            << UpperFlange;
        QTest::newRow("equal legs")
            << QStringList{"Check1"} << "Check4"
            << QStringList{"Line3", "Line4", "Line6", "Line20", "Line23", "Line26", "Label10"}
            << QStringList{};
        QTest::newRow("unequal leg thicknesses")
            << QStringList{"Check1"} << "Check5"
            << QStringList{"Line5",  "Line6",  "Line11", "Line28",
                           "Line29", "Line31", "Line50", "Label9"}
            << QStringList{};
        QTest::newRow("unequal flange widths")
            << QStringList{} << "Check3"
            << QStringList{"Line10", "Line15", "Line23", "Line27", "Line32", "Line33", "Line34",
                           "Line35", "Line36", "Line40", "Line53", "Label7", "Label12"}
            << QStringList{};
        QTest::newRow("flange thicknesses are not drawn")
            << QStringList{} << "Check2" << QStringList{} << QStringList{};
    }
    void sketchFollowsTheCheckBoxes()
    {
        // back from the angle the Z keeps its flanges untied, and draws them so
        verifySketchFollowsTheClick(ui, ZSectionSketch({}), Outline, false);
    }

    void theAngleIsAnLWithItsLegToTheLeft()
    {
        ui.click("Check1");
        const SectionSketch& sketch = ui.window().sketch();
        const QLineF top = sketch.element("Line23").line;
        const QLineF right = sketch.element("Line26").line;
        const QLineF left = sketch.element("Line6").line;
        QCOMPARE(right.p1(), top.p2()); // the right face of the web reaches the top edge
        QCOMPARE(top.length(), right.x1() - left.x1());
        QVERIFY(sketch.element("Line11").line.x1() < left.x1()); // the leg's end
    }
};

QTEST_MAIN(Form9Test)
#include "tst_form9.moc"
