// The rectangular / square tube calculator driven as a user would drive it.
#include "form1.h"
#include "form_driver.h"
#include "section_sketch.h"

namespace {
// Ix, Iy, Wx, Wy, A, ix, iy, Sx, Sy, weight
const QStringList Results = {"Label1",  "Label16", "Label24", "Label25", "Label28",
                             "Label26", "Label27", "Label44", "Label45", "Label31"};
const QStringList Defaults = {"248.833", "93.833", "45.242", "31.277", "16",
                              "3.943",   "2.421",  "28.25",  "18.25",  "12.56"};
const QStringList DefaultsInMillimetres = {"2488333.333", "938333.333", "45242.424", "31277.777",
                                           "1600",        "39.436",     "24.216",    "28250",
                                           "18250",       "12.56"};
const QString WrongData = "Введены ошибочные данные";
const QString AboutX = " относительно \u0425"; // the Cyrillic Х
} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    FormDriver<Form1> ui;

    QStringList results() const { return ui.texts(Results); }
    QStringList boxTexts(const QStringList& boxes) const
    {
        QStringList texts;
        for (const QString& box : boxes)
            texts << ui.boxText(box);
        return texts;
    }
    // Sets the two ties as the row says, by clicking where they differ from the design.
    void tie(bool equalWalls, bool squareOpening)
    {
        if (!equalWalls)
            ui.click("Check1");
        if (squareOpening)
            ui.click("Check2");
    }

private slots:
    void init() { ui.open(); }
    void cleanup() { ui.close(); }

    void loadsWithItsDesignValues()
    {
        QCOMPARE(ui.window().windowTitle(), QString("Коробчатое сечение"));
        QCOMPARE(boxTexts({"Text1", "Text2", "Text3", "Text4", "Text5"}),
                 QStringList({"6", "0.5", "11", "0.5", "7850"}));
        auto* precision = ui.control<QComboBox>("Combo1");
        QCOMPARE(precision->currentText(), QString("1000"));
        QCOMPARE(precision->count(), 8);
        QCOMPARE(precision->itemText(7), QString("100000000"));
        QVERIFY(ui.control<QRadioButton>("Option2")->isChecked());
        QVERIFY(ui.ticked("Check1"));
        QVERIFY(!ui.ticked("Check2"));
        for (const char* tied : {"Text4", "Label14", "Label35"})
            QVERIFY2(!ui.enabled(tied), tied);
        for (const char* free : {"Text1", "Label2", "Text2", "Text3", "Label13", "Label34"})
            QVERIFY2(ui.enabled(free), free);
        QCOMPARE(results(), QStringList(10, QString()));
        QCOMPARE(ui.window().unitFactor(), 0);
    }

    void showsItsCaptionsAndToolTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("B") << "Label2"
                           << "B="
                           << "";
        QTest::newRow("b") << "Label3"
                           << "b="
                           << "";
        QTest::newRow("H") << "Label13"
                           << "H="
                           << "";
        QTest::newRow("h") << "Label14"
                           << "h="
                           << "";
        QTest::newRow("H box") << "Text3"
                               << "11"
                               << "Внутренняя высота прямоугольника";
        QTest::newRow("h box") << "Text4"
                               << "0.5"
                               << "Толщина горизонтальных стенок";
        for (const char* unit : {"Label32", "Label33", "Label34", "Label35", "Label40", "Label41"})
            QTest::newRow(unit) << unit << "см"
                                << "";
        QTest::newRow("equal walls") << "Check1"
                                     << "h= b"
                                     << "Толщина стенок одинакова";
        QTest::newRow("square opening") << "Check2"
                                        << "H= B"
                                        << "Высота равна ширине (квадрат)";
        QTest::newRow("Ix") << "Label4"
                            << "Ix="
                            << "";
        QTest::newRow("Sy") << "Label49"
                            << "Sy="
                            << "";
        QTest::newRow("I unit") << "Label36"
                                << "см4"
                                << "";
        QTest::newRow("W unit") << "Label39"
                                << "см3"
                                << "";
        QTest::newRow("A unit") << "Label42"
                                << "см2"
                                << "";
        // the static moments' units start with a Latin "c"
        QTest::newRow("Sx unit") << "Label47"
                                 << "c\u043c3"
                                 << "";
        QTest::newRow("Sy unit") << "Label48"
                                 << "c\u043c3"
                                 << "";
        QTest::newRow("Ix result") << "Label1"
                                   << ""
                                   << "Момент инерции относительно оси \u0425";
        QTest::newRow("Iy result") << "Label16"
                                   << ""
                                   << "Момент инерции относительно оси Y";
        QTest::newRow("Wx result") << "Label24"
                                   << ""
                                   << "Момент сопротивления" + AboutX;
        QTest::newRow("Wy result") << "Label25"
                                   << ""
                                   << "Момент сопротивления относительно Y";
        QTest::newRow("ix result") << "Label26"
                                   << ""
                                   << "Радиус инерции" + AboutX;
        QTest::newRow("iy result") << "Label27"
                                   << ""
                                   << "Радиус инерции относительно Y";
        QTest::newRow("A result") << "Label28"
                                  << ""
                                  << "Площадь сечения";
        QTest::newRow("Sx result") << "Label44"
                                   << ""
                                   << "Статический момент относительно оси \u0425";
        QTest::newRow("Sy result") << "Label45"
                                   << ""
                                   << "Статический момент относительно оси Y";
        QTest::newRow("weight") << "Label31"
                                << ""
                                << "Вес в кг/м. п.";
        QTest::newRow("legend") << "Label17"
                                << "I - момент инерции;        W - момент сопротивления;     "
                                   "i - радиус инерции;           A - площадь сечения;       "
                                   "       S - статический момент полусечения."
                                << "";
    }
    void showsItsCaptionsAndToolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QWidget* control = ui.control(name);
        if (auto* box = qobject_cast<QLineEdit*>(control))
            QCOMPARE(box->text(), text);
        else if (auto* check = qobject_cast<QCheckBox*>(control))
            QCOMPARE(check->text(), text);
        else
            QCOMPARE(ui.text(name), text);
        QCOMPARE(control->toolTip(), toolTip);
    }

    void tiesChangeTheHints_data()
    {
        QTest::addColumn<bool>("equalWalls");
        QTest::addColumn<bool>("squareOpening");
        QTest::addColumn<QString>("vertical");   // Text2, the letters b
        QTest::addColumn<QString>("horizontal"); // the letters h
        QTest::addColumn<QString>("width");      // Text1, the letter B
        QTest::addColumn<QString>("height");     // the letter H
        const QString wall = "Толщина стенки", side = "Внутренняя сторона квадрата";
        const QString width = "Внутрення ширина прямоугольника"; // sic
        const QString height = "Внутрення высота прямоугольника";
        QTest::newRow("as loaded") << true << false << wall << wall << width << height;
        QTest::newRow("walls free") << false << false << "Толщина вертикальных стенок"
                                    << "Толщина горизонтальных стенок" << width << height;
        QTest::newRow("square opening") << true << true << wall << wall << side << side;
        QTest::newRow("square opening, walls free")
            << false << true << "Толщина вертикальных стенок"
            << "Толщина горизонтальных стенок" << side << side;
    }
    void tiesChangeTheHints()
    {
        QFETCH(bool, equalWalls);
        QFETCH(bool, squareOpening);
        QFETCH(QString, vertical);
        QFETCH(QString, horizontal);
        QFETCH(QString, width);
        QFETCH(QString, height);
        tie(equalWalls, squareOpening);
        const SectionSketch& sketch = ui.window().sketch();
        QCOMPARE(ui.control("Text2")->toolTip(), vertical);
        QCOMPARE(accessibleText(ui.control("Text2"), QAccessible::Description), vertical);
        for (const char* b : {"Label7(0)", "Label9"})
            QCOMPARE(sketch.elementToolTip(b), vertical);
        for (const char* h : {"Label11", "Label12"})
            QCOMPARE(sketch.elementToolTip(h), horizontal);
        QCOMPARE(ui.control("Text1")->toolTip(), width);
        QCOMPARE(sketch.toolTipAt(sketch.element("Label8").bounds.center()), width);
        QCOMPARE(sketch.elementToolTip("Label10"), height);
        // these never change
        QCOMPARE(ui.control("Text3")->toolTip(), QString("Внутренняя высота прямоугольника"));
        QCOMPARE(ui.control("Text4")->toolTip(), QString("Толщина горизонтальных стенок"));
    }

    void calculatesTheDefaultTube()
    {
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(Defaults));
        QCOMPARE(ui.window().unitFactor(), 10);
        QVERIFY(ui.services.messages.isEmpty());
    }

    void calculatesTheVariants_data()
    {
        QTest::addColumn<bool>("equalWalls");
        QTest::addColumn<bool>("squareOpening");
        QTest::addColumn<QString>("H");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("square opening")
            << true << true << ""
            << "" << QStringList{"55.916", "55.916", "18.638", "18.638", "11",
                                 "2.254",  "2.254",  "11.375", "11.375", "8.635"};
        QTest::newRow("H = 10") << true << false << "10"
                                << ""
                                << QStringList{"196.25", "86.25", "39.25",  "28.75",  "15",
                                               "3.617",  "2.397", "24.375", "16.875", "11.775"};
        // the opening is squared, not the outline: 6 x 7 with h = 1
        QTest::newRow("square opening, h = 1")
            << false << true << ""
            << "1" << QStringList{"119.416", "73.916", "34.119", "24.638", "17",
                                  "2.65",    "2.085",  "21.125", "15.875", "13.345"};
    }
    void calculatesTheVariants()
    {
        QFETCH(bool, equalWalls);
        QFETCH(bool, squareOpening);
        QFETCH(QString, H);
        QFETCH(QString, h);
        QFETCH(QStringList, expected);
        tie(equalWalls, squareOpening);
        if (!H.isEmpty())
            ui.type("Text3", H);
        if (!h.isEmpty())
            ui.type("Text4", h);
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(expected));
    }

    void refusedInputsChangeNoLabel_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("equalWalls");
        QTest::newRow("no inner width") << "Text2"
                                        << "3" << true;
        QTest::newRow("empty b") << "Text2"
                                 << "" << true;
        QTest::newRow("negative b") << "Text2"
                                    << "-0.5" << true;
        QTest::newRow("B not a number") << "Text1"
                                        << "ширина" << true;
        QTest::newRow("no inner height") << "Text3"
                                         << "1" << true;
        QTest::newRow("H not a number") << "Text3"
                                        << "abc" << true;
        QTest::newRow("free h zero") << "Text4"
                                     << "0" << false;
        QTest::newRow("absurdly large") << "Text1"
                                        << "1e300" << true;
    }
    void refusedInputsChangeNoLabel()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(bool, equalWalls);
        ui.click("Command1");
        tie(equalWalls, false);
        ui.type(box, text);
        ui.click("Command1");
        QCOMPARE(ui.services.messages, QStringList{WrongData});
        QCOMPARE(results(), localNumbers(Defaults));
    }

    void equalWallsTieCopiesAndReleases()
    {
        ui.type("Text2", "0.7");
        QCOMPARE(ui.boxText("Text4"), QString("0.7"));
        ui.click("Check1"); // released: h keeps the copy and takes the focus
        for (const char* freed : {"Text4", "Label14", "Label35"})
            QVERIFY2(ui.enabled(freed), freed);
        QCOMPARE(ui.boxText("Text4"), QString("0.7"));
        QCOMPARE(ui.focused(), QString("Text4"));
        ui.type("Text2", "0.8");
        QCOMPARE(ui.boxText("Text4"), QString("0.7"));
        ui.click("Check1"); // tied again: the copy is refreshed, the focus goes to b
        QCOMPARE(ui.boxText("Text4"), QString("0.8"));
        QVERIFY(!ui.enabled("Text4"));
        QVERIFY(!ui.enabled("Label35"));
        QCOMPARE(ui.focused(), QString("Text2"));
    }

    void squareOpeningTieCopiesAndReleases()
    {
        ui.click("Check2");
        QCOMPARE(ui.boxText("Text3"), QString("6"));
        for (const char* tied : {"Text3", "Label13", "Label34"})
            QVERIFY2(!ui.enabled(tied), tied);
        QCOMPARE(ui.focused(), QString("Text1"));
        ui.type("Text1", "7");
        QCOMPARE(ui.boxText("Text3"), QString("7"));
        ui.click("Check2");
        QVERIFY(ui.enabled("Text3"));
        QCOMPARE(ui.boxText("Text3"), QString("7"));
        QCOMPARE(ui.focused(), QString("Text3"));
        ui.type("Text1", "8");
        QCOMPARE(ui.boxText("Text3"), QString("7"));
    }

    void releasedTiesKeepTheirCopiesForTheNextCalculation()
    {
        ui.click("Command1");
        ui.click("Check1");
        ui.click("Check2");
        ui.click("Check2");
        QCOMPARE(results(), localNumbers(Defaults)); // ties neither clear nor recalculate
        ui.type("Text2", "1");                       // h stays 0.5
        ui.click("Command1");
        // H keeps the 6 copied from B while it was tied: 6 x 6 round a 4 x 5 opening
        QCOMPARE(ui.boxText("Text3"), QString("6"));
        QCOMPARE(ui.text("Label28"), QString("16"));
        QCOMPARE(ui.text("Label44"), local("14.5"));
    }

    void switchingBeforeCalculatingOnlyRelabels()
    {
        ui.click("Option1");
        QCOMPARE(ui.texts({"Label32", "Label33", "Label34", "Label35", "Label40", "Label41"}),
                 QStringList(6, "мм"));
        QCOMPARE(
            ui.texts({"Label36", "Label37", "Label38", "Label39", "Label47", "Label48", "Label42"}),
            QStringList({"мм4", "мм4", "мм3", "мм3", "мм3", "мм3", "мм2"}));
        QCOMPARE(boxTexts({"Text1", "Text2", "Text3", "Text4"}),
                 QStringList({"6", "0.5", "11", "0.5"}));
        QCOMPARE(results(), QStringList(10, QString()));
        QVERIFY(ui.services.messages.isEmpty());
    }

    void unitSwitchRescalesEachBoxOnce_data()
    {
        QTest::addColumn<bool>("equalWalls");
        QTest::addColumn<bool>("squareOpening");
        QTest::addColumn<QStringList>("millimetres"); // Text1 … Text4 after the switch
        QTest::addColumn<QStringList>("metres");
        QTest::newRow("h= b") << true << false << QStringList{"60", "5", "110", "5"}
                              << QStringList{"0.06", "0.005", "0.11", "0.005"};
        QTest::newRow("both ties") << true << true << QStringList{"60", "5", "60", "5"}
                                   << QStringList{"0.06", "0.005", "0.06", "0.005"};
        QTest::newRow("no ties") << false << false << QStringList{"60", "5", "110", "5"}
                                 << QStringList{"0.06", "0.005", "0.11", "0.005"};
        QTest::newRow("H= B") << false << true << QStringList{"60", "5", "60", "5"}
                              << QStringList{"0.06", "0.005", "0.06", "0.005"};
    }
    void unitSwitchRescalesEachBoxOnce()
    {
        QFETCH(bool, equalWalls);
        QFETCH(bool, squareOpening);
        QFETCH(QStringList, millimetres);
        QFETCH(QStringList, metres);
        tie(equalWalls, squareOpening);
        ui.click("Command1");
        const QStringList inCentimetres = results();
        const QStringList boxes = {"Text1", "Text2", "Text3", "Text4"};
        const QStringList typed = boxTexts(boxes);

        ui.click("Option1");
        QCOMPARE(boxTexts(boxes), millimetres);
        QCOMPARE(ui.boxText("Text5"), QString("7850")); // the specific weight is absolute
        QCOMPARE(ui.text("Label31"), inCentimetres.last());
        ui.click("Option3");
        QCOMPARE(boxTexts(boxes), localNumbers(metres));
        ui.click("Option2");
        QCOMPARE(boxTexts(boxes), localNumbers(typed));
        QCOMPARE(results(), inCentimetres);
        QCOMPARE(ui.texts({"Label47", "Label48"}), QStringList(2, "см3")); // Cyrillic now
        QVERIFY(ui.services.messages.isEmpty());
    }

    void unitSwitchShowsTheDefaultsInMillimetres()
    {
        ui.click("Command1");
        ui.click("Option1");
        QCOMPARE(results(), localNumbers(DefaultsInMillimetres));
        QCOMPARE(ui.window().unitFactor(), 1);
    }

    void refusedSwitchClearsAllButTheWeight()
    {
        ui.click("Command1");
        ui.type("Text2", "3");
        ui.click("Option1");
        QCOMPARE(boxTexts({"Text1", "Text2", "Text4"}), QStringList({"60", "30", "30"}));
        QCOMPARE(ui.services.messages, QStringList{WrongData});
        QCOMPARE(results(), QStringList(9, QString()) << local("12.56"));
    }

    void pickingAPrecisionRecalculates()
    {
        pickEntry(ui.control<QComboBox>("Combo1"), "10");
        QCOMPARE(ui.texts({"Label1", "Label24", "Label26"}),
                 localNumbers({"248.8", "45.2", "3.9"}));
    }

    void sketchShowsTheTubeWithItsAxesAndDimensions()
    {
        const SectionSketch& sketch = ui.window().sketch();
        for (const char* outline : {"Shape1", "Shape2"}) {
            QCOMPARE(sketch.element(outline).colour, QColor(Qt::blue));
            QVERIFY(sketch.element(outline).penWidth > 1);
        }
        QCOMPARE(sketch.element("Shape2").fill, Qt::SolidPattern);
        QVERIFY(sketch.element("Shape2").bounds.intersected(sketch.element("Shape1").bounds) ==
                sketch.element("Shape2").bounds); // the opening lies inside the outline
        for (const char* x : {"Line1", "Line23", "Line24", "Label5"})
            QCOMPARE(sketch.element(x).colour, QColor(Qt::red));
        for (const char* y : {"Line2", "Line25", "Line26"})
            QCOMPARE(sketch.element(y).colour, sketch.element("Label6(0)").colour);
        QCOMPARE(sketch.elementToolTip("Label5"), QString("Ось координат \u0425"));
        QCOMPARE(sketch.elementToolTip("Label6(0)"), QString("Ось координат Y"));
        const QStringList letters = {"Label8",  "Label7(0)", "Label9",
                                     "Label10", "Label11",   "Label12"};
        const QStringList texts = {"B", "b", "b", "H", "h", "h"};
        for (qsizetype k = 0; k < letters.size(); ++k)
            QCOMPARE(sketch.element(letters[k]).text, texts[k]);
        // a static drawing: the ties change no element
        ui.click("Check1");
        ui.click("Check2");
        QCOMPARE(sketch.element("Shape1").bounds, QRectF(20, 20, 100, 100));
        QVERIFY(sketch.isElementVisible("Label11"));
    }

    void controlsAreNamedForAssistiveTechnology()
    {
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Name), QString("B="));
        QCOMPARE(accessibleText(ui.control("Text4"), QAccessible::Name), QString("h="));
        QCOMPARE(accessibleText(ui.control("Check2"), QAccessible::Name), QString("H= B"));
        QCOMPARE(accessibleText(ui.control("Label44"), QAccessible::Description),
                 QString("Sx= Статический момент относительно оси \u0425"));
        ui.click("Command1");
        QCOMPARE(accessibleText(ui.control("Label1"), QAccessible::Name), local("248.833"));
    }

    void exitHidesAndKeepsEverything()
    {
        ui.click("Check1");
        ui.type("Text4", "1");
        ui.click("Command1");
        const QStringList shown = results();
        ui.click("Command2");
        QVERIFY(!ui.window().isVisible());
        ui.window().show();
        QVERIFY(!ui.ticked("Check1"));
        QCOMPARE(ui.boxText("Text4"), QString("1"));
        QCOMPARE(results(), shown);
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
