// The hexagon calculator driven as a user would drive it: sized by R or by H, the other
// size following the typed one.
#include "form5.h"
#include "form_driver.h"
#include "section_sketch.h"

namespace {
const QStringList Results = {"Label1",  "Label16", "Label24", "Label25",
                             "Label26", "Label27", "Label28", "Label31"};
const QStringList Defaults = {"0.541", "0.541", "0.625", "0.541",
                              "0.456", "0.456", "2.598", "2.039"};
const QStringList RadiusControls = {"Label2", "Text1", "Label32"};
const QStringList HeightControls = {"Label13", "Text3", "Label34"};
const QString Radius = "Радиус описанной окружности (равен стороне шестигранника)";
const QString Height = "Высота шестигранника (размер под ключ)";
} // namespace

class Form5Test : public QObject {
    Q_OBJECT

    FormDriver<Form5> ui;

    QStringList results() const { return ui.texts(Results); }
    void verifyMode(bool acrossFlats) const
    {
        for (const QString& name : RadiusControls)
            QVERIFY2(ui.enabled(name) == !acrossFlats, qPrintable(name));
        for (const QString& name : HeightControls)
            QVERIFY2(ui.enabled(name) == acrossFlats, qPrintable(name));
    }

private slots:
    void init() { ui.open(); }
    void cleanup() { ui.close(); }

    void opensInRadiusModeWithTheDesignTexts()
    {
        QCOMPARE(ui.window().windowTitle(), QString("Шестигранное сечение"));
        QCOMPARE(ui.boxText("Text1"), QString("1"));
        QCOMPARE(ui.boxText("Text3"), QString("1.73205")); // not derived until R changes
        QVERIFY(!ui.ticked("Check1"));
        verifyMode(false);
    }

    void showsItsCaptionsAndToolTips_data()
    {
        addCaptionColumns();
        QTest::newRow("R") << "Label2"
                           << "R="
                           << "";
        QTest::newRow("H") << "Label13"
                           << "H="
                           << "";
        QTest::newRow("Ix") << "Label4"
                            << "Ix="
                            << "";
        QTest::newRow("Iy") << "Label15"
                            << "Iy="
                            << "";
        QTest::newRow("iy") << "Label22"
                            << "iy="
                            << "";
        QTest::newRow("legend") << "Label17"
                                << " I - момент инерции;            W - момент сопротивления;"
                                   "      i - радиус инерции;               A - площадь сечения;"
                                << "";
    }
    void showsItsCaptionsAndToolTips() { ui.verifyCaption(); }

    void controlsAreNamedForAssistiveTechnology()
    {
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Name), QString("R="));
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Description), Radius);
        QCOMPARE(accessibleText(ui.control("Text3"), QAccessible::Name), QString("H="));
        QCOMPARE(accessibleText(ui.control("Text3"), QAccessible::Description), Height);
        QCOMPARE(accessibleText(ui.control("Check1"), QAccessible::Name),
                 QString("Размер сечения через H"));
        // the H of the caption is Latin, that of the tooltip Cyrillic
        QCOMPARE(ui.control("Check1")->toolTip(),
                 QString::fromUtf8("Ввод размера сечения через \u041d"));
    }

    void calculatesTheDefaultHexagon()
    {
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(Defaults));
    }

    void typingRShowsH()
    {
        ui.type("Text1", "2");
        QCOMPARE(ui.boxText("Text3"), local("3.46410161513775"));
        ui.type("Text1", local("0.5"));
        QCOMPARE(ui.boxText("Text3"), local("0.866025403784439"));
        ui.type("Text1", "");
        QCOMPARE(ui.boxText("Text3"), QString("0"));
    }

    void modeChangeKeepsBothTextsAndMovesTheFocus()
    {
        ui.type("Text1", "2");
        ui.click("Command1");
        const QStringList shown = results();
        ui.click("Check1");
        verifyMode(true);
        QCOMPARE(ui.focused(), QString("Text3"));
        QCOMPARE(ui.boxText("Text1"), QString("2"));
        QCOMPARE(ui.boxText("Text3"), local("3.46410161513775"));
        QCOMPARE(results(), shown); // neither cleared nor recalculated
        ui.click("Check1");
        verifyMode(false);
        QCOMPARE(ui.focused(), QString("Text1"));
        QCOMPARE(results(), shown);
    }

    void typingHShowsR()
    {
        ui.click("Check1");
        ui.type("Text3", "3");
        QCOMPARE(ui.boxText("Text1"), local("1.73205080756888"));
        ui.click("Check1");
        QCOMPARE(ui.boxText("Text3"), QString("3")); // R mode does not re-derive H
    }

    void designHeightGivesARadiusJustBelowOne()
    {
        ui.click("Check1");
        QCOMPARE(ui.boxText("Text1"), QString("1")); // not derived until H changes
        ui.click("Command1");
        // the routine writes the radius it works with back into the R box
        QCOMPARE(ui.boxText("Text1"), local("0.999999533749891"));
        QStringList expected = Defaults;
        expected[2] = "0.624"; // cut, never rounded up
        QCOMPARE(results(), localNumbers(expected));
    }

    void refusedSizes_data()
    {
        QTest::addColumn<QStringList>("steps"); // Check1 sizes it by H
        QTest::addColumn<QString>("radiusAfterwards");
        QTest::newRow("R zero") << QStringList{"Text1=0"} << "0";
        QTest::newRow("R negative") << QStringList{"Text1=-1"} << "-1";
        QTest::newRow("R empty") << QStringList{"Text1="} << "";
        QTest::newRow("R absurdly large") << QStringList{"Text1=1e300"} << "1e300";
        QTest::newRow("H zero") << QStringList{"Check1", "Text3=0"} << "0";
        QTest::newRow("H empty") << QStringList{"Check1", "Text3="} << "0";
        QTest::newRow("H no number") << QStringList{"Check1", "Text3=ключ"} << "0";
    }
    void refusedSizes()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, radiusAfterwards);
        ui.verifyRefusedAfterCalculating(steps, WrongData);
        QCOMPARE(ui.boxText("Text1"), radiusAfterwards);
    }

    // Sized by H, H converts once and R ends showing the radius derived from it.
    void unitSwitchConvertsTheTypedHeight()
    {
        ui.perform({"Check1", "Text3=2", "Command1"});
        const QStringList shown = results();
        ui.click("Option1");
        QCOMPARE(ui.boxTexts({"Text1", "Text3"}), localNumbers({"11.5470053837925", "20"}));
        QVERIFY(ui.services.messages.isEmpty());
        QVERIFY(!ui.text("Label28").isEmpty());
        QCOMPARE(ui.text("Label31"), shown.last());
        ui.click("Option3");
        QCOMPARE(ui.boxTexts({"Text1", "Text3"}), localNumbers({"0.0115470053837925", "0.02"}));
        ui.click("Option2");
        QCOMPARE(results(), shown);
    }

    void sketchLettersNameTheSizes()
    {
        const SectionSketch& sketch = ui.window().sketch();
        const QStringList outline = {"Line5", "Line6", "Line10", "Line14", "Line15", "Line16"};
        for (const QString& edge : outline)
            QCOMPARE(sketch.element(edge).colour, QColor(Qt::blue));
        // flat top and bottom
        QCOMPARE(sketch.element("Line6").line.dy(), 0.0);
        QCOMPARE(sketch.element("Line15").line.dy(), 0.0);
        QCOMPARE(sketch.element("Line1").colour, QColor(Qt::red));
        QCOMPARE(sketch.element("Label5").text, QString("X"));
        QCOMPARE(sketch.element("Label6(0)").text, QString("Y"));
        for (const char* letter : {"Label3", "Label8"}) {
            QCOMPARE(sketch.element(letter).text, QString("R"));
            QCOMPARE(sketch.toolTipAt(sketch.element(letter).bounds.center()), Radius);
        }
        QCOMPARE(sketch.element("Label10").text, QString("H"));
        QCOMPARE(sketch.toolTipAt(sketch.element("Label10").bounds.center()), Height);
        // the H dimension spans the flats, the lower one the bottom side
        QCOMPARE(sketch.element("Line3").line.y1(), sketch.element("Line6").line.y1());
        QCOMPARE(sketch.element("Line3").line.y2(), sketch.element("Line16").line.y1());
        QCOMPARE(sketch.element("Line8").line.length(), sketch.element("Line15").line.length());
        ui.click("Check1"); // the mode leaves the drawing alone
        for (const char* name : {"Line3", "Line8", "Line18", "Label3", "Label8", "Label10"})
            QVERIFY(sketch.isElementVisible(name));
    }
};

QTEST_MAIN(Form5Test)
#include "tst_form5.moc"
