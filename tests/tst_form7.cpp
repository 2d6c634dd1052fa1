// The I-section / T-section calculator driven as a user would drive it: the T/I switch,
// the flange ties with their chained handlers, the sketch and the unit switch.
#include "form7.h"
#include "form_test_support.h"
#include "recording_services.h"
#include "section_sketch.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

// A, Yc, Ix, Iy, Wx, Wy, ix, iy, Sx, Sy, weight.
const QString ResultNames[] = {"Label28", "Label51", "Label1",  "Label16", "Label24", "Label25",
                               "Label26", "Label27", "Label44", "Label45", "Label31"};

const QStringList DesignI = {"37.5",  "9.65",  "2555.071", "506.565", "264.774", "67.542",
                             "8.254", "3.675", "147.168",  "51.412",  "29.437"};
const QStringList DesignT = {"24.54", "4.791", "877.951", "253.456", "60.512", "33.794",
                             "5.981", "3.213", "63.15",   "26.14",   "19.263"};

// The centimetre written with a Latin "c" and with the Cyrillic "с".
const QString LatinCm = QStringLiteral("c\u043c");
const QString CyrillicCm = QStringLiteral("\u0441\u043c");

} // namespace

class Form7Test : public QObject {
    Q_OBJECT

    RecordingServices services;
    std::unique_ptr<ModalWindowGuard> guard;
    std::unique_ptr<Form7> form;

    template <typename T = QWidget> T* control(const QString& name) const
    {
        T* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString& label) const { return control<QLabel>(label)->text(); }
    QStringList results() const
    {
        QStringList shown;
        for (const QString& name : ResultNames)
            shown << text(name);
        return shown;
    }
    static QStringList localised(QStringList numbers)
    {
        for (QString& number : numbers)
            number = local(number);
        return numbers;
    }
    void click(const QString& name)
    {
        QWidget* widget = control(name);
        if (name.startsWith("Option") || name.startsWith("Check"))
            clickIndicator(widget);
        else
            QTest::mouseClick(widget, Qt::LeftButton);
    }
    void type(const QString& box, const QString& text) { typeInto(control(box), text); }
    QString boxText(const QString& box) const { return control<QLineEdit>(box)->text(); }
    bool ticked(const QString& check) const { return control<QCheckBox>(check)->isChecked(); }
    bool enabled(const QString& name) const { return control(name)->isEnabled(); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QLineF line(const QString& element) const { return form->sketch().element(element).line; }

private slots:
    void init()
    {
        services = RecordingServices();
        guard = std::make_unique<ModalWindowGuard>();
        form = std::make_unique<Form7>(services);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        QVERIFY2(guard->seen.isEmpty(), qPrintable(guard->seen.join(", ")));
    }

    void opensAsTheTiedISection()
    {
        QCOMPARE(form->windowTitle(), QString("Двутавровое сечение"));
        const QStringList boxes = {"Text7", "Text9", "Text8", "Text3", "Text1", "Text2", "Text5"};
        const QStringList texts = {"19.3", "15", "0.9", "0.6", "15", "0.9", "7850"};
        for (int k = 0; k < boxes.size(); ++k)
            QCOMPARE(boxText(boxes[k]), texts[k]);
        QVERIFY(!ticked("Check1"));
        QVERIFY(ticked("Check2") && ticked("Check3"));
        for (const char* flange2 : {"Text1", "Text2", "Label2", "Label3", "Label33", "Label34"})
            QVERIFY2(!enabled(flange2), flange2);
        for (const char* other : {"Text7", "Text9", "Text8", "Text3", "Check1", "Check2", "Check3"})
            QVERIFY2(enabled(other), other);
        QCOMPARE(results(), QStringList(11, QString()));
        QCOMPARE(control<QComboBox>("Combo1")->count(), 8);
        QCOMPARE(control<QComboBox>("Combo1")->currentText(), QString("1000"));
        QVERIFY(control<QRadioButton>("Option2")->isChecked());
        QCOMPARE(text("Label17"),
                 QString("I - момент инерции;         W - момент сопротивления;    "
                         "i - радиус инерции;            A - площадь сечения;             "
                         "S - статический момент полусечения;                          "
                         "Yc - расстояние до центра тяжести."));
        QCOMPARE(form->unitFactor(), 0);
    }

    void controlsCarryTheirCaptionsAndToolTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("H") << "Label59"
                           << "H="
                           << "";
        QTest::newRow("H box") << "Text7"
                               << ""
                               << "Высота сечения";
        QTest::newRow("B1") << "Label61"
                            << "B1="
                            << "";
        QTest::newRow("B1 box") << "Text9"
                                << ""
                                << "Ширина полки";
        QTest::newRow("tf1") << "Label60"
                             << "tf1="
                             << "";
        QTest::newRow("tf1 box") << "Text8"
                                 << ""
                                 << "Толщина полки";
        QTest::newRow("tw") << "Label13"
                            << "tw="
                            << "";
        QTest::newRow("tw box, with its trailing blank") << "Text3"
                                                         << ""
                                                         << "Толщина стенки ";
        QTest::newRow("B2") << "Label2"
                            << "B2="
                            << "";
        QTest::newRow("B2 box") << "Text1"
                                << ""
                                << "Ширина полки";
        QTest::newRow("tf2") << "Label3"
                             << "tf2="
                             << "";
        QTest::newRow("tf2 box") << "Text2"
                                 << ""
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
        QTest::newRow("Ix") << "Label1"
                            << ""
                            << "Момент инерции относительно оси \u0425";
        QTest::newRow("Ix caption") << "Label4"
                                    << "Ix="
                                    << "";
        QTest::newRow("Wy") << "Label25"
                            << ""
                            << "Момент сопротивления относительно Y";
        QTest::newRow("Sx") << "Label44"
                            << ""
                            << "Статический момент относительно оси \u0425";
        QTest::newRow("Yc") << "Label51"
                            << ""
                            << "Расстояние до центра тяжести";
        QTest::newRow("Yc caption") << "Label52"
                                    << "Yc="
                                    << "";
        QTest::newRow("weight") << "Label31"
                                << ""
                                << "Вес в кг/м. п.";
    }
    void controlsCarryTheirCaptionsAndToolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QWidget* widget = control(name);
        if (!caption.isEmpty()) {
            if (auto* label = qobject_cast<QLabel*>(widget))
                QCOMPARE(label->text(), caption);
            else
                QCOMPARE(qobject_cast<QCheckBox*>(widget)->text(), caption);
        }
        QCOMPARE(widget->toolTip(), toolTip);
    }

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
        const SketchElement& element = form->sketch().element(letter);
        QCOMPARE(element.text, text);
        QCOMPARE(form->sketch().toolTipAt(element.bounds.center()), toolTip);
    }

    void calculatesTheDefaultSections()
    {
        click("Command1");
        QCOMPARE(results(), localised(DesignI));
        QCOMPARE(form->unitFactor(), 10);
        click("Check1");
        QCOMPARE(results(), localised(DesignI)); // the switch neither clears nor recalculates
        click("Command1");
        QCOMPARE(results(), localised(DesignT));
        QVERIFY(services.messages.isEmpty());
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
        click(tie);
        type(box, local(value));
        click("Command1");
        QCOMPARE(results(), localised(expected));
        QVERIFY(services.messages.isEmpty());
    }

    void checksInTheirOrder_data()
    {
        QTest::addColumn<QStringList>("typed"); // box, text, box, text, …
        QTest::addColumn<QStringList>("released");
        QTest::addColumn<QString>("message");
        const QString wrong = "Введены ошибочные данные";
        const QString flanges = "Сумма tf1+tf2 должна быть меньше H";
        const QString web = "Толщина стенки tw должна быть меньше B1";
        QTest::newRow("empty B1, the others failing too")
            << QStringList{"Text9", "", "Text7", "1"} << QStringList() << wrong;
        QTest::newRow("no web") << QStringList{"Text3", "0"} << QStringList() << wrong;
        QTest::newRow("text for H") << QStringList{"Text7", "высота"} << QStringList() << wrong;
        QTest::newRow("negative tf1") << QStringList{"Text8", "-0.9"} << QStringList() << wrong;
        QTest::newRow("flanges exactly as high as H")
            << QStringList{"Text7", "1.8"} << QStringList() << flanges;
        QTest::newRow("web exactly as wide as B1")
            << QStringList{"Text3", "15"} << QStringList() << web;
        QTest::newRow("flanges before web")
            << QStringList{"Text7", "1.8", "Text3", "20"} << QStringList() << flanges;
        QTest::newRow("T-section flange as high as H")
            << QStringList{"Text7", "0.9"} << QStringList{"Check1"} << flanges;
        QTest::newRow("negative released B2")
            << QStringList{"Text1", "-15"} << QStringList{"Check2"} << wrong;
        QTest::newRow("negative released tf2")
            << QStringList{"Text2", "-0.9"} << QStringList{"Check3"} << wrong;
        QTest::newRow("absurdly large") << QStringList{"Text7", "1e200"} << QStringList() << wrong;
    }
    void checksInTheirOrder()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, released);
        QFETCH(QString, message);
        click("Command1");
        for (const QString& check : released)
            click(check);
        for (qsizetype k = 0; k < typed.size(); k += 2)
            type(typed[k], local(typed[k + 1]));
        click("Command1");
        QCOMPARE(services.messages, QStringList{message});
        QCOMPARE(results(), localised(DesignI)); // a refused run changes no label
    }

    void tiedFlange2FollowsFlange1()
    {
        type("Text9", "20");
        type("Text8", "1.1");
        QCOMPARE(boxText("Text1"), QString("20"));
        QCOMPARE(boxText("Text2"), QString("1.1"));
    }

    void releasingATieKeepsTheTextAndMovesTheFocus_data()
    {
        QTest::addColumn<QString>("tie");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("tied");
        QTest::addColumn<QStringList>("labels"); // and the tied box, enabled with it
        QTest::newRow("B2") << "Check2"
                            << "Text9"
                            << "Text1" << QStringList{"Label2", "Label33"};
        QTest::newRow("tf2") << "Check3"
                             << "Text8"
                             << "Text2" << QStringList{"Label3", "Label34"};
    }
    void releasingATieKeepsTheTextAndMovesTheFocus()
    {
        QFETCH(QString, tie);
        QFETCH(QString, source);
        QFETCH(QString, tied);
        QFETCH(QStringList, labels);
        const QStringList flange2 = labels << tied;
        click("Command1");
        type(source, "2");
        click(tie);
        QVERIFY(!ticked(tie));
        QCOMPARE(boxText(tied), QString("2"));
        QCOMPARE(focused(), tied);
        for (const QString& name : flange2)
            QVERIFY(enabled(name));
        type(tied, "3");
        type(source, "4");
        QCOMPARE(boxText(tied), QString("3")); // released: no longer a copy

        click(tie);
        QCOMPARE(boxText(tied), QString("4"));
        QCOMPARE(focused(), source);
        for (const QString& name : flange2)
            QVERIFY(!enabled(name));
        QCOMPARE(results(), localised(DesignI)); // a tie neither clears nor recalculates
    }

    void teeAfterReleasingTheTiesTiesThemAgain()
    {
        click("Check2");
        click("Check3");
        type("Text1", "12");
        type("Text2", "1.2");
        click("Check1");
        QCOMPARE(form->windowTitle(), QString("Тавровое сечение"));
        QVERIFY(ticked("Check2") && ticked("Check3"));
        QVERIFY(!enabled("Check2") && !enabled("Check3"));
        // the ties copied flange 1 first, then the T-section zeroed flange 2
        QCOMPARE(boxText("Text1"), QString("0"));
        QCOMPARE(boxText("Text2"), QString("0"));
        for (const char* flange2 : {"Text1", "Text2", "Label2", "Label3", "Label33", "Label34"})
            QVERIFY2(!enabled(flange2), flange2);
        QCOMPARE(focused(), QString("Text7"));
        click("Command1");
        QCOMPARE(results(), localised(DesignT));
    }

    void teeStillCopiesFlange1AndIReturnsTied()
    {
        click("Check1");
        type("Text9", "16");
        type("Text8", "1");
        QCOMPARE(boxText("Text1"), QString("16"));
        QCOMPARE(boxText("Text2"), QString("1"));
        type("Text9", "15");
        type("Text8", "0.9");
        click("Command1");
        QCOMPARE(results(), localised(DesignT)); // the copies are not read for the T-section

        click("Check1");
        QCOMPARE(form->windowTitle(), QString("Двутавровое сечение"));
        QVERIFY(ticked("Check2") && ticked("Check3"));
        QVERIFY(enabled("Check2") && enabled("Check3"));
        QCOMPARE(boxText("Text1"), QString("15"));
        QCOMPARE(boxText("Text2"), QString("0.9"));
        for (const char* flange2 : {"Text1", "Text2", "Label2", "Label3", "Label33", "Label34"})
            QVERIFY2(!enabled(flange2), flange2);
        QCOMPARE(focused(), QString("Text7"));
        click("Command1");
        QCOMPARE(results(), localised(DesignI));
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
            click(check);
        const SectionSketch& sketch = form->sketch();
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

    void unitLabelsFollowTheUnit_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("expected");
        // H, B1, tf1, tw, B2, tf2, Ix, Iy, Wx, Wy, ix, iy, A, Sx, Sy, Yc
        const QString cm = CyrillicCm;
        QTest::newRow("design") << QString()
                                << QStringList{cm,
                                               cm,
                                               cm,
                                               cm,
                                               cm,
                                               cm,
                                               cm + "4",
                                               cm + "4",
                                               cm + "3",
                                               cm + "3",
                                               cm,
                                               cm,
                                               cm + "2",
                                               LatinCm + "3",
                                               LatinCm + "3",
                                               cm};
        QTest::newRow("millimetre")
            << "Option1" << QStringList{"мм",  "мм",  "мм", "мм", "мм",  "мм",  "мм4", "мм4",
                                        "мм3", "мм3", "мм", "мм", "мм2", "мм3", "мм3", "мм"};
        QTest::newRow("metre") << "Option3"
                               << QStringList{"м",  "м",  "м", "м", "м",  "м",  "м4", "м4",
                                              "м3", "м3", "м", "м", "м2", "м3", "м3", "м"};
        // H, B1, tf1 and Yc write the centimetre with a Latin "c"
        QTest::newRow("centimetre again")
            << "Option1,Option2"
            << QStringList{LatinCm,  LatinCm,  LatinCm, cm, cm,       cm,       cm + "4", cm + "4",
                           cm + "3", cm + "3", cm,      cm, cm + "2", cm + "3", cm + "3", LatinCm};
    }
    void unitLabelsFollowTheUnit()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, expected);
        for (const QString& name : option.split(',', Qt::SkipEmptyParts))
            click(name);
        QStringList shown;
        for (const char* label : {"Label57", "Label56", "Label55", "Label32", "Label33", "Label34",
                                  "Label36", "Label37", "Label38", "Label39", "Label40", "Label41",
                                  "Label42", "Label47", "Label48", "Label50"})
            shown << text(label);
        QCOMPARE(shown, expected);
        // nothing calculated yet: nothing converted, nothing to show
        QCOMPARE(boxText("Text7"), QString("19.3"));
        QCOMPARE(results(), QStringList(11, QString()));
        QVERIFY(services.messages.isEmpty());
    }

    void unitSwitchConvertsEachBoxOnce()
    {
        click("Command1");
        click("Option1");
        const QStringList boxes = {"Text7", "Text9", "Text8", "Text3", "Text1", "Text2", "Text5"};
        QStringList shown;
        for (const QString& box : boxes)
            shown << boxText(box);
        QCOMPARE(shown, (QStringList{"193", "150", "9", "6", "150", "9", "7850"}));
        QCOMPARE(results(),
                 localised({"3750", "96.5", "25550712.5", "5065650", "264774.222", "67542",
                            "82.544", "36.753", "147168.75", "51412.5", "29.437"}));
        click("Option2");
        QCOMPARE(boxText("Text7"), local("19.3"));
        QCOMPARE(boxText("Text1"), QString("15"));
        QCOMPARE(results(), localised(DesignI));
    }

    void unitSwitchConvertsAReleasedFlange2ItsOwnWay()
    {
        click("Check2");
        type("Text1", "12");
        click("Command1");
        click("Option1");
        QCOMPARE(boxText("Text1"), QString("120"));
        QCOMPARE(boxText("Text9"), QString("150"));
        QCOMPARE(boxText("Text2"), QString("9"));
    }

    void unitSwitchInTheTSectionCopiesFlange1()
    {
        click("Check1");
        click("Command1");
        click("Option1");
        // the ties stay ticked for the T-section, so the converted flange 1 is copied
        QCOMPARE(boxText("Text1"), QString("150"));
        QCOMPARE(boxText("Text2"), QString("9"));
        QCOMPARE(text("Label51"), local("47.913"));
        QCOMPARE(text("Label24"), local("60512.187")); // at the stem's tip
    }

    void unitSwitchClearsYcWithTheOtherResults()
    {
        click("Command1");
        type("Text7", "0");
        click("Option1"); // converts, then the routine refuses
        QCOMPARE(services.messages, QStringList{"Введены ошибочные данные"});
        QStringList expected(10, QString());
        expected << local("29.437"); // the weight keeps its text
        QCOMPARE(results(), expected);
    }

    void controlsAreNamedForAssistiveTechnology()
    {
        QCOMPARE(accessibleText(control("Text7"), QAccessible::Name), QString("H="));
        QCOMPARE(accessibleText(control("Text7"), QAccessible::Description),
                 QString("Высота сечения"));
        QCOMPARE(accessibleText(control("Text1"), QAccessible::Name), QString("B2="));
        QCOMPARE(accessibleText(control("Check1"), QAccessible::Name), QString("Тавр\\Двутавр"));
        QCOMPARE(accessibleText(control("Check3"), QAccessible::Name), QString("tf2= tf1"));
        QCOMPARE(accessibleText(control("Label51"), QAccessible::Description),
                 QString("Yc= Расстояние до центра тяжести"));
        click("Command1");
        QCOMPARE(accessibleText(control("Label51"), QAccessible::Name), local("9.65"));
    }

    void tabOrderFollowsTheForm()
    {
        click("Check2"); // Text1 takes part only while released
        const QStringList expected = {"Text7",  "Text9",    "Text8",    "Text3",   "Text1",
                                      "Check1", "Check2",   "Check3",   "Combo1",  "Option2",
                                      "Text5",  "Command1", "Command3", "Command2"};
        QWidget* widget = control("Text7");
        for (const QString& name : expected) {
            QCOMPARE(widget->objectName(), name);
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() ||
                   widget->parentWidget() == control<QComboBox>("Combo1"));
        }
    }

    void exitKeepsTheChosenShape()
    {
        click("Check1");
        click("Command1");
        click("Command2");
        QVERIFY(!form->isVisible());
        form->show();
        QCOMPARE(form->windowTitle(), QString("Тавровое сечение"));
        QVERIFY(ticked("Check1"));
        QCOMPARE(results(), localised(DesignT));
    }
};

QTEST_MAIN(Form7Test)
#include "tst_form7.moc"
