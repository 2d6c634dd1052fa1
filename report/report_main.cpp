// velkor-report: the section card of one velkor-cli call, as a one-page PDF. velkor-cli
// starts it for --report with its own command line; the page is the one the calculators'
// section card prints.
#include "report_pdf.h"
#include "request.h"
#include "velkor_version.h"

#include <QDate>
#include <QGuiApplication>

#include <iostream>

using namespace velkor::cli;

int main(int argc, char* argv[])
{
    constexpr int Refused = 2, UsageFailure = 64, WriteFailure = 74;
    const auto parsed = ParseRequest(std::vector<std::string>(argv + 1, argv + argc));
    const auto* request = std::get_if<Request>(&parsed);
    if (request == nullptr || !request->report) {
        std::cerr << "velkor-report: usage: velkor-report SECTION ... --report FILE\n";
        return UsageFailure;
    }
    const auto card = velkor::MakeCard(CardRequestOf(*request), '.');
    if (const auto* refusal = std::get_if<velkor::Refusal>(&card)) {
        std::cerr << refusal->message << '\n';
        return Refused;
    }
    // a page, not a window: no display is needed, and Qt's notes on the desktop it does not
    // use (no runtime folder, …) are no concern of the user's; failures are told below
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << message.toStdString() << '\n';
    });
    QGuiApplication application(argc, argv);
    const report::ReportHeading heading{
        QStringLiteral("Velkor ") + QString::fromLatin1(velkor::VersionText), QDate::currentDate()};
    if (report::WriteReportPdf(std::get<velkor::SectionCard>(card), heading,
                               QString::fromLocal8Bit(*request->report))) {
        std::cerr << "velkor-cli: cannot write the report to '" << *request->report << "'\n";
        return WriteFailure;
    }
    return 0;
}
