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
const QString WrongData = "Введены ошибочные данные";
// the letter before " > b" is the Cyrillic В; H, h and b are Latin
const QString Proportions = QString::fromUtf8("H должно быть > h и \u0412 > b");
} // namespace

class Form6Test : public QObject {
    Q_OBJECT

    FormDriver<Form6> ui;

    QStringList results() const { return ui.texts(Results); }
    QStringList inputs() const
    {
        QStringList texts;
        for (const QString& box : Inputs)
            texts << ui.boxText(box);
        return texts;
    }
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
        QCOMPARE(ui.control<QComboBox>("Combo1")->count(), 8);
        QCOMPARE(ui.boxText("Text5"), QString("7850"));
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
        QTest::newRow("H = B") << "Check2"
                               << "H = B"
                               << "Длины элементов одинаковы";
        QTest::newRow("h = b") << "Check1"
                               << "h = b"
                               << "Толщины элементов одинаковы";
        // both lengths and both thicknesses are one while tied
        QTest::newRow("B box") << "Text1"
                               << ""
                               << "Длина горизонтального и верт. элементов";
        QTest::newRow("b box") << "Text2"
                               << ""
                               << "Толщина элементов";
        QTest::newRow("H box") << "Text3"
                               << ""
                               << "Длина вертикального элемента";
        QTest::newRow("h box") << "Text4"
                               << ""
                               << "Толщина горизонтального элемента";
        QTest::newRow("Sx") << "Label46"
                            << "Sx="
                            << "";
        QTest::newRow("Sy") << "Label49"
                            << "Sy="
                            << "";
        QTest::newRow("Sx result")
            << "Label44"
            << "" << QString::fromUtf8("Статический момент относительно оси \u0425");
        QTest::newRow("Sy result") << "Label45"
                                   << ""
                                   << "Статический момент относительно оси Y";
        QTest::newRow("Wx result")
            << "Label24"
            << "" << QString::fromUtf8("Момент сопротивления относительно \u0425");
        QTest::newRow("iy result") << "Label27"
                                   << ""
                                   << "Радиус инерции относительно Y";
        // the static moments' units start with a Latin "c"
        QTest::newRow("Sx unit") << "Label47" << QString::fromUtf8("c\u043c3") << "";
        QTest::newRow("Sy unit") << "Label48" << QString::fromUtf8("c\u043c3") << "";
        QTest::newRow("Wy unit") << "Label39"
                                 << "см3"
                                 << "";
        QTest::newRow("legend") << "Label17"
                                << "I - момент инерции;        W - момент сопротивления;     i - "
                                   "радиус инерции;           A - площадь сечения;              "
                                   "S - статический момент полусечения."
                                << "";
    }
    void showsItsCaptionsAndToolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        if (auto* label = qobject_cast<QLabel*>(ui.control(name)))
            QCOMPARE(label->text(), text);
        else if (auto* check = qobject_cast<QCheckBox*>(ui.control(name)))
            QCOMPARE(check->text(), text);
        QCOMPARE(ui.control(name)->toolTip(), toolTip);
    }

    void calculatesTheDefaultCross()
    {
        ui.click("Command1");
        QCOMPARE(results(), localNumbers(Defaults));
        QCOMPARE(ui.window().unitFactor(), 10);
        QVERIFY(ui.services.messages.isEmpty());
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

    void ties_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("tied");
        QTest::addColumn<QStringList>("tiedControls");
        QTest::addColumn<QString>("sourceHint");
        QTest::addColumn<QString>("tiedSourceHint");
        QTest::newRow("H = B") << "Check2"
                               << "Text1"
                               << "Text3" << QStringList{"Label13", "Text3", "Label34"}
                               << "Длина горизонтального элемента"
                               << "Длина горизонтального и верт. элементов";
        QTest::newRow("h = b") << "Check1"
                               << "Text2"
                               << "Text4" << QStringList{"Label14", "Text4", "Label35"}
                               << "Толщина вертикального элемента"
                               << "Толщина элементов";
    }
    void ties()
    {
        QFETCH(QString, check);
        QFETCH(QString, source);
        QFETCH(QString, tied);
        QFETCH(QStringList, tiedControls);
        QFETCH(QString, sourceHint);
        QFETCH(QString, tiedSourceHint);
        const QString copied = ui.boxText(source);

        ui.click(check); // release: the box is the user's again, with the copied text
        for (const QString& name : tiedControls)
            QVERIFY2(ui.enabled(name), qPrintable(name));
        QCOMPARE(ui.boxText(tied), copied);
        QCOMPARE(ui.focused(), tied);
        QCOMPARE(ui.control(source)->toolTip(), sourceHint);
        QCOMPARE(accessibleText(ui.control(source), QAccessible::Description), sourceHint);
        ui.type(source, "7");
        QCOMPARE(ui.boxText(tied), copied); // no longer copied
        ui.type(tied, "3");

        ui.click(check); // tie again: copied at once and on every change of the source
        QCOMPARE(ui.boxText(tied), QString("7"));
        for (const QString& name : tiedControls)
            QVERIFY2(!ui.enabled(name), qPrintable(name));
        QCOMPARE(ui.focused(), source);
        QCOMPARE(ui.control(source)->toolTip(), tiedSourceHint);
        ui.type(source, local("8.5"));
        QCOMPARE(ui.boxText(tied), local("8.5"));
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
        ui.click("Command1");
        release("Check1");
        release("Check2");
        enter(sizes);
        ui.click("Command1");
        QCOMPARE(ui.services.messages, QStringList{message});
        QCOMPARE(results(), localNumbers(Defaults)); // a refused run changes no label
    }

    void tiedElementsAsThickAsLongAreRefused()
    {
        ui.type("Text1", "1");
        ui.click("Command1");
        QCOMPARE(ui.services.messages, QStringList{Proportions});
    }

    void switchingBeforeCalculatingOnlyRelabels()
    {
        ui.click("Option1");
        QCOMPARE(
            ui.texts({"Label32", "Label33", "Label34", "Label35", "Label40", "Label41", "Label36",
                      "Label37", "Label38", "Label39", "Label47", "Label48", "Label42"}),
            QStringList({"мм", "мм", "мм", "мм", "мм", "мм", "мм4", "мм4", "мм3", "мм3", "мм3",
                         "мм3", "мм2"}));
        QCOMPARE(inputs(), QStringList({"10", "1", "10", "1"}));
        QCOMPARE(results(), QStringList(10, QString()));
    }

    // Each box is converted once; a tied box ends with its source's text.
    void unitSwitchConvertsEachBoxOnce_data()
    {
        QTest::addColumn<bool>("lengthsTied");
        QTest::addColumn<bool>("thicknessesTied");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("millimetres");
        QTest::newRow("both tied") << true << true << QStringList{"10", "1", "", ""}
                                   << QStringList{"100", "10", "100", "10"};
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

    void unitSwitchShowsTheDefaultsInMillimetres()
    {
        ui.click("Command1");
        ui.click("Option1");
        QCOMPARE(results(), localNumbers({"840833.333", "840833.333", "16816.666", "16816.666",
                                          "21.036", "21.036", "1900", "13625", "13625", "14.915"}));
    }

    void refusedRunStillRecordsItsUnit()
    {
        ui.type("Text1", "0");
        ui.click("Command1");
        QCOMPARE(ui.services.messages, QStringList{WrongData});
        ui.type("Text1", "10");
        ui.click("Option1");
        QCOMPARE(inputs(), QStringList({"100", "10", "100", "10"}));
        QCOMPARE(ui.text("Label28"), QString("1900"));
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
        QWidget* widget = ui.control("Text1");
        for (const QString& name : expected) {
            QCOMPARE(widget->objectName(), name);
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus));
        }
    }
};

QTEST_MAIN(Form6Test)
#include "tst_form6.moc"
