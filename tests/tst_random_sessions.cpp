// Thousands of random things a user can do on every calculator, with the promises checked
// after each: no "inf" or "nan" anywhere, tied boxes showing their source, unit labels
// naming the selected unit, results complete or empty and equal to a fresh calculation,
// and a refused calculation changing nothing.
//
// VELKOR_SEED=N replays a failing session (the failure message names its seed);
// VELKOR_SESSION_ACTIONS=N sets the number of actions per calculator.
#include "form_test_support.h"
#include "recording_services.h"
#include "section_form.h"
#include "velkor.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

#include <algorithm>
#include <deque>

namespace {

const QStringList MenuButtons = {"Command3", "Command2",  "Command5",  "Command7", "Command8",
                                 "Command9", "Command10", "Command11", "Command12"};

// Pieces a user might type. The letters leave out i, n, f and a, so that "inf" or "nan" on
// the form can only come from the program.
const QStringList Pieces = {"0",         "1",   "2",     "5",      "7",
                            "9",         "12",  ".",     ",",      " ",
                            "-",         "e",   "E",     "x",      "Д",
                            "ж",         "&H",  "1e308", "1e-300", "123456789012345678901234567890",
                            "0.0000001", "3,7", "14.2"};

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

template <typename Widget> QList<Widget*> usable(const SectionForm* form)
{
    QList<Widget*> found;
    for (Widget* widget : form->findChildren<Widget*>())
        if (widget->isEnabled() && widget->isVisible())
            found << widget;
    return found;
}

} // namespace

class RandomSessionsTest : public QObject {
    Q_OBJECT

    QRandomGenerator random;
    std::deque<QString> lastActions;
    QString seedNote;

    QString failure(const QString& what) const
    {
        QStringList actions(lastActions.begin(), lastActions.end());
        return QStringLiteral("%1 (%2; last actions: %3)").arg(what, seedNote, actions.join(" | "));
    }

    static QStringList shownResults(const SectionForm* form)
    {
        QStringList texts;
        for (const QLabel* label : form->resultLabels())
            texts << label->text();
        texts << form->weightResult()->text();
        return texts;
    }

    static QString unitPrefix(velkor::LengthUnit unit)
    {
        switch (unit) {
        case velkor::LengthUnit::Millimetre:
            return QStringLiteral("мм");
        case velkor::LengthUnit::Centimetre:
            return QStringLiteral("см");
        case velkor::LengthUnit::Metre:
            break;
        }
        return QStringLiteral("м");
    }

    QString randomText()
    {
        QString text;
        const int pieces = random.bounded(1, 5);
        for (int k = 0; k < pieces; ++k)
            text += Pieces[random.bounded(Pieces.size())];
        return text;
    }

    void checkInvariants(const SectionForm* form)
    {
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            const QString text = label->text().toLower();
            QVERIFY2(!text.contains("inf") && !text.contains("nan"),
                     qPrintable(failure(label->objectName() + " shows " + label->text())));
        }
        for (const QLineEdit* box : form->findChildren<QLineEdit*>()) {
            const QString text = box->text().toLower();
            QVERIFY2(!text.contains("inf") && !text.contains("nan"),
                     qPrintable(failure(box->objectName() + " holds " + box->text())));
        }
        for (const SectionForm::TieView& tie : form->ties()) {
            // a tie the section's variant has set aside (the T-section's flange 2) is off
            if (!tie.check->isChecked() || !tie.check->isEnabled())
                continue;
            QVERIFY2(tie.tied->text() == tie.source->text(),
                     qPrintable(failure(tie.tied->objectName() + " does not mirror " +
                                        tie.source->objectName())));
            QVERIFY2(!tie.tied->isEnabled(),
                     qPrintable(failure(tie.tied->objectName() + " is tied but enabled")));
        }
        const QString prefix = unitPrefix(form->selectedUnit());
        for (const QLabel* unit : form->unitLabelWidgets()) {
            QString text = unit->text();
            text.replace(QChar(u'c'), QChar(u'с')); // a few labels spell centimetres with a Latin c
            const bool names = text.startsWith(prefix) && (prefix != QStringLiteral("м") ||
                                                           !text.startsWith(QStringLiteral("мм")));
            QVERIFY2(names || text == QStringLiteral("°"),
                     qPrintable(failure(unit->objectName() + " reads " + unit->text() + " for " +
                                        prefix)));
        }
        int empty = 0;
        const auto labels = form->resultLabels();
        for (const QLabel* label : labels)
            empty += label->text().isEmpty();
        QVERIFY2(empty == 0 || empty == int(labels.size()),
                 qPrintable(failure(QStringLiteral("a mix of shown and empty results"))));
    }

    // After a calculation: a refusal changed nothing (a unit switch has cleared the results
    // before, and keeps only the weight); shown results are what a fresh calculation from
    // the visible inputs gives.
    void checkCalculation(SectionForm* form, RecordingServices& services, const QStringList& before,
                          qsizetype messagesBefore, bool afterUnitSwitch)
    {
        const QStringList after = shownResults(form);
        if (services.messages.size() > messagesBefore) {
            QStringList expected = before;
            if (afterUnitSwitch)
                std::fill(expected.begin(), expected.end() - 1, QString());
            QVERIFY2(after == expected,
                     qPrintable(failure("a refused calculation changed labels")));
            return;
        }
        if (form->resultLabels().front()->text().isEmpty())
            return;
        form->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QVERIFY2(services.messages.size() == messagesBefore,
                 qPrintable(failure("recalculating the shown inputs was refused: " +
                                    services.messages.value(messagesBefore))));
        QVERIFY2(shownResults(form) == after,
                 qPrintable(failure("results differ from a fresh calculation")));
    }

private slots:
    void session_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<quint32>("seed");
        const quint32 base = quint32(environmentNumber("VELKOR_SEED", 20261210));
        for (int k = 0; k < MenuButtons.size(); ++k)
            QTest::newRow(qPrintable(MenuButtons[k])) << MenuButtons[k] << base + quint32(k);
    }

    void session()
    {
        QFETCH(QString, button);
        QFETCH(quint32, seed);
        random.seed(seed);
        seedNote = QStringLiteral("replay with VELKOR_SEED=%1 on row 0, or seed %2 on this row")
                       .arg(seed)
                       .arg(seed);
        lastActions.clear();

        RecordingServices services;
        ModalWindowGuard guard;
        Velkor menu(services);
        SectionForm* form = menu.showSectionForm(button);
        QVERIFY(form);
        const int actions = environmentNumber("VELKOR_SESSION_ACTIONS", 1500);

        for (int step = 0; step < actions; ++step) {
            const QStringList before = shownResults(form);
            const qsizetype messagesBefore = services.messages.size();
            bool calculated = false;
            bool unitSwitch = false;
            QString action;
            switch (random.bounded(8)) {
            case 0:
            case 1: {
                const auto boxes = usable<QLineEdit>(form);
                QLineEdit* box = boxes[random.bounded(boxes.size())];
                const QString text = randomText();
                action =
                    "type '" + text + "' into " +
                    (box->objectName().isEmpty() ? QStringLiteral("Combo1") : box->objectName());
                typeInto(box, text);
                break;
            }
            case 2: {
                const auto checks = usable<QCheckBox>(form);
                if (checks.isEmpty())
                    continue;
                QCheckBox* check = checks[random.bounded(checks.size())];
                action = "toggle " + check->objectName();
                clickIndicator(check);
                break;
            }
            case 3: {
                const auto options = usable<QRadioButton>(form);
                QRadioButton* option = options[random.bounded(options.size())];
                action = "pick " + option->objectName();
                // the switch converts and recalculates only after a calculation in another unit
                const velkor::LengthUnit unitBefore = form->selectedUnit();
                const int factorBefore = form->unitFactor();
                clickIndicator(option);
                const int factorNow = velkor::UnitFactorOf(form->selectedUnit());
                unitSwitch = calculated = form->selectedUnit() != unitBefore && factorBefore != 0 &&
                                          factorBefore != factorNow;
                break;
            }
            case 4: {
                auto* list = form->findChild<QComboBox*>(QStringLiteral("Combo1"));
                const bool down = random.bounded(2) == 0;
                action = down ? "next precision" : "previous precision";
                list->setFocus();
                const int entryBefore = list->currentIndex();
                QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
                calculated = list->currentIndex() != entryBefore; // nothing to pick past the ends
                break;
            }
            case 5:
            case 6:
                action = "calculate";
                QTest::mouseClick(form->findChild<QWidget*>(QStringLiteral("Command1")),
                                  Qt::LeftButton);
                calculated = true;
                break;
            case 7:
                action = "exit and reopen";
                QTest::mouseClick(form->findChild<QWidget*>(QStringLiteral("Command2")),
                                  Qt::LeftButton);
                form = menu.showSectionForm(button);
                break;
            }
            lastActions.push_back(QString::number(step) + ": " + action);
            if (lastActions.size() > 12)
                lastActions.pop_front();
            checkInvariants(form);
            if (QTest::currentTestFailed())
                return;
            if (calculated)
                checkCalculation(form, services, before, messagesBefore, unitSwitch);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY2(guard.seen.isEmpty(), qPrintable(guard.seen.join(", ")));
    }
};

QTEST_MAIN(RandomSessionsTest)
#include "tst_random_sessions.moc"
