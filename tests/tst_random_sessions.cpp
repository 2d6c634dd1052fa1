// Thousands of random things a user can do on every calculator, with the promises checked
// after each: no "inf" or "nan" anywhere, tied boxes showing their source, unit labels
// naming the selected unit, results complete or empty and equal to a fresh calculation,
// a refused calculation changing nothing, a copy that is the form's table cell for cell
// whatever was pasted into its boxes, a print that makes its PDF file, a section card that
// holds the results on show whenever it is open, and no Qt warning besides the few the
// offscreen platform always gives.
//
// Each session names its seed before its first action; VELKOR_SEED=N replays a failing
// session (the failure message names its seed too); VELKOR_SESSION_ACTIONS=N sets the
// number of actions per calculator, and QtTest's watchdog allows time in proportion.
#include "form_test_support.h"
#include "recording_services.h"
#include "section_card_window.h"
#include "section_form.h"
#include "velkor.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

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

// Texts a user may paste: tabs and line breaks of every kind, numbers longer than any
// box shows, characters that are no part of a number.
const QStringList OddPastes = {"12\t5",
                               "3\n4",
                               "1,5\r\n",
                               "7\u20288",
                               "\u2029"
                               "2",
                               "9\u0085",
                               "1234567890123456789012345678901234567890123456789012345678901234",
                               "0.000000000000000000000000000000000000000000000000000000000001",
                               "1e99999999999999999999",
                               "-1e-99999999999999999999",
                               QString(QChar(0xD800)) + "5",
                               "\uFFFD",
                               "\u0663\u0664",
                               "\uFF11\uFF12",
                               "\u22125",
                               "5\x01\x1b[2J"};

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

int sessionActions()
{
    return environmentNumber("VELKOR_SESSION_ACTIONS", 1500);
}

// What the offscreen platform says about every window it cannot raise or size: nothing
// the program can change. Any other warning is the program's, and fails the session.
bool knownPlatformWarning(QtMsgType type, const QString& message)
{
    return type == QtWarningMsg &&
           (message.startsWith(QStringLiteral("This plugin does not support ")) ||
            message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")));
}

QtMessageHandler qtTestHandler = nullptr;
QStringList unexpectedWarnings;

void filterWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (knownPlatformWarning(type, message))
        return;
    if (type == QtWarningMsg || type == QtCriticalMsg)
        unexpectedWarnings << message;
    qtTestHandler(type, context, message);
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
    QTemporaryDir printFolder;

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

    // A box the user can type into, and its name for the record of actions.
    std::pair<QLineEdit*, QString> someBox(const SectionForm* form)
    {
        const auto boxes = usable<QLineEdit>(form);
        QLineEdit* box = boxes[random.bounded(boxes.size())];
        return {box, box->objectName().isEmpty() ? QStringLiteral("Combo1") : box->objectName()};
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

    // The copy is a title line and one line of three cells per row, the shown results
    // among them (the title is the one of the shape calculated, which may since have been
    // switched).
    void checkCopy(const SectionForm* form)
    {
        const QString text = QGuiApplication::clipboard()->text();
        QVERIFY2(text.endsWith('\n'), qPrintable(failure("the copy does not end a line")));
        const QStringList lines = text.chopped(1).split('\n');
        QVERIFY2(!lines[0].isEmpty() && !lines[0].contains('\t'),
                 qPrintable(failure("the copy has no title line: " + lines[0])));
        for (const QString& line : lines.mid(1))
            QVERIFY2(line.count('\t') == 2,
                     qPrintable(failure("a copied row of other than three cells: " + line)));
        for (const QLabel* label : form->resultLabels())
            QVERIFY2(label->text().isEmpty() || text.contains('\t' + label->text() + '\t'),
                     qPrintable(failure("the copy lacks " + label->objectName())));
    }

    // An open section card holds the results on show, and is not open while there are none.
    void checkCard(const SectionForm* form)
    {
        const SectionCardWindow* card = form->sectionCard();
        if (card == nullptr || !card->isVisible())
            return;
        QVERIFY2(!form->resultLabels().front()->text().isEmpty(),
                 qPrintable(failure("the section card is open without results")));
        QStringList values;
        for (const velkor::CardRow& row : card->card().rows)
            values << QString::fromStdString(row.value);
        for (const QLabel* label : form->resultLabels())
            QVERIFY2(label->isHidden() || values.removeOne(label->text()),
                     qPrintable(
                         failure("the card lacks " + label->objectName() + " = " + label->text())));
        QVERIFY2(values.contains(form->weightResult()->text()),
                 qPrintable(failure("the card lacks the weight " + form->weightResult()->text())));
    }

    void checkPrint(const RecordingServices& services, qsizetype titledBefore)
    {
        QFile pdf(services.pdfPath);
        QVERIFY2(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-",
                 qPrintable(failure("no PDF file was printed")));
        QVERIFY2(services.titledMessages.size() == titledBefore + 1 &&
                     services.titledMessages.last().second.endsWith(services.pdfPath),
                 qPrintable(failure("the print did not say where it went")));
        pdf.remove();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(printFolder.isValid());
        qtTestHandler = qInstallMessageHandler(filterWarnings);
    }

    void cleanupTestCase() { qInstallMessageHandler(qtTestHandler); }

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
        qInfo("%s: seed %u", qPrintable(button), seed); // before anything can go wrong
        lastActions.clear();
        unexpectedWarnings.clear();

        RecordingServices services;
        services.pdfPath = printFolder.filePath(QStringLiteral("session.pdf"));
        ModalWindowGuard guard;
        Velkor menu(services);
        SectionForm* form = menu.showSectionForm(button);
        QVERIFY(form);
        const int actions = sessionActions();

        for (int step = 0; step < actions; ++step) {
            const QStringList before = shownResults(form);
            const qsizetype messagesBefore = services.messages.size();
            bool calculated = false;
            bool unitSwitch = false;
            const qsizetype titledBefore = services.titledMessages.size();
            bool copied = false;
            bool printed = false;
            QString action;
            switch (random.bounded(13)) {
            case 0:
            case 1: {
                const auto [box, name] = someBox(form);
                const QString text = randomText();
                action = "type '" + text + "' into " + name;
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
            case 8:
                action = "copy";
                form->findChild<QAction*>(QStringLiteral("CopyResults"))->trigger();
                copied = true;
                break;
            case 9: {
                const auto [box, name] = someBox(form);
                const QString text = OddPastes[random.bounded(OddPastes.size())];
                action = "paste '" + text.toHtmlEscaped() + "' into " + name;
                QGuiApplication::clipboard()->setText(text);
                box->setFocus();
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                break;
            }
            case 10:
                action = "print";
                QTest::mouseClick(form->findChild<QWidget*>(QStringLiteral("Command3")),
                                  Qt::LeftButton);
                printed = true;
                break;
            case 11: {
                auto* open = form->findChild<QPushButton*>(QStringLiteral("CommandCard"));
                if (!open->isEnabled())
                    continue;
                action = "open the section card";
                QTest::mouseClick(open, Qt::LeftButton);
                QVERIFY2(form->sectionCard() && form->sectionCard()->isVisible(),
                         qPrintable(failure("the section card did not open")));
                break;
            }
            case 12: {
                SectionCardWindow* card = form->sectionCard();
                if (card == nullptr || !card->isVisible())
                    continue;
                action = "close the section card";
                QTest::mouseClick(card->findChild<QWidget*>(QStringLiteral("Close")),
                                  Qt::LeftButton);
                break;
            }
            }
            lastActions.push_back(QString::number(step) + ": " + action);
            if (lastActions.size() > 12)
                lastActions.pop_front();
            checkInvariants(form);
            checkCard(form);
            if (copied)
                checkCopy(form);
            if (printed)
                checkPrint(services, titledBefore);
            QVERIFY2(unexpectedWarnings.isEmpty(),
                     qPrintable(failure("Qt warned: " + unexpectedWarnings.join(" | "))));
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

int main(int argc, char* argv[])
{
    // QtTest's watchdog ends a test function that runs longer than QTEST_FUNCTION_TIMEOUT
    // (5 minutes unless set): a long session gets time in proportion to its actions.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv(
            "QTEST_FUNCTION_TIMEOUT",
            QByteArray::number(std::max(300000LL, 20LL * MenuButtons.size() * sessionActions())));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    RandomSessionsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_random_sessions.moc"
