// The benchmarks of Wattlan: each figure is the ratio of two measurements
// taken side by side in this one run, repeated in shuffled order, and set
// from the medians. Google Benchmark's own report goes to standard error;
// the figures go to standard output.
#include "benchmarks.h"
#include "catalogue.h"
#include "childprocess.h"
#include "figures.h"
#include "memoryprobe.h"

#include "prompter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Answers every box at once and counts it: no benchmark may block on one.
class CountingPrompter : public Prompter
{
public:
    int exec(QMessageBox &box) override
    {
        ++shown;
        std::fprintf(stderr, "message box: %s\n", qPrintable(box.text()));
        return QMessageBox::Ok;
    }
    int exec(QDialog &) override
    {
        ++shown;
        return 0;
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        ++shown;
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        ++shown;
        return {};
    }

    int shown = 0;
};

CountingPrompter *prompter = nullptr;
QtMessageHandler standardMessages = nullptr;

// Drops what every start of a window prints and says nothing about it: the
// offscreen platform's note on size hints and the form's three combo-box
// slots that match no signal. Everything else goes through.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains(QLatin1String("does not support propagateSizeHints"))
        || QLatin1String(context.category ? context.category : "")
            == QLatin1String("qt.core.qmetaobject.connectslotsbyname"))
        return;
    if (standardMessages)
        standardMessages(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

// The value of "--name=value" among the arguments, or an empty string.
QString option(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        if (argument.startsWith(name))
            return argument.mid(name.size());
    }
    return {};
}

// Peak resident memory of the two subjects, alternated process by process.
void measureMemory(
    const QString &catalogue, int runs, Medians &medians, QHash<QString, QString> &errors)
{
    const std::pair<const char *, const char *> subjects[] = {
        {MemoryProbe::MainWindow, "memory/Wattlan"},
        {MemoryProbe::BareForm, "memory/bare form"},
    };
    std::vector<double> kib[2];
    for (int run = 0; run < runs; ++run) {
        for (int s = 0; s < 2; ++s) {
            const double value = MemoryProbe::measure(QLatin1String(subjects[s].first), catalogue);
            if (value < 0) {
                errors.insert(
                    QLatin1String(subjects[s].second), QStringLiteral("the probe process failed"));
                return;
            }
            kib[s].push_back(value);
        }
    }
    for (int s = 0; s < 2; ++s) {
        medians.insert(QLatin1String(subjects[s].second), median(kib[s]));
        std::fprintf(stderr, "%-40s median of %d processes: %.0f KiB\n", subjects[s].second, runs,
            median(kib[s]));
    }
}

// Peak resident memory of max-runs, in the format that takes the most, and
// of check on the same catalogue, each a process of its own, alternated.
void measureCliMemory(
    const QString &catalogue, int runs, Medians &medians, QHash<QString, QString> &errors)
{
    const QString maxRunsSide = QStringLiteral("memory-cli/max-runs, its largest format");
    const QString checkSide = QStringLiteral("memory-cli/check");
    const QStringList where {QStringLiteral("--catalogue"), catalogue};
    std::vector<double> maxRuns;
    std::vector<double> check;
    for (int run = 0; run < runs; ++run) {
        double largest = 0;
        for (const char *format : {"text", "csv", "markdown", "json"}) {
            const ChildCost cost = runChild(cliProgram(),
                QStringList {
                    QStringLiteral("max-runs"), QStringLiteral("--format"), QLatin1String(format)}
                    + where,
                {0, 1});
            if (!cost.ok) {
                errors.insert(maxRunsSide, QStringLiteral("wattlan-cli max-runs failed"));
                return;
            }
            largest = std::max(largest, double(cost.peakKiB));
        }
        const ChildCost checked = runChild(cliProgram(), QStringList {"check"} + where, {0, 1});
        if (!checked.ok) {
            errors.insert(checkSide, QStringLiteral("wattlan-cli check failed"));
            return;
        }
        maxRuns.push_back(largest);
        check.push_back(double(checked.peakKiB));
    }
    medians.insert(maxRunsSide, median(maxRuns));
    medians.insert(checkSide, median(check));
    std::fprintf(stderr, "%-40s median of %d processes: %.0f KiB\n", qPrintable(maxRunsSide), runs,
        median(maxRuns));
    std::fprintf(stderr, "%-40s median of %d processes: %.0f KiB\n", qPrintable(checkSide), runs,
        median(check));
}

bool generate(const BenchSetup &setup)
{
    QElapsedTimer timer;
    timer.start();
    for (const QString &folder : {setup.smallCatalogue, setup.largeCatalogue,
             setup.shortRunCatalogue, setup.longRunCatalogue, setup.zelvaneCatalogue}) {
        if (!QDir().mkpath(folder))
            return false;
    }
    const bool written = Catalogue::writeScaled(setup.smallCatalogue, 2000, 200)
        && Catalogue::writeScaled(setup.largeCatalogue, 20000, 2000)
        && Catalogue::writeMaximizeRun(setup.shortRunCatalogue, 100)
        && Catalogue::writeMaximizeRun(setup.longRunCatalogue, 400)
        && Catalogue::writeZelvane(setup.zelvaneCatalogue, 2000, 200);
    std::fprintf(stderr, "catalogues generated in %.1f s\n", timer.elapsed() / 1000.0);
    return written;
}

} // namespace

QString cliProgram()
{
    return QStringLiteral(WATTLAN_CLI);
}

int messageBoxesShown()
{
    return prompter ? prompter->shown : 0;
}

int main(int argc, char *argv[])
{
    if (argc > 2 && std::string(argv[1]) == SpawnChildOption)
        return spawnChildAndReport(argv + 2);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever the windows store goes to the test locations, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    standardMessages = qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    CountingPrompter counting;
    prompter = &counting;
    Prompter::install(&counting);

    const QStringList arguments = QCoreApplication::arguments();
    const QString probe = option(arguments, QLatin1String(MemoryProbe::Option));
    if (!probe.isEmpty())
        return MemoryProbe::runChild(probe, option(arguments, "--catalogue="));

    BenchSetup setup;
    setup.quick = arguments.contains(QLatin1String("--quick"));
    setup.sampleCatalogue = QStringLiteral(WATTLAN_SAMPLE_CATALOGUE);
    // The generated catalogues live in a temporary folder, unless they are
    // to be kept for a closer look (--keep-catalogues=FOLDER).
    QTemporaryDir scratch;
    const QString kept = option(arguments, QStringLiteral("--keep-catalogues="));
    if (kept.isEmpty() && !scratch.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    const QDir folder(kept.isEmpty() ? scratch.path() : kept);
    setup.smallCatalogue = folder.absoluteFilePath(QStringLiteral("catalogue-2000"));
    setup.largeCatalogue = folder.absoluteFilePath(QStringLiteral("catalogue-20000"));
    setup.shortRunCatalogue = folder.absoluteFilePath(QStringLiteral("run-100"));
    setup.longRunCatalogue = folder.absoluteFilePath(QStringLiteral("run-400"));
    setup.zelvaneCatalogue = folder.absoluteFilePath(QStringLiteral("zelvane-2000"));
    if (!generate(setup)) {
        std::fprintf(stderr, "cannot write the generated catalogues\n");
        return 1;
    }

    registerStartupBenchmarks(setup);
    registerMaximizeBenchmarks(setup);
    registerDatabaseBenchmarks(setup);
    registerSessionBenchmarks(setup);
    registerMaxRunsBenchmarks(setup);

    // Google Benchmark's arguments: the repetitions of the two sides of a
    // figure are shuffled together, so that both meet the same load; then
    // whatever was passed in (--benchmark_filter=REGEX picks figures by the
    // names of their benchmarks).
    std::vector<std::string> storage {argv[0], "--benchmark_enable_random_interleaving=true"};
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument != "--quick" && argument.rfind("--keep-catalogues=", 0) != 0)
            storage.emplace_back(argument);
    }
    std::vector<char *> benchmarkArgv;
    for (std::string &s : storage)
        benchmarkArgv.push_back(s.data());
    int benchmarkArgc = int(benchmarkArgv.size());
    benchmark::Initialize(&benchmarkArgc, benchmarkArgv.data());
    if (benchmark::ReportUnrecognizedArguments(benchmarkArgc, benchmarkArgv.data()))
        return 1;
    const QRegularExpression filter(QString::fromStdString(benchmark::GetBenchmarkFilter()));

    // One figure after the other, so that what one leaves behind (a heap
    // grown by a large catalogue, a long log) weighs on both sides of the
    // next alike or on neither.
    FigureReporter reporter;
    QStringList groupsRun;
    for (const Figure &figure : figures()) {
        const QString group = figure.group();
        if (!filter.match(group + QLatin1Char('/')).hasMatch())
            continue;
        groupsRun << group;
        if (group == QLatin1String("memory"))
            measureMemory(
                setup.sampleCatalogue, setup.quick ? 1 : 7, reporter.medians, reporter.errors);
        else if (group == QLatin1String("memory-cli"))
            measureCliMemory(
                setup.zelvaneCatalogue, setup.quick ? 1 : 3, reporter.medians, reporter.errors);
        else
            benchmark::RunSpecifiedBenchmarks(&reporter, "^" + group.toStdString() + "/");
        if (group == QLatin1String("session"))
            releaseSessionBenchmarks();
    }
    benchmark::Shutdown();

    // A figure that could not be measured is a fault; one that misses its
    // goal is not: it is what the figures are there to show.
    return printFigures(reporter, groupsRun) == 0 ? 0 : 1;
}
