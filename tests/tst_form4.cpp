// The rhombus calculator driven as a user would drive it.
#include "form4.h"
#include "form_driver.h"
#include "section_sketch.h"

namespace {
const QStringList Results = {"Label1", "Label24", "Label28", "Label26", "Label44", "Label31"};
const QStringList Defaults = {"52.083", "14.731", "25", "1.443", "14.731", "19.625"};
const QString WrongData = "Введены ошибочные данные";
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
        QCOMPARE(ui.boxText("Text5"), QString("7850"));
        auto* precision = ui.control<QComboBox>("Combo1");
        QCOMPARE(precision->currentText(), QString("1000"));
        QCOMPARE(precision->count(), 10);
        QCOMPARE(precision->itemText(9), QString("10000000000"));
        QVERIFY(ui.control<QRadioButton>("Option2")->isChecked());
        QCOMPARE(ui.text("Label18"), "Velkor  v. " + local("3.7") + "  2004");
        QCOMPARE(results(), QStringList(6, QString()));
        QCOMPARE(ui.window().unitFactor(), 0);
    }

    void showsItsCaptionsAndToolTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        const QString aboutX = QString::fromUtf8(" относительно \u0425"); // Cyrillic Х
        QTest::newRow("side") << "Label2"
                              << "B="
                              << "";
        QTest::newRow("side unit") << "Label32"
                                   << "см"
                                   << "";
        QTest::newRow("I") << "Label4"
                           << "I="
                           << "";
        QTest::newRow("I unit") << "Label36"
                                << "см4"
                                << "";
        QTest::newRow("W unit") << "Label38"
                                << "см3"
                                << "";
        QTest::newRow("i unit") << "Label40"
                                << "см"
                                << "";
        QTest::newRow("A unit") << "Label42"
                                << "см2"
                                << "";
        // the static moment's unit starts with a Latin "c"
        QTest::newRow("S unit") << "Label47" << QString::fromUtf8("c\u043c3") << "";
        QTest::newRow("S") << "Label46"
                           << "S="
                           << "";
        QTest::newRow("I result") << "Label1"
                                  << ""
                                  << QString::fromUtf8("Момент инерции относительно оси \u0425");
        QTest::newRow("W result") << "Label24"
                                  << ""
                                  << "Момент сопротивления" + aboutX;
        QTest::newRow("i result") << "Label26"
                                  << ""
                                  << "Радиус инерции" + aboutX;
        QTest::newRow("A result") << "Label28"
                                  << ""
                                  << "Площадь сечения";
        QTest::newRow("S result") << "Label44"
                                  << ""
                                  << QString::fromUtf8(
                                         "Статический момент относительно оси \u0425");
        QTest::newRow("weight") << "Label31"
                                << ""
                                << "Вес в кг/м. п.";
        QTest::newRow("legend")
            << "Label17"
            << " I - момент инерции;           W - момент сопротивления;       i - радиус инерции;"
               "              A - площадь сечения;                S - статический момент "
               "полусечения."
            << "";
    }
    void showsItsCaptionsAndToolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QCOMPARE(ui.text(name), text);
        QCOMPARE(ui.control(name)->toolTip(), toolTip);
    }

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
        QCOMPARE(ui.window().unitFactor(), 10);
        QVERIFY(ui.services.messages.isEmpty());
    }

    void sameSideInMillimetresWeighsTheSame()
    {
        ui.click("Option1");
        ui.type("Text1", "50");
        ui.click("Command1");
        QCOMPARE(results(), localNumbers({"520833.333", "14731.391", "2500", "14.433", "14731.391",
                                          "19.625"}));
    }

    void switchingBeforeCalculatingOnlyRelabels()
    {
        ui.click("Option1");
        QCOMPARE(ui.texts({"Label32", "Label40", "Label36", "Label38", "Label47", "Label42"}),
                 QStringList({"мм", "мм", "мм4", "мм3", "мм3", "мм2"}));
        QCOMPARE(ui.boxText("Text1"), QString("5"));
        QCOMPARE(results(), QStringList(6, QString()));
        QVERIFY(ui.services.messages.isEmpty());
    }

    void unitSwitchConvertsTheSideOnly()
    {
        ui.click("Command1");
        ui.click("Option1");
        QCOMPARE(ui.boxText("Text1"), QString("50"));
        QCOMPARE(ui.boxText("Text5"), QString("7850"));
        QCOMPARE(ui.text("Label1"), local("520833.333"));
        ui.click("Option3");
        QCOMPARE(ui.boxText("Text1"), local("0.05"));
        QCOMPARE(ui.text("Label47"), QString("м3"));
        ui.click("Option2");
        QCOMPARE(ui.boxText("Text1"), QString("5"));
        QCOMPARE(results(), localNumbers(Defaults));
        QCOMPARE(ui.text("Label47"), QString("см3")); // Cyrillic after the first switch
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
        ui.click("Command1");
        ui.type("Text1", side);
        ui.click("Command1");
        QCOMPARE(ui.services.messages, QStringList{WrongData});
        QCOMPARE(results(), localNumbers(Defaults));
    }

    void refusedRunStillRecordsItsUnit()
    {
        ui.type("Text1", "0");
        ui.click("Command1"); // refused, but typed in centimetres
        ui.type("Text1", "5");
        ui.click("Option1");
        QCOMPARE(ui.boxText("Text1"), QString("50"));
        QCOMPARE(ui.text("Label28"), QString("2500"));
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

    void exitHidesAndKeepsEverything()
    {
        ui.type("Text1", "7");
        ui.click("Command1");
        const QStringList shown = results();
        ui.click("Command2");
        QVERIFY(!ui.window().isVisible());
        ui.window().show();
        QCOMPARE(ui.boxText("Text1"), QString("7"));
        QCOMPARE(results(), shown);
    }
};

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
