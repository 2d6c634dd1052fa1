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
} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    FormDriver<Form1> ui;

    QStringList results() const { return ui.texts(Results); }
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
        QCOMPARE(ui.boxTexts({"Text1", "Text2", "Text3", "Text4", "Text5"}),
                 QStringList({"6", "0.5", "11", "0.5", "7850"}));
        QVERIFY(ui.ticked("Check1"));
        QVERIFY(!ui.ticked("Check2"));
        for (const char* tied : {"Text4", "Label14", "Label35"})
            QVERIFY2(!ui.enabled(tied), tied);
        for (const char* free : {"Text1", "Label2", "Text2", "Text3", "Label13", "Label34"})
            QVERIFY2(ui.enabled(free), free);
    }

    void showsItsCaptionsAndToolTips_data()
    {
        addCaptionColumns();
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
        QTest::newRow("legend") << "Label17"
                                << "I - момент инерции;        W - момент сопротивления;     "
                                   "i - радиус инерции;           A - площадь сечения;       "
                                   "       S - статический момент полусечения."
                                << "";
    }
    void showsItsCaptionsAndToolTips() { ui.verifyCaption(); }

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
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("no inner width") << QStringList{"Text2=3"};
        QTest::newRow("empty b") << QStringList{"Text2="};
        QTest::newRow("negative b") << QStringList{"Text2=-0.5"};
        QTest::newRow("B not a number") << QStringList{"Text1=ширина"};
        QTest::newRow("no inner height") << QStringList{"Text3=1"};
        QTest::newRow("H not a number") << QStringList{"Text3=abc"};
        QTest::newRow("free h zero") << QStringList{"Check1", "Text4=0"};
        QTest::newRow("absurdly large") << QStringList{"Text1=1e300"};
    }
    void refusedInputsChangeNoLabel()
    {
        QFETCH(QStringList, steps);
        ui.verifyRefusedAfterCalculating(steps, WrongData);
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

    void unitSwitchRescalesEachBoxOnce_data()
    {
        QTest::addColumn<bool>("equalWalls");
        QTest::addColumn<bool>("squareOpening");
        QTest::addColumn<QStringList>("millimetres"); // Text1 … Text4 after the switch
        QTest::addColumn<QStringList>("metres");
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
        const QStringList typed = ui.boxTexts(boxes);

        ui.click("Option1");
        QCOMPARE(ui.boxTexts(boxes), millimetres);
        QCOMPARE(ui.boxText("Text5"), QString("7850")); // the specific weight is absolute
        QCOMPARE(ui.text("Label31"), inCentimetres.last());
        ui.click("Option3");
        QCOMPARE(ui.boxTexts(boxes), localNumbers(metres));
        ui.click("Option2");
        QCOMPARE(ui.boxTexts(boxes), localNumbers(typed));
        QCOMPARE(results(), inCentimetres);
        QCOMPARE(ui.texts({"Label47", "Label48"}), QStringList(2, "см3")); // Cyrillic now
        QVERIFY(ui.services.messages.isEmpty());
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
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
