// What velkor does before its menu opens: --help and --version answer without a display,
// and Qt's own dialogs and menus speak the user's language.
#include "qt_translations.h"
#include "velkor_version.h"

#include <QApplication>
#include <QLocale>
#include <QProcess>
#include <QTest>

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void qtSpeaksTheUsersLanguage()
    {
        const bool russian = QLocale().language() == QLocale::Russian;
        QCOMPARE(installQtTranslations(*qApp), russian);
        // the context menu of a text box, and the question of the print dialog
        const QString undo = QCoreApplication::translate("QLineEdit", "&Undo");
        const QString overwrite = QCoreApplication::translate(
            "QPrintDialog", "%1 already exists.\nDo you want to overwrite it?");
        QCOMPARE(undo != QLatin1String("&Undo"), russian);
        QCOMPARE(overwrite.contains(QStringLiteral("существует")), russian);
    }

    void optionsAnswerWithoutAWindow_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("start"); // of what it writes
        const QString version = QString::fromLatin1(velkor::VersionText);
        QTest::newRow("velkor --version") << VELKOR << "--version"
                                          << "velkor " + version + "\n";
        QTest::newRow("velkor --help") << VELKOR << "--help"
                                       << "usage: velkor ";
        QTest::newRow("velkor -h") << VELKOR << "-h"
                                   << "usage: velkor ";
        QTest::newRow("velkor-cli --version") << VELKOR_CLI << "--version"
                                              << "velkor-cli " + version + "\n";
    }
    void optionsAnswerWithoutAWindow()
    {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QString, start);
        // a window would need the X display, which is not there
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, {option});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError(), QByteArray());
        QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).startsWith(start));
    }
};

QTEST_MAIN(StartUpTest)
#include "tst_start_up.moc"
