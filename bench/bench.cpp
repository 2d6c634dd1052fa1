// velkor_bench: how long the calculation core and the calculator windows take.
//
//   velkor_bench [--quick] [--calc | --forms]
//
// One figure per line, "KIND NAME VALUE UNIT [WHAT]":
//   rolled every profile of a standard's table computed and its shown figures written, the
//          slowest profile's best of a few calls, in microseconds;
//   calc   one full calculation of each section of the catalogue in each of its shapes:
//          the design texts read with Val, the section computed, ToDisplay and every
//          shown figure and the weight written with FormatLocale; median over many
//          repetitions, in nanoseconds;
//   open   a calculator opened for the first time in the process, from the click on its
//          menu button until the form has been painted, in milliseconds;
//   reopen the same in a fresh menu (the process-wide first-use costs already paid),
//          median, in milliseconds;
//   click  a click on "Вычислить" until the result labels are written, median, in
//          microseconds;
//   card   a click on «Паспорт сечения» after the calculation until the card has been
//          painted, in milliseconds;
//   pdf    the card's report saved as a PDF file, in milliseconds.
// The calculators are the ones the menu enables, found by clicking its picture buttons,
// so a new form is measured as soon as the menu offers it. The windows are drawn offscreen
// unless QT_QPA_PLATFORM says otherwise. A calculator that refuses its own design values
// or does not appear is reported as "FAILED" and makes the exit status 1.

#include "bench_services.h"
#include "section_card_window.h"
#include "section_form.h"
#include "velkor.h"

#include "catalogue.h"
#include "numbers.h"
#include "sortament/rolled_section.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double nanosecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

bool anyFailure = false;

void report(const char* kind, const QString& name, double value, const char* unit,
            const QString& what = {})
{
    std::printf("%-6s %-20s %12.3f %-3s %s\n", kind, qPrintable(name), value, unit,
                qPrintable(what));
    std::fflush(stdout);
}

void reportFailure(const char* kind, const QString& name, const QString& why)
{
    anyFailure = true;
    std::printf("%-6s %-20s %12s %-3s %s\n", kind, qPrintable(name), "FAILED", "-",
                qPrintable(why));
    std::fflush(stdout);
}

// ---------------------------------------------------------------------------------------
// The calculation core

// A section of the catalogue in one of its shapes, with the calculator's design texts.
struct CalcCase {
    std::string name;
    const velkor::SectionEntry* entry;
    bool variant;
};

std::vector<CalcCase> calcCases()
{
    std::vector<CalcCase> cases;
    for (const velkor::SectionEntry& entry : velkor::Catalogue()) {
        cases.push_back({std::string(entry.key), &entry, false});
        if (entry.variant) {
            const std::string_view flag =
                entry.variant->flag.empty() ? entry.variant->chosenBy : entry.variant->flag;
            cases.push_back({std::string(entry.key) + "-" +
                                 std::string(flag.substr(flag.find_first_not_of('-'))),
                             &entry, true});
        }
    }
    return cases;
}

// One calculation as a calculator does it, from its texts read in centimetres to every
// figure written; the number of characters written, or 0 for a refusal, which the design
// values must never meet.
std::size_t calculateOnce(const CalcCase& c)
{
    using namespace velkor;
    constexpr LengthUnit unit = LengthUnit::Centimetre;
    const SectionOutcome outcome = Compute(*c.entry, DesignInput(*c.entry, c.variant, unit));
    const DisplaySettings settings{unit, ToRational(Val("7850")), ToRational(Val("1000"))};
    const auto shown = ToDisplay(outcome, settings);
    const auto* display = std::get_if<velkor::Display>(&shown);
    if (display == nullptr)
        return 0;
    std::size_t written = FormatLocale(display->weight, ',').size();
    for (const ShownFigure& figure : display->figures)
        written += FormatLocale(figure.value, ',').size();
    return written;
}

volatile std::size_t sink; // keeps the optimiser from dropping the calculations

void benchCalc(bool quick)
{
    for (const CalcCase& c : calcCases()) {
        if (calculateOnce(c) == 0) {
            reportFailure("calc", QString::fromStdString(c.name),
                          QStringLiteral("refused its design values"));
            continue;
        }
        // a batch of calls long enough for the clock's resolution not to matter
        constexpr int Calibration = 200;
        auto start = Clock::now();
        for (int k = 0; k < Calibration; ++k)
            sink = sink + calculateOnce(c);
        const double perCall = std::max(1.0, nanosecondsSince(start) / Calibration);
        const int batch = std::max(1, int(20'000 / perCall));
        const int batches = quick ? 21 : 301;
        std::vector<double> samples;
        samples.reserve(batches);
        for (int b = 0; b < batches; ++b) {
            start = Clock::now();
            for (int k = 0; k < batch; ++k)
                sink = sink + calculateOnce(c);
            samples.push_back(nanosecondsSince(start) / batch);
        }
        report("calc", QString::fromStdString(c.name), median(samples), "ns");
    }
}

// Every rolled profile's shown figures, from its table row to every figure written, as
// velkor-cli and the card compute them; each profile's best of a few calls (the first
// pays for nothing the others do not), and per standard the slowest profile, in
// microseconds.
void benchRolled(bool quick)
{
    using namespace velkor;
    const DisplaySettings settings{LengthUnit::Centimetre, ToRational(Val("7850")),
                                   ToRational(Val("1000"))};
    for (const sortament::Standard& standard : sortament::Standards()) {
        double slowest = 0;
        std::string which;
        for (const sortament::Profile& profile : sortament::ProfilesOf(standard)) {
            double best = 1e300;
            for (int run = 0; run < (quick ? 3 : 5); ++run) {
                const auto start = Clock::now();
                const auto shown = ToDisplay(sortament::ComputeProfile(profile), settings);
                const auto* display = std::get_if<velkor::Display>(&shown);
                if (display == nullptr) {
                    reportFailure("rolled", QString::fromStdString(std::string(standard.key)),
                                  QString::fromStdString(std::get<Refusal>(shown).message));
                    return;
                }
                std::size_t written = FormatLocale(display->weight, ',').size();
                for (const ShownFigure& figure : display->figures)
                    written += FormatLocale(figure.value, ',').size();
                sink = sink + written;
                best = std::min(best, nanosecondsSince(start));
            }
            if (best > slowest) {
                slowest = best;
                which = std::string(profile.designation());
            }
        }
        report("rolled", QString::fromStdString(std::string(standard.key)), slowest / 1000, "us",
               QString::fromStdString("slowest: " + which));
    }
}

// ---------------------------------------------------------------------------------------
// The calculator windows

SectionForm* formOf(QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget ? qobject_cast<SectionForm*>(widget->window()) : nullptr;
}

// Notes every paint event of a calculator window or of a widget in one, and of a section
// card.
class PaintWatcher : public QObject {
public:
    std::set<QWidget*> paintedWindows;
    bool menuPainted = false;
    QWidget* menu = nullptr;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (SectionForm* form = formOf(watched))
                paintedWindows.insert(form);
            else if (widget && qobject_cast<SectionCardWindow*>(widget->window()))
                paintedWindows.insert(widget->window());
            else if (menu && watched == menu)
                menuPainted = true;
        }
        return false;
    }
};

template <typename Done> bool processEventsUntil(Done done)
{
    QElapsedTimer timeout;
    timeout.start();
    while (!done()) {
        if (timeout.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

// The menu's enabled picture buttons, in menu order: one per available calculator.
QList<QPushButton*> sectionButtons(const Velkor& menu)
{
    QList<QPushButton*> buttons;
    for (QPushButton* button : menu.findChildren<QPushButton*>())
        if (button->isEnabled() && button->text().isEmpty() && !button->icon().isNull())
            buttons << button;
    return buttons;
}

std::set<SectionForm*> visibleSectionForms()
{
    std::set<SectionForm*> forms;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<SectionForm*>(window); form && form->isVisible())
            forms.insert(form);
    return forms;
}

// Clicks `button` and waits until the calculator it shows has been painted; the time in
// milliseconds, or a negative value when no calculator appears. Every calculator measured
// before is hidden, so the one visible now is the one the click opened.
double timeOpening(QPushButton* button, PaintWatcher& watcher, SectionForm*& opened)
{
    const std::set<SectionForm*> before = visibleSectionForms();
    watcher.paintedWindows.clear();
    const auto start = Clock::now();
    button->click();
    opened = nullptr;
    for (SectionForm* form : visibleSectionForms())
        if (!before.count(form))
            opened = form;
    SectionForm* form = opened;
    if (form == nullptr ||
        !processEventsUntil([&] { return watcher.paintedWindows.count(form) != 0; }))
        return -1;
    return nanosecondsSince(start) / 1e6;
}

// The framed, selectable labels the results are written to.
QList<QLabel*> resultLabels(const SectionForm& form)
{
    QList<QLabel*> labels;
    for (QLabel* label : form.findChildren<QLabel*>())
        if (label->textInteractionFlags() & Qt::TextSelectableByMouse)
            labels << label;
    return labels;
}

QPushButton* calculateButton(const SectionForm& form)
{
    for (QPushButton* button : form.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Вычислить"))
            return button;
    return nullptr;
}

// The median time of a click on "Вычислить" until it returns, the labels written; each
// click starts from empty labels, as after a unit switch, so every label really changes.
double timeCalculation(SectionForm& form, BenchServices& services, int clicks, QString& why)
{
    QPushButton* calculate = calculateButton(form);
    const QList<QLabel*> labels = resultLabels(form);
    if (calculate == nullptr || labels.isEmpty()) {
        why = QStringLiteral("no \"Вычислить\" or no result labels");
        return -1;
    }
    services.errors.clear();
    std::vector<double> samples;
    for (int k = 0; k < clicks; ++k) {
        for (QLabel* label : labels)
            label->clear();
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        calculate->click();
        samples.push_back(nanosecondsSince(start) / 1e3);
        if (!services.errors.isEmpty()) {
            why = QStringLiteral("refused its design values: ") + services.errors.first();
            return -1;
        }
        if (std::all_of(labels.begin(), labels.end(),
                        [](QLabel* l) { return l->text().isEmpty(); })) {
            why = QStringLiteral("wrote no result");
            return -1;
        }
    }
    return median(samples);
}

// A click on «Паспорт сечения» until the card has been painted, in milliseconds; then its
// report saved as a PDF, from the click until the file is written, in milliseconds.
void benchCard(SectionForm& form, PaintWatcher& watcher, BenchServices& services,
               const QString& name, const QString& folder)
{
    auto* button = form.findChild<QPushButton*>(QStringLiteral("CommandCard"));
    if (button == nullptr || !button->isEnabled()) {
        reportFailure("card", name, QStringLiteral("no «Паспорт сечения» to press"));
        return;
    }
    watcher.paintedWindows.clear();
    const auto start = Clock::now();
    button->click();
    SectionCardWindow* card = form.sectionCard();
    if (card == nullptr ||
        !processEventsUntil([&] { return watcher.paintedWindows.count(card) != 0; })) {
        reportFailure("card", name, QStringLiteral("no card was painted"));
        return;
    }
    report("card", name, nanosecondsSince(start) / 1e6, "ms", form.windowTitle());

    services.pdfPath = folder + QStringLiteral("/") + name + QStringLiteral(".pdf");
    const auto saving = Clock::now();
    card->savePdf();
    const double ms = nanosecondsSince(saving) / 1e6;
    if (!QFileInfo(services.pdfPath).isFile() || !services.errors.isEmpty())
        reportFailure("pdf", name,
                      QStringLiteral("no PDF was written ") + services.errors.join(' '));
    else
        report("pdf", name, ms, "ms", form.windowTitle());
    card->close();
}

void benchForms(bool quick)
{
    BenchServices services;
    PaintWatcher watcher;
    qApp->installEventFilter(&watcher);

    const QTemporaryDir pdfFolder;
    auto menu = std::make_unique<Velkor>(services);
    watcher.menu = menu.get();
    menu->show();
    if (!processEventsUntil([&] { return watcher.menuPainted; })) {
        reportFailure("open", QStringLiteral("menu"), QStringLiteral("the menu was never painted"));
        return;
    }

    // First openings, in menu order, each followed by its calculations.
    const QList<QPushButton*> buttons = sectionButtons(*menu);
    if (buttons.isEmpty())
        reportFailure("open", QStringLiteral("menu"), QStringLiteral("no calculator is enabled"));
    QStringList names;
    for (QPushButton* button : buttons) {
        const QString name = button->objectName();
        names << name;
        SectionForm* form = nullptr;
        const double ms = timeOpening(button, watcher, form);
        if (ms < 0) {
            reportFailure("open", name, QStringLiteral("no calculator was painted"));
            continue;
        }
        report("open", name, ms, "ms", form->windowTitle());
        QString why;
        const double us = timeCalculation(*form, services, quick ? 10 : 200, why);
        if (us < 0)
            reportFailure("click", name, why);
        else
            report("click", name, us, "us", form->windowTitle());
        benchCard(*form, watcher, services, name, pdfFolder.path());
        form->hide();
    }

    // Openings in fresh menus: what building a calculator costs by itself.
    std::map<QString, std::vector<double>> reopenings;
    const int menus = quick ? 1 : 7;
    for (int m = 0; m < menus; ++m) {
        menu = std::make_unique<Velkor>(services);
        watcher.menu = menu.get();
        watcher.menuPainted = false;
        menu->show();
        processEventsUntil([&] { return watcher.menuPainted; });
        for (QPushButton* button : sectionButtons(*menu)) {
            SectionForm* form = nullptr;
            const double ms = timeOpening(button, watcher, form);
            if (ms >= 0)
                reopenings[button->objectName()].push_back(ms);
            if (form)
                form->hide();
        }
        watcher.menu = nullptr;
        menu.reset(); // and with it every calculator it opened
        QCoreApplication::processEvents();
    }
    for (const QString& name : names)
        if (!reopenings[name].empty())
            report("reopen", name, median(reopenings[name]), "ms");
    qApp->removeEventFilter(&watcher);
}

} // namespace

int main(int argc, char* argv[])
{
    bool quick = false;
    bool calc = true;
    bool forms = true;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--quick") == 0) {
            quick = true;
        } else if (std::strcmp(argv[k], "--calc") == 0) {
            forms = false;
        } else if (std::strcmp(argv[k], "--forms") == 0) {
            calc = false;
        } else {
            std::fprintf(stderr, "usage: velkor_bench [--quick] [--calc | --forms]\n");
            return 64;
        }
    }
    if (calc) {
        benchCalc(quick);
        benchRolled(quick);
    }
    if (forms) {
        // the offscreen platform's notes on what it cannot do would drown the figures
        qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& message) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    std::fprintf(stderr, "%s\n", qPrintable(message));
            });
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        benchForms(quick);
    }
    return anyFailure ? 1 : 0;
}
