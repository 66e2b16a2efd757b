// Long session: one Zelvane recalculation, its log line included, with 20,000
// lines in the log against 20 lines, set beside the same growth of a bare
// rich-text QTextEdit that appends the same lines.
#include "benchmarks.h"
#include "settle.h"
#include "wattlan.h"

#include <QDir>
#include <QScrollBar>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int LongLog = 20000;
constexpr int ShortLog = 20;
// Recalculations that each repetition makes before it starts timing.
constexpr int WarmUpLines = 3;

// A log line as the Zelvane recalculation writes it.
const QString LogLine
    = QStringLiteral("Length = 14 Power = 18 Current = 0.157895 VDrop = 0.0341053");

int lineCount(const QTextEdit *log)
{
    return log->document()->blockCount();
}

// The main window with its message log.
struct AppSession
{
    std::unique_ptr<Wattlan> window;
    QTextEdit *log = nullptr;

    explicit AppSession(const QString &catalogue)
        : window(std::make_unique<Wattlan>(QDir(catalogue)))
    {
        window->show();
        settleEvents();
        log = window->findChild<QTextEdit *>(QStringLiteral("m_messageBox"));
    }

    // False when a recalculation writes nothing to the log.
    bool addLine()
    {
        const int before = lineCount(log);
        window->ZV_Update();
        return lineCount(log) > before;
    }
};

// A bare QTextEdit set up as the form sets up the log, at the log's size,
// taking each line with append() and scrolled to its end after each.
struct BareSession
{
    std::unique_ptr<QTextEdit> edit = std::make_unique<QTextEdit>();
    QTextEdit *log = edit.get();

    explicit BareSession(const QSize &size)
    {
        log->setReadOnly(true);
        log->setAcceptRichText(true);
        log->resize(size);
        log->show();
        settleEvents();
    }

    bool addLine()
    {
        log->setTextColor(QColor(0, 0, 0, 255));
        log->append(LogLine);
        QScrollBar *bar = log->verticalScrollBar();
        bar->setValue(bar->maximum());
        return true;
    }
};

// Adds lines until the log holds `lines`, then lets the window catch up.
template<typename Session> bool fill(Session &session, int lines)
{
    while (lineCount(session.log) < lines) {
        if (!session.addLine())
            return false;
    }
    settleEvents();
    return true;
}

// What the sessions share over the whole run; released before the
// application object goes.
struct SessionState
{
    QString catalogue;
    std::unique_ptr<AppSession> longApp;
    std::unique_ptr<BareSession> longBare;
    QSize logSize;

    QSize sizeOfLog()
    {
        if (logSize.isEmpty())
            logSize = AppSession(catalogue).log->size();
        return logSize;
    }
};

SessionState &sessionState()
{
    static SessionState state;
    return state;
}

// Times one line (a recalculation, or an append) and the window catching up.
template<typename Session> void timeLines(benchmark::State &state, Session &session, bool &failed)
{
    for (auto _ : state) {
        const bool added = session.addLine();
        settleEvents();
        if (!added) {
            failed = true;
            state.SkipWithError("the Zelvane recalculation wrote no line to the log");
            break;
        }
    }
}

// Makes the session of `lines` lines, warms it up, and times its lines.
template<typename Session> void measure(benchmark::State &state, Session &session, int lines)
{
    bool failed = !fill(session, lines - WarmUpLines);
    for (int i = 0; i < WarmUpLines && !failed; ++i) {
        failed = !session.addLine();
        settleEvents();
    }
    if (failed) {
        state.SkipWithError("the Zelvane recalculation wrote no line to the log");
        for (auto _ : state) { }
        return;
    }
    timeLines(state, session, failed);
}

void appSession(benchmark::State &state, int lines)
{
    SessionState &shared = sessionState();
    if (lines == ShortLog) {
        AppSession session(shared.catalogue);
        measure(state, session, lines);
        return;
    }
    if (!shared.longApp)
        shared.longApp = std::make_unique<AppSession>(shared.catalogue);
    measure(state, *shared.longApp, lines);
}

void bareSession(benchmark::State &state, int lines)
{
    SessionState &shared = sessionState();
    if (lines == ShortLog) {
        BareSession session(shared.sizeOfLog());
        measure(state, session, lines);
        return;
    }
    if (!shared.longBare)
        shared.longBare = std::make_unique<BareSession>(shared.sizeOfLog());
    measure(state, *shared.longBare, lines);
}

} // namespace

void registerSessionBenchmarks(const BenchSetup &setup)
{
    sessionState().catalogue = setup.sampleCatalogue;
    const int repetitions = setup.quick ? 1 : 31;
    const int iterations = setup.quick ? 1 : 10;
    const auto add = [&](const char *name, void (*function)(benchmark::State &, int), int lines) {
        benchmark::RegisterBenchmark(name, function, lines)
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(iterations)
            ->Repetitions(repetitions);
    };
    add("session/Wattlan 20000 lines", appSession, LongLog);
    add("session/Wattlan 20 lines", appSession, ShortLog);
    add("session/QTextEdit 20000 lines", bareSession, LongLog);
    add("session/QTextEdit 20 lines", bareSession, ShortLog);
}

void releaseSessionBenchmarks()
{
    sessionState().longApp.reset();
    sessionState().longBare.reset();
}
