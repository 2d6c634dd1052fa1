// The rhombus calculator driven as a user would drive it.
#include "form4.h"
#include "form_driver.h"
#include "section_sketch.h"

namespace {
const QStringList Results = {"Label1", "Label24", "Label28", "Label26", "Label44", "Label31"};
const QStringList Defaults = {"52.083", "14.731", "25", "1.443", "14.731", "19.625"};
} // namespace

class Form4Test : public QObject {
    Q_OBJECT

    FormDriver<Form4> ui;

    QStringList results() const { return ui.texts(Results); }

private slots:
    void init() { ui.open(); }
    void cleanup() { ui.close(); }

    void loadsWithItsDesignValues()
    {
        QCOMPARE(ui.window().windowTitle(), QString("Ромб"));
        QCOMPARE(ui.boxText("Text1"), QString("5"));
    }

    void showsItsCaptionsAndToolTips_data()
    {
        addCaptionColumns();
        QTest::newRow("side") << "Label2"
                              << "B="
                              << "";
        QTest::newRow("I") << "Label4"
                           << "I="
                           << "";
        QTest::newRow("S") << "Label46"
                           << "S="
                           << "";
        QTest::newRow("legend")
            << "Label17"
            << " I - момент инерции;           W - момент сопротивления;       i - радиус инерции;"
               "              A - площадь сечения;                S - статический момент "
               "полусечения."
            << "";
    }
    void showsItsCaptionsAndToolTips() { ui.verifyCaption(); }

    void sideBoxHasItsHint()
    {
        QCOMPARE(ui.control("Text1")->toolTip(), QString("Сторона ромба"));
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Name), QString("B="));
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Description),
                 QString("Сторона ромба"));
        QCOMPARE(accessibleText(ui.control("Label44"), QAccessible::Description),
                 QString::fromUtf8("S= Статический момент относительно оси \u0425"));
    }

    void calculatesTheDefaultRhombus()
    {
        ui.click("Command1");
        // S is the first moment of the half-section, √2·B³/12, equal to W
        QCOMPARE(results(), localNumbers(Defaults));
    }

    void sameSideInMillimetresWeighsTheSame()
    {
        ui.click("Option1");
        ui.type("Text1", "50");
        ui.click("Command1");
        QCOMPARE(results(), localNumbers({"520833.333", "14731.391", "2500", "14.433", "14731.391",
                                          "19.625"}));
    }

    void refusedSidesChangeNoLabel_data()
    {
        QTest::addColumn<QString>("side");
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-5";
        QTest::newRow("empty") << "";
        QTest::newRow("no number") << "сторона";
        QTest::newRow("absurdly large") << "1e300";
    }
    void refusedSidesChangeNoLabel()
    {
        QFETCH(QString, side);
        ui.verifyRefusedAfterCalculating({"Text1=" + side}, WrongData);
    }

    void sketchShowsTheSquareOnItsCorner()
    {
        const SectionSketch& sketch = ui.window().sketch();
        for (const char* edge : {"Line5", "Line6", "Line10", "Line14"}) {
            QCOMPARE(sketch.element(edge).colour, QColor(Qt::blue));
            QVERIFY(sketch.element(edge).penWidth > 1);
        }
        for (const char* x : {"Line1", "Line7", "Line8", "Label5"})
            QCOMPARE(sketch.element(x).colour, QColor(Qt::red));
        QCOMPARE(sketch.element("Label5").text, QString("X"));
        QCOMPARE(sketch.element("Label6(0)").text, QString("Y"));
        for (const char* y : {"Line2", "Line3", "Line4"})
            QCOMPARE(sketch.element(y).colour, sketch.element("Label6(0)").colour);
        // the axes run along the diagonals, through opposite corners
        QCOMPARE(sketch.element("Line1").line.y1(), sketch.element("Line5").line.y1());
        QCOMPARE(sketch.element("Line2").line.x1(), sketch.element("Line6").line.x1());
        for (const char* letter : {"Label8", "Label10"}) {
            QCOMPARE(sketch.element(letter).text, QString("B"));
            QCOMPARE(sketch.toolTipAt(sketch.element(letter).bounds.center()),
                     QString("Сторона ромба"));
        }
    }
};

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
