// The cross calculator driven as a user would drive it, with its two ties.
#include "form6.h"
#include "form_driver.h"
#include "section_sketch.h"

namespace {
const QStringList Results = {"Label1",  "Label16", "Label24", "Label25", "Label26",
                             "Label27", "Label28", "Label44", "Label45", "Label31"};
const QStringList Defaults = {"84.083", "84.083", "16.816", "16.816", "2.103",
                              "2.103",  "19",     "13.625", "13.625", "14.915"};
const QStringList Inputs = {"Text1", "Text2", "Text3", "Text4"};
// the letter before " > b" is the Cyrillic В; H, h and b are Latin
const QString Proportions = QString::fromUtf8("H должно быть > h и \u0412 > b");
} // namespace

class Form6Test : public QObject {
    Q_OBJECT

    FormDriver<Form6> ui;

    QStringList results() const { return ui.texts(Results); }
    QStringList inputs() const { return ui.boxTexts(Inputs); }
    void release(const QString& check)
    {
        if (ui.ticked(check))
            ui.click(check);
    }
    void enter(const QStringList& texts)
    {
        for (int k = 0; k < Inputs.size(); ++k)
            ui.type(Inputs[k], texts[k]);
    }

private slots:
    void init() { ui.open(); }
    void cleanup() { ui.close(); }

    void opensWithBothTiesApplied()
    {
        QCOMPARE(ui.window().windowTitle(), QString("Крестообразное сечение"));
        QCOMPARE(inputs(), QStringList({"10", "1", "10", "1"}));
        QVERIFY(ui.ticked("Check1"));
        QVERIFY(ui.ticked("Check2"));
        for (const char* name : {"Label13", "Text3", "Label34", "Label14", "Text4", "Label35"})
            QVERIFY2(!ui.enabled(name), name);
        for (const char* name : {"Text1", "Text2"})
            QVERIFY2(ui.enabled(name), name);
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
        QTest::newRow("H = B") << "Check2"
                               << "H = B"
                               << "Длины элементов одинаковы";
        QTest::newRow("h = b") << "Check1"
                               << "h = b"
                               << "Толщины элементов одинаковы";
        // both lengths and both thicknesses are one while tied
        QTest::newRow("B box") << "Text1"
                               << "10"
                               << "Длина горизонтального и верт. элементов";
        QTest::newRow("b box") << "Text2"
                               << "1"
                               << "Толщина элементов";
        QTest::newRow("H box") << "Text3"
                               << "10"
                               << "Длина вертикального элемента";
        QTest::newRow("h box") << "Text4"
                               << "1"
                               << "Толщина горизонтального элемента";
        QTest::newRow("Sx") << "Label46"
                            << "Sx="
                            << "";
        QTest::newRow("Sy") << "Label49"
                            << "Sy="
                            << "";
        QTest::newRow("legend") << "Label17"
                                << "I - момент инерции;        W - момент сопротивления;     i - "
                                   "радиус инерции;           A - площадь сечения;              "
                                   "S - статический момент полусечения."
                                << "";
    }
    void showsItsCaptionsAndToolTips() { ui.verifyCaption(); }

    void calculatesTheDefaultCross()
    {
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(Defaults));
    }

    void calculatesUnequalElements()
    {
        release("Check1");
        release("Check2");
        enter({"10", "1", "20", "2"});
        ui.click("Command1");
        QCOMPARE(results(), localNumbers({"672.666", "168.166", "67.266", "33.633", "4.207",
                                          "2.103", "38", "54.5", "27.25", "29.83"}));
    }

    // A tie changes the hint of the box it copies from, which then sizes both elements.
    void tiesChangeTheSourceHint_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("sourceHint");
        QTest::addColumn<QString>("tiedSourceHint");
        QTest::newRow("H = B") << "Check2"
                               << "Text1"
                               << "Длина горизонтального элемента"
                               << "Длина горизонтального и верт. элементов";
        QTest::newRow("h = b") << "Check1"
                               << "Text2"
                               << "Толщина вертикального элемента"
                               << "Толщина элементов";
    }
    void tiesChangeTheSourceHint()
    {
        QFETCH(QString, check);
        QFETCH(QString, source);
        QFETCH(QString, sourceHint);
        QFETCH(QString, tiedSourceHint);
        ui.click(check);
        QCOMPARE(ui.control(source)->toolTip(), sourceHint);
        QCOMPARE(accessibleText(ui.control(source), QAccessible::Description), sourceHint);
        ui.click(check);
        QCOMPARE(ui.control(source)->toolTip(), tiedSourceHint);
    }

    void tyingNeitherClearsNorRecalculates()
    {
        ui.click("Command1");
        ui.click("Check1");
        ui.type("Text4", "0.5");
        ui.click("Check2");
        QCOMPARE(results(), localNumbers(Defaults));
        ui.click("Check1");
        QCOMPARE(results(), localNumbers(Defaults));
        QVERIFY(ui.services.messages.isEmpty());
    }

    void checksInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("sizes"); // B, b, H, h with both ties released
        QTest::addColumn<QString>("message");
        QTest::newRow("b equals B") << QStringList{"10", "10", "20", "1"} << Proportions;
        QTest::newRow("h equals H") << QStringList{"10", "1", "5", "5"} << Proportions;
        QTest::newRow("h beyond H") << QStringList{"10", "1", "2", "3"} << Proportions;
        QTest::newRow("sizes before proportions") << QStringList{"0", "1", "20", "1"} << WrongData;
        QTest::newRow("negative b") << QStringList{"10", "-1", "20", "1"} << WrongData;
        QTest::newRow("empty H") << QStringList{"10", "1", "", "1"} << WrongData;
        QTest::newRow("empty h") << QStringList{"10", "1", "20", ""} << WrongData;
        QTest::newRow("absurdly large") << QStringList{"1e200", "1", "1e200", "1"} << WrongData;
    }
    void checksInTheirOrder()
    {
        QFETCH(QStringList, sizes);
        QFETCH(QString, message);
        QStringList steps = {"Check1", "Check2"}; // both released
        for (qsizetype k = 0; k < Inputs.size(); ++k)
            steps << Inputs[k] + "=" + sizes[k];
        ui.verifyRefusedAfterCalculating(steps, message);
    }

    void tiedElementsAsThickAsLongAreRefused()
    {
        ui.type("Text1", "1");
        ui.click("Command1");
        QCOMPARE(ui.services.messages, QStringList{Proportions});
    }

    // Each box is converted once; a tied box ends with its source's text.
    void unitSwitchConvertsEachBoxOnce_data()
    {
        QTest::addColumn<bool>("lengthsTied");
        QTest::addColumn<bool>("thicknessesTied");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("millimetres");
        QTest::newRow("lengths tied") << true << false << QStringList{"10", "1", "", "2"}
                                      << QStringList{"100", "10", "100", "20"};
        QTest::newRow("none tied") << false << false << QStringList{"10", "1", "20", "2"}
                                   << QStringList{"100", "10", "200", "20"};
    }
    void unitSwitchConvertsEachBoxOnce()
    {
        QFETCH(bool, lengthsTied);
        QFETCH(bool, thicknessesTied);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, millimetres);
        if (!lengthsTied)
            release("Check2");
        if (!thicknessesTied)
            release("Check1");
        for (int k = 0; k < Inputs.size(); ++k)
            if (!typed[k].isEmpty())
                ui.type(Inputs[k], typed[k]);
        ui.click("Command1");
        const QStringList before = inputs();
        const QStringList shown = results();
        ui.click("Option1");
        QCOMPARE(inputs(), millimetres);
        QCOMPARE(ui.boxText("Text5"), QString("7850"));
        QVERIFY(ui.services.messages.isEmpty());
        QCOMPARE(ui.text("Label31"), shown.last());
        ui.click("Option3");
        ui.click("Option2");
        QCOMPARE(inputs(), before);
        QCOMPARE(results(), shown);
    }

    void sketchLettersRepeatTheDesignHints()
    {
        const SectionSketch& sketch = ui.window().sketch();
        const QStringList outline = {"Line10", "Line11", "Line14", "Line15", "Line23", "Line24",
                                     "Line25", "Line26", "Line27", "Line28", "Line29", "Line30"};
        for (const QString& edge : outline) {
            QCOMPARE(sketch.element(edge).colour, QColor(Qt::blue));
            QVERIFY(sketch.element(edge).penWidth > 1);
        }
        for (const char* x : {"Line1", "Line37", "Line38"})
            QCOMPARE(sketch.element(x).colour, QColor(Qt::red));
        for (const char* y : {"Line2", "Line39", "Line41"})
            QCOMPARE(sketch.element(y).colour, sketch.element("Label6(0)").colour);
        QCOMPARE(sketch.toolTipAt(sketch.element("Label6(0)").bounds.center()),
                 QString("Ось координат Y"));
        const QList<std::pair<const char*, QString>> letters = {
            {"Label8", "Длина горизонтального элемента"},
            {"Label9", "Толщина вертикального элемента"},
            {"Label10", "Длина вертикального элемента"},
            {"Label11", "Толщина горизонтального элемента"}};
        // ticks do not change the drawing
        for (bool tied : {true, false}) {
            if (!tied) {
                release("Check1");
                release("Check2");
            }
            for (const auto& [letter, hint] : letters) {
                QVERIFY(sketch.isElementVisible(letter));
                QCOMPARE(sketch.toolTipAt(sketch.element(letter).bounds.center()), hint);
            }
        }
    }

    void controlsAreNamedForAssistiveTechnology()
    {
        QCOMPARE(accessibleText(ui.control("Text1"), QAccessible::Name), QString("B="));
        QCOMPARE(accessibleText(ui.control("Text4"), QAccessible::Name), QString("h="));
        QCOMPARE(accessibleText(ui.control("Check2"), QAccessible::Name), QString("H = B"));
        QCOMPARE(accessibleText(ui.control("Label45"), QAccessible::Description),
                 QString("Sy= Статический момент относительно оси Y"));
    }

    void tabOrderFollowsTheInputs()
    {
        const QStringList expected = {"Text1",  "Text2",  "Text3", "Text4",
                                      "Check2", "Check1", "Combo1"};
        QCOMPARE(ui.tabStops("Text1", expected.size()), expected);
    }
};

QTEST_MAIN(Form6Test)
#include "tst_form6.moc"
