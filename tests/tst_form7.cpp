// The I-section / T-section calculator driven as a user would drive it: the T/I switch,
// the flange ties with their chained handlers, the sketch and the unit switch.
#include "form7.h"
#include "form_driver.h"
#include "section_sketch.h"

namespace {

// A, Yc, Ix, Iy, Wx, Wy, ix, iy, Sx, Sy, weight.
const QStringList ResultNames = {"Label28", "Label51", "Label1",  "Label16", "Label24", "Label25",
                                 "Label26", "Label27", "Label44", "Label45", "Label31"};

const QStringList DesignI = {"37.5",  "9.65",  "2555.071", "506.565", "264.774", "67.542",
                             "8.254", "3.675", "147.168",  "51.412",  "29.437"};
const QStringList DesignT = {"24.54", "4.791", "877.951", "253.456", "60.512", "33.794",
                             "5.981", "3.213", "63.15",   "26.14",   "19.263"};

} // namespace

class Form7Test : public QObject {
    Q_OBJECT

    FormDriver<Form7> ui;

    QStringList results() const { return ui.texts(ResultNames); }
    QLineF line(const QString& element) const { return ui.window().sketch().element(element).line; }

private slots:
    void init() { ui.open(); }
    void cleanup() { ui.close(); }

    void opensAsTheTiedISection()
    {
        QCOMPARE(ui.window().windowTitle(), QString("Двутавровое сечение"));
        const QStringList boxes = {"Text7", "Text9", "Text8", "Text3", "Text1", "Text2", "Text5"};
        const QStringList texts = {"19.3", "15", "0.9", "0.6", "15", "0.9", "7850"};
        for (int k = 0; k < boxes.size(); ++k)
            QCOMPARE(ui.boxText(boxes[k]), texts[k]);
        QVERIFY(!ui.ticked("Check1"));
        QVERIFY(ui.ticked("Check2") && ui.ticked("Check3"));
        for (const char* flange2 : {"Text1", "Text2", "Label2", "Label3", "Label33", "Label34"})
            QVERIFY2(!ui.enabled(flange2), flange2);
        for (const char* other : {"Text7", "Text9", "Text8", "Text3", "Check1", "Check2", "Check3"})
            QVERIFY2(ui.enabled(other), other);
        QCOMPARE(ui.text("Label17"),
                 QString("I - момент инерции;         W - момент сопротивления;    "
                         "i - радиус инерции;            A - площадь сечения;             "
                         "S - статический момент полусечения;                          "
                         "Yc - расстояние до центра тяжести."));
    }

    void controlsCarryTheirCaptionsAndToolTips_data()
    {
        addCaptionColumns();
        QTest::newRow("H") << "Label59"
                           << "H="
                           << "";
        QTest::newRow("H box") << "Text7"
                               << "19.3"
                               << "Высота сечения";
        QTest::newRow("B1") << "Label61"
                            << "B1="
                            << "";
        QTest::newRow("B1 box") << "Text9"
                                << "15"
                                << "Ширина полки";
        QTest::newRow("tf1") << "Label60"
                             << "tf1="
                             << "";
        QTest::newRow("tf1 box") << "Text8"
                                 << "0.9"
                                 << "Толщина полки";
        QTest::newRow("tw") << "Label13"
                            << "tw="
                            << "";
        QTest::newRow("tw box, with its trailing blank") << "Text3"
                                                         << "0.6"
                                                         << "Толщина стенки ";
        QTest::newRow("B2") << "Label2"
                            << "B2="
                            << "";
        QTest::newRow("B2 box") << "Text1"
                                << "15"
                                << "Ширина полки";
        QTest::newRow("tf2") << "Label3"
                             << "tf2="
                             << "";
        QTest::newRow("tf2 box") << "Text2"
                                 << "0.9"
                                 << "Толщина полки";
        QTest::newRow("T/I switch") << "Check1"
                                    << "Тавр\\Двутавр"
                                    << "Переключатель - Тавр/Двутавр";
        QTest::newRow("B2 tie") << "Check2"
                                << "B2= B1"
                                << "Ширина полок одинакова";
        QTest::newRow("tf2 tie") << "Check3"
                                 << "tf2= tf1"
                                 << "Толщина полок одинакова";
        QTest::newRow("Ix caption") << "Label4"
                                    << "Ix="
                                    << "";
        QTest::newRow("Yc caption") << "Label52"
                                    << "Yc="
                                    << "";
    }
    void controlsCarryTheirCaptionsAndToolTips() { ui.verifyCaption(); }

    void sketchLettersCarryTheirToolTips_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("H") << "Label10"
                           << "H"
                           << "Высота сечения";
        QTest::newRow("B2") << "Label12"
                            << "B2"
                            << "Ширина полки";
        QTest::newRow("tf2") << "Label7"
                             << "tf2"
                             << "Толщина полки";
        QTest::newRow("B1") << "Label8"
                            << "B1"
                            << "Ширина полки";
        QTest::newRow("tf1") << "Label9"
                             << "tf1"
                             << "Толщина полки";
        QTest::newRow("tw, without the blank") << "Label11"
                                               << "tw"
                                               << "Толщина стенки";
        QTest::newRow("Yc") << "Label53"
                            << "Yc"
                            << "Расстояние до центра тяжести";
    }
    void sketchLettersCarryTheirToolTips()
    {
        QFETCH(QString, letter);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        const SketchElement& element = ui.window().sketch().element(letter);
        QCOMPARE(element.text, text);
        QCOMPARE(ui.window().sketch().toolTipAt(element.bounds.center()), toolTip);
    }

    void calculatesTheDefaultSections()
    {
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(DesignI));
        QCOMPARE(ui.window().unitFactor(), 10);
        ui.click("Check1");
        QCOMPARE(results(), localNumbers(DesignI)); // the switch neither clears nor recalculates
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(DesignT));
        QVERIFY(ui.services.messages.isEmpty());
    }

    void releasedFlange2TakesItsOwnDimensions_data()
    {
        QTest::addColumn<QString>("tie");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("narrower flange 2")
            << "Check2"
            << "Text1"
            << "12" << QStringList{"34.8",  "8.936", "2308.63", "383.04", "222.759", "51.072",
                                   "8.144", "3.317", "133.937", "42.3",   "27.318"};
        QTest::newRow("thicker flange 2")
            << "Check3"
            << "Text2"
            << "1.2" << QStringList{"41.82", "10.538", "2841.605", "590.934", "269.643", "78.791",
                                    "8.243", "3.759",  "164.062",  "59.836",  "32.828"};
        // only B1 is compared with the web
        QTest::newRow("flange 2 narrower than the web")
            << "Check2"
            << "Text1"
            << "0.4" << QStringList{"24.36", "4.687", "842.1",  "253.444", "57.628", "33.792",
                                    "5.879", "3.225", "61.508", "26.118",  "19.122"};
    }
    void releasedFlange2TakesItsOwnDimensions()
    {
        QFETCH(QString, tie);
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QStringList, expected);
        ui.click(tie);
        ui.type(box, local(value));
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(expected));
        QVERIFY(ui.services.messages.isEmpty());
    }

    void checksInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("typed"); // box, text, box, text, …
        QTest::addColumn<QStringList>("released");
        QTest::addColumn<QString>("message");
        const QString flanges = "Сумма tf1+tf2 должна быть меньше H";
        const QString web = "Толщина стенки tw должна быть меньше B1";
        QTest::newRow("empty B1, the others failing too")
            << QStringList{"Text9", "", "Text7", "1"} << QStringList() << WrongData;
        QTest::newRow("no web") << QStringList{"Text3", "0"} << QStringList() << WrongData;
        QTest::newRow("text for H") << QStringList{"Text7", "высота"} << QStringList() << WrongData;
        QTest::newRow("negative tf1") << QStringList{"Text8", "-0.9"} << QStringList() << WrongData;
        QTest::newRow("flanges exactly as high as H")
            << QStringList{"Text7", "1.8"} << QStringList() << flanges;
        QTest::newRow("web exactly as wide as B1")
            << QStringList{"Text3", "15"} << QStringList() << web;
        QTest::newRow("flanges before web")
            << QStringList{"Text7", "1.8", "Text3", "20"} << QStringList() << flanges;
        QTest::newRow("T-section flange as high as H")
            << QStringList{"Text7", "0.9"} << QStringList{"Check1"} << flanges;
        QTest::newRow("negative released B2")
            << QStringList{"Text1", "-15"} << QStringList{"Check2"} << WrongData;
        QTest::newRow("negative released tf2")
            << QStringList{"Text2", "-0.9"} << QStringList{"Check3"} << WrongData;
        QTest::newRow("absurdly large")
            << QStringList{"Text7", "1e200"} << QStringList() << WrongData;
    }
    void checksInTheirOrder()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, released);
        QFETCH(QString, message);
        QStringList steps = released;
        for (qsizetype k = 0; k < typed.size(); k += 2)
            steps << typed[k] + "=" + local(typed[k + 1]);
        ui.verifyRefusedAfterCalculating(steps, message);
    }

    void tiedFlange2FollowsFlange1()
    {
        ui.type("Text9", "20");
        ui.type("Text8", "1.1");
        QCOMPARE(ui.boxText("Text1"), QString("20"));
        QCOMPARE(ui.boxText("Text2"), QString("1.1"));
    }

    void teeAfterReleasingTheTiesTiesThemAgain()
    {
        ui.click("Check2");
        ui.click("Check3");
        ui.type("Text1", "12");
        ui.type("Text2", "1.2");
        ui.click("Check1");
        QCOMPARE(ui.window().windowTitle(), QString("Тавровое сечение"));
        QVERIFY(ui.ticked("Check2") && ui.ticked("Check3"));
        QVERIFY(!ui.enabled("Check2") && !ui.enabled("Check3"));
        // the ties copied flange 1 first, then the T-section zeroed flange 2
        QCOMPARE(ui.boxText("Text1"), QString("0"));
        QCOMPARE(ui.boxText("Text2"), QString("0"));
        for (const char* flange2 : {"Text1", "Text2", "Label2", "Label3", "Label33", "Label34"})
            QVERIFY2(!ui.enabled(flange2), flange2);
        QCOMPARE(ui.focused(), QString("Text7"));
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(DesignT));
    }

    void teeStillCopiesFlange1AndIReturnsTied()
    {
        ui.click("Check1");
        ui.type("Text9", "16");
        ui.type("Text8", "1");
        QCOMPARE(ui.boxText("Text1"), QString("16"));
        QCOMPARE(ui.boxText("Text2"), QString("1"));
        ui.type("Text9", "15");
        ui.type("Text8", "0.9");
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(DesignT)); // the copies are not read for the T-section

        ui.click("Check1");
        QCOMPARE(ui.window().windowTitle(), QString("Двутавровое сечение"));
        QVERIFY(ui.ticked("Check2") && ui.ticked("Check3"));
        QVERIFY(ui.enabled("Check2") && ui.enabled("Check3"));
        QCOMPARE(ui.boxText("Text1"), QString("15"));
        QCOMPARE(ui.boxText("Text2"), QString("0.9"));
        for (const char* flange2 : {"Text1", "Text2", "Label2", "Label3", "Label33", "Label34"})
            QVERIFY2(!ui.enabled(flange2), flange2);
        QCOMPARE(ui.focused(), QString("Text7"));
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(DesignI));
    }

    void sketchFollowsTheCheckBoxes_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("flange2Shown");
        QTest::addColumn<double>("topWidth");           // top edge, px
        QTest::addColumn<double>("flange1Thickness");   // px
        QTest::addColumn<double>("webTop");             // y of the web faces' upper ends
        QTest::addColumn<double>("heightExtensionEnd"); // where the top extension line starts
        QTest::newRow("tied I-section") << QStringList() << true << 120.0 << 12.0 << 62.0 << 58.0;
        QTest::newRow("B2 released")
            << QStringList{"Check2"} << true << 70.0 << 12.0 << 62.0 << 83.0;
        QTest::newRow("tf2 released")
            << QStringList{"Check3"} << true << 120.0 << 20.0 << 62.0 << 58.0;
        QTest::newRow("both released")
            << QStringList{"Check2", "Check3"} << true << 70.0 << 20.0 << 62.0 << 83.0;
        QTest::newRow("ties applied again") << QStringList{"Check2", "Check3", "Check2", "Check3"}
                                            << true << 120.0 << 12.0 << 62.0 << 58.0;
        QTest::newRow("T-section")
            << QStringList{"Check1"} << false << 12.0 << 12.0 << 50.0 << 112.0;
        QTest::newRow("T-section after releasing both")
            << QStringList{"Check2", "Check3", "Check1"} << false << 12.0 << 12.0 << 50.0 << 112.0;
        QTest::newRow("back to the I-section")
            << QStringList{"Check2", "Check3", "Check1", "Check1"} << true << 120.0 << 12.0 << 62.0
            << 58.0;
    }
    void sketchFollowsTheCheckBoxes()
    {
        QFETCH(QStringList, clicks);
        QFETCH(bool, flange2Shown);
        QFETCH(double, topWidth);
        QFETCH(double, flange1Thickness);
        QFETCH(double, webTop);
        QFETCH(double, heightExtensionEnd);
        for (const QString& check : clicks)
            ui.click(check);
        const SectionSketch& sketch = ui.window().sketch();
        for (const char* element :
             {"Line14", "Line15", "Line27", "Line32", "Line33", "Line34", "Line35", "Line36",
              "Line39", "Line40", "Line41", "Line42", "Label7", "Label12"})
            QVERIFY2(sketch.isElementVisible(element) == flange2Shown, element);
        for (const char* element :
             {"Line23", "Line26", "Line6", "Line4", "Line5", "Line24", "Line1", "Line2", "Label5",
              "Label6(0)", "Label10", "Label8", "Label9", "Label11", "Label53", "Line45"})
            QVERIFY2(sketch.isElementVisible(element), element);

        QCOMPARE(line("Line23").length(), topWidth);
        QCOMPARE(line("Line23").center().x(), line("Line2").x1()); // centred on the web
        if (flange2Shown) {
            QCOMPARE(line("Line27").length(), topWidth);
            QCOMPARE(line("Line42").length(), topWidth); // the B2 dimension follows
            QCOMPARE(line("Line14").x1(), line("Line23").x1());
            QCOMPARE(line("Line15").x1(), line("Line23").x2());
        }
        QCOMPARE(line("Line10").length(), flange1Thickness);
        QCOMPARE(line("Line11").length(), flange1Thickness);
        const double bottom = line("Line5").y1() + flange1Thickness;
        QCOMPARE(line("Line24").y1(), bottom);
        QCOMPARE(line("Line7").y1(), bottom); // H ends at the bottom edge
        QCOMPARE(std::max(line("Line3").y1(), line("Line3").y2()), bottom);
        QCOMPARE(line("Line44").y1(), bottom); // Yc too
        QCOMPARE(std::max(line("Line45").y1(), line("Line45").y2()), bottom);
        const double below = flange1Thickness - 12; // the letters under flange 1 follow it
        QCOMPARE(sketch.element("Label8").bounds.top(), 188 + below);
        QCOMPARE(sketch.element("Label9").bounds.top(), 166 + below);
        QCOMPARE(std::min(line("Line26").y1(), line("Line26").y2()), webTop);
        QCOMPARE(std::min(line("Line6").y1(), line("Line6").y2()), webTop);
        QCOMPARE(std::max(line("Line4").x1(), line("Line4").x2()), heightExtensionEnd);
    }

    void unitSwitchConvertsAReleasedFlange2ItsOwnWay()
    {
        ui.click("Check2");
        ui.type("Text1", "12");
        ui.click("Command1");
        ui.click("Option1");
        QCOMPARE(ui.boxText("Text1"), QString("120"));
        QCOMPARE(ui.boxText("Text9"), QString("150"));
        QCOMPARE(ui.boxText("Text2"), QString("9"));
    }

    void unitSwitchInTheTSectionCopiesFlange1()
    {
        ui.click("Check1");
        ui.click("Command1");
        ui.click("Option1");
        // the ties stay ticked for the T-section, so the converted flange 1 is copied
        QCOMPARE(ui.boxText("Text1"), QString("150"));
        QCOMPARE(ui.boxText("Text2"), QString("9"));
        QCOMPARE(ui.text("Label51"), local("47.913"));
        QCOMPARE(ui.text("Label24"), local("60512.187")); // at the stem's tip
    }

    void controlsAreNamedForAssistiveTechnology()
    {
        QCOMPARE(accessibleText(ui.control("Text7"), QAccessible::Name), QString("H="));
        QCOMPARE(accessibleText(ui.control("Text7"), QAccessible::Description),
                 QString("Высота сечения"));
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Name), QString("B2="));
        QCOMPARE(accessibleText(ui.control("Check1"), QAccessible::Name), QString("Тавр\\Двутавр"));
        QCOMPARE(accessibleText(ui.control("Check3"), QAccessible::Name), QString("tf2= tf1"));
        QCOMPARE(accessibleText(ui.control("Label51"), QAccessible::Description),
                 QString("Yc= Расстояние до центра тяжести"));
    }

    void tabOrderFollowsTheForm()
    {
        ui.click("Check2"); // Text1 takes part only while released
        const QStringList expected = {"Text7",  "Text9",    "Text8",    "Text3",   "Text1",
                                      "Check1", "Check2",   "Check3",   "Combo1",  "Option2",
                                      "Text5",  "Command1", "Command3", "Command2"};
        QCOMPARE(ui.tabStops("Text7", expected.size(), true), expected);
    }
};

QTEST_MAIN(Form7Test)
#include "tst_form7.moc"
