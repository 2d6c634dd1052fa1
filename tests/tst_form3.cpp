// The solid square / rectangle calculator driven as a user would drive it.
#include "form3.h"
#include "form_driver.h"
#include "section_sketch.h"

namespace {
// Ix, Iy, Wx, Wy, A, ix, iy, Sx, Sy, weight; S is the first moment of the half-section
const QStringList Results = {"Label1",  "Label16", "Label24", "Label25", "Label28",
                             "Label26", "Label27", "Label44", "Label45", "Label31"};
const QStringList Defaults = {"52.083", "52.083", "20.833", "20.833", "25",
                              "1.443",  "1.443",  "15.625", "15.625", "1.5"};
const QStringList Rectangle5By10 = {"416.666", "104.166", "83.333", "41.666", "50",
                                    "2.886",   "1.443",   "62.5",   "31.25",  "3"};
} // namespace

class Form3Test : public QObject {
    Q_OBJECT

    FormDriver<Form3> ui;

    QStringList results() const { return ui.texts(Results); }
    QStringList boxTexts() const { return {ui.boxText("Text1"), ui.boxText("Text3")}; }

private slots:
    void init() { ui.open(); }
    void cleanup() { ui.close(); }

    void loadsInSquareMode()
    {
        QCOMPARE(ui.window().windowTitle(), QString("Квадратное сечение"));
        QCOMPARE(boxTexts(), QStringList({"5", "5"}));
        QCOMPARE(ui.boxText("Text5"), QString("600"));
        QVERIFY(ui.ticked("Check1"));
        for (const char* tied : {"Text3", "Label13", "Label34"})
            QVERIFY2(!ui.enabled(tied), tied);
    }

    void showsItsCaptionsAndToolTips_data()
    {
        addCaptionColumns();
        QTest::newRow("B") << "Label2"
                           << "B="
                           << "";
        QTest::newRow("H") << "Label13"
                           << "H="
                           << "";
        QTest::newRow("tie") << "Label29"
                             << "Удельный вес кг/м. куб."
                             << "";
        QTest::newRow("Ix") << "Label4"
                            << "Ix="
                            << "";
        QTest::newRow("iy") << "Label22"
                            << "iy="
                            << "";
        QTest::newRow("Sx") << "Label46"
                            << "Sx="
                            << "";
        QTest::newRow("legend")
            << "Label17"
            << " I - момент инерции;           W - момент сопротивления;       i - радиус инерции;"
               "              A - площадь сечения;                S - статический момент "
               "полусечения."
            << "";
    }
    void showsItsCaptionsAndToolTips() { ui.verifyCaption(); }

    void modesChangeCaptionAndHints_data()
    {
        QTest::addColumn<bool>("square");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("width");  // Text1 and the letter B
        QTest::addColumn<QString>("height"); // the letter H
        QTest::newRow("square") << true << "Квадратное сечение"
                                << "Сторона квадрата"
                                << "Сторона квадрата";
        QTest::newRow("rectangle") << false << "Прямоугольное сечение"
                                   << "Ширина прямоугольника"
                                   << "Высота прямоугольники"; // sic
    }
    void modesChangeCaptionAndHints()
    {
        QFETCH(bool, square);
        QFETCH(QString, caption);
        QFETCH(QString, width);
        QFETCH(QString, height);
        if (!square)
            ui.click("Check1");
        const SectionSketch& sketch = ui.window().sketch();
        QCOMPARE(ui.window().windowTitle(), caption);
        QCOMPARE(ui.control("Text1")->toolTip(), width);
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Description), width);
        QCOMPARE(sketch.toolTipAt(sketch.element("Label8").bounds.center()), width);
        QCOMPARE(sketch.toolTipAt(sketch.element("Label10").bounds.center()), height);
        QCOMPARE(ui.control("Text3")->toolTip(), QString("Высота прямоугольника"));
        QCOMPARE(ui.control("Check1")->toolTip(), QString("Стороны сечения равны"));
    }

    void calculates_data()
    {
        QTest::addColumn<bool>("square");
        QTest::addColumn<QString>("B");
        QTest::addColumn<QString>("H");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("default square") << true << "5"
                                        << "" << Defaults;
        QTest::newRow("rectangle 5 x 10") << false << "5"
                                          << "10" << Rectangle5By10;
        QTest::newRow("decimal comma") << false << "5"
                                       << "10,0" << Rectangle5By10;
        QTest::newRow("rectangle 10 x 5")
            << false << "10"
            << "5" << QStringList{"104.166", "416.666", "41.666", "83.333", "50",
                                  "1.443",   "2.886",   "31.25",  "62.5",   "3"};
    }
    void calculates()
    {
        QFETCH(bool, square);
        QFETCH(QString, B);
        QFETCH(QString, H);
        QFETCH(QStringList, expected);
        if (!square)
            ui.click("Check1");
        ui.type("Text1", B);
        if (!H.isEmpty())
            ui.type("Text3", H);
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(expected));
        QCOMPARE(ui.window().unitFactor(), 10);
        QVERIFY(ui.services.messages.isEmpty());
    }

    void refusedInputsChangeNoLabel_data()
    {
        QTest::addColumn<QStringList>("steps"); // Check1 makes it a rectangle
        QTest::newRow("square of side 0") << QStringList{"Text1=0"};
        QTest::newRow("square without a number") << QStringList{"Text1=сторона"};
        QTest::newRow("negative width") << QStringList{"Check1", "Text1=-5", "Text3=10"};
        QTest::newRow("empty height") << QStringList{"Check1", "Text1=5", "Text3="};
        QTest::newRow("height without a number") << QStringList{"Check1", "Text1=5", "Text3=x10"};
        QTest::newRow("absurdly large") << QStringList{"Text1=1e300"};
    }
    void refusedInputsChangeNoLabel()
    {
        QFETCH(QStringList, steps);
        ui.verifyRefusedAfterCalculating(steps, WrongData);
    }

    void unitSwitchRescalesTheRectangle()
    {
        ui.perform({"Check1", "Text3=10", "Command1"});
        const QStringList inCentimetres = results();
        const QStringList typed = boxTexts();

        ui.click("Option1");
        QCOMPARE(boxTexts(), QStringList({"50", "100"}));
        QCOMPARE(ui.boxText("Text5"), QString("600"));
        QCOMPARE(ui.text("Label28"), QString("5000"));
        QCOMPARE(ui.text("Label31"), inCentimetres.last());
        ui.click("Option3");
        QCOMPARE(boxTexts(), localNumbers({"0.05", "0.1"}));
        ui.click("Option2");
        QCOMPARE(boxTexts(), typed);
        QCOMPARE(results(), inCentimetres);
        QCOMPARE(ui.texts({"Label47", "Label48"}), QStringList(2, "см3")); // Cyrillic now
        QVERIFY(ui.services.messages.isEmpty());
    }

    void sketchShowsTheSquareWithItsAxesAndDimensions()
    {
        const SectionSketch& sketch = ui.window().sketch();
        QCOMPARE(sketch.element("Shape1").colour, QColor(Qt::blue));
        QVERIFY(sketch.element("Shape1").penWidth > 1);
        for (const char* x : {"Line1", "Line5", "Line6", "Label5"})
            QCOMPARE(sketch.element(x).colour, QColor(Qt::red));
        for (const char* y : {"Line2", "Line10", "Line14"})
            QCOMPARE(sketch.element(y).colour, sketch.element("Label6(0)").colour);
        for (const char* dimension : {"Line3", "Line4", "Line7", "Line17", "Line20", "Line8",
                                      "Line9", "Line11", "Line12", "Line13"}) {
            QCOMPARE(sketch.element(dimension).colour, QColor(Qt::black));
            QCOMPARE(sketch.element(dimension).penWidth, 1);
        }
        QVERIFY(sketch.element("Line3").line.dx() == 0); // H stands at the right
        QVERIFY(sketch.element("Line8").line.dy() == 0); // B lies below
        QCOMPARE(sketch.element("Label8").text, QString("B"));
        QCOMPARE(sketch.element("Label10").text, QString("H"));
        ui.click("Check1"); // the rectangle keeps the square's drawing
        QCOMPARE(sketch.element("Shape1").bounds, QRectF(20, 20, 100, 100));
    }

    void controlsAreNamedForAssistiveTechnology()
    {
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Name), QString("B="));
        QCOMPARE(accessibleText(ui.control("Text3"), QAccessible::Name), QString("H="));
        QCOMPARE(accessibleText(ui.control("Check1"), QAccessible::Name), QString("H= B"));
        QCOMPARE(accessibleText(ui.control("Label16"), QAccessible::Description),
                 QString("Iy= Момент инерции относительно оси Y"));
    }
};

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
