// wattlan-cli as its users meet it: bad arguments, check against the window's
// start-up boxes and the expected findings, run against File, Open, max-runs
// against Maximize, and the running sums of the search against the full walk.
#include "cframe.h"
#include "check.h"
#include "database.h"
#include "maxruns.h"
#include "modelrun.h"
#include "table.h"
#include "windowfixture.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>

#include <cmath>

Q_DECLARE_METATYPE(MaxRuns::Row)

namespace {

QString sourcePath(const QString &path)
{
    return qEnvironmentVariable("WATTLAN_SOURCE_DIR") + QLatin1Char('/') + path;
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

// Every project file of the corpora: the command line's own and the readers'.
QStringList projectCorpus()
{
    QStringList files;
    for (const QString folder : {"tests/data/cli/projects", "tests/readers/project"}) {
        const QFileInfoList found = QDir(sourcePath(folder)).entryInfoList({"*.xml"}, QDir::Files);
        if (found.isEmpty())
            qFatal("%s holds no project file", qPrintable(folder));
        for (const QFileInfo &file : found)
            files << file.absoluteFilePath();
    }
    return files;
}

// A figure read back from JSON, where a figure that is no number is null.
double number(const QJsonValue &value)
{
    return value.isDouble() ? value.toDouble() : std::nan("");
}

// JSON has no infinity: a figure that is not finite reads back as null, NaN here.
bool same(double a, double b)
{
    return a == b || (std::isnan(a) && !std::isfinite(b)) || (std::isnan(b) && !std::isfinite(a));
}

bool close(double a, double b)
{
    return same(a, b) || std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;
    std::unique_ptr<WindowFixture> m_maximizing; // one window for every row of max-runs

private slots:
    void cleanupTestCase() { m_maximizing.reset(); }
    void badArgumentsGiveOneLineAndStatusTwo_data();
    void badArgumentsGiveOneLineAndStatusTwo();
    void checkPrintsFindingsByFileAndLine_data();
    void checkPrintsFindingsByFileAndLine();
    void checkErrorsAreTheWindowsStartupBoxes_data();
    void checkErrorsAreTheWindowsStartupBoxes();
    void runEqualsFileOpen_data();
    void runEqualsFileOpen();
    void runDrawsTheVoltageAlongTheRun();
    void maxRunsEqualsMaximize_data();
    void maxRunsEqualsMaximize();
    void runningSumsFollowTheWalk_data();
    void runningSumsFollowTheWalk();
};

void TestCli::badArgumentsGiveOneLineAndStatusTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");
    const QString empty = QDir::tempPath();
    QTest::newRow("unknown option")
        << QStringList {"check", "--colour"} << "Unknown option 'colour'";
    QTest::newRow("no command") << QStringList {} << "no command given";
    QTest::newRow("unknown command") << QStringList {"plan"} << "unknown command 'plan'";
    QTest::newRow("missing file") << QStringList {"run", "no-such-plan.xml"}
                                  << "no-such-plan.xml: no such file";
    QTest::newRow("folder without the files")
        << QStringList {"check", "--catalogue", empty} << "does not hold the three database files";
    QTest::newRow("voltage not a number")
        << QStringList {"max-runs", "--voltage", "120,abc"} << "--voltage needs positive numbers";
    QTest::newRow("option of another command")
        << QStringList {"check", "--load", "15"} << "--load does not apply to check";
    QTest::newRow("unknown format")
        << QStringList {"check", "--format", "xml"} << "unknown format 'xml'";
    const QString plan = sourcePath("tests/data/cli/projects/other-voltage-and-load.xml");
    QTest::newRow("unknown paper") << QStringList {"run", "--sheet", "x.pdf", "--page", "a3", plan}
                                   << "--page is a4 or letter";
    QTest::newRow("sheet that cannot be written") << QStringList {"run", "--catalogue",
        sourcePath("data"), "--sheet", empty + "/no/x.pdf", plan}
                                                  << "cannot write";
}

void TestCli::badArgumentsGiveOneLineAndStatusTwo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);
    const Outcome outcome = runCli(arguments);
    QCOMPARE(outcome.status, 2);
    QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(outcome.err.contains(complaint), qPrintable(outcome.err));
}

void TestCli::checkPrintsFindingsByFileAndLine_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("status");
    QTest::newRow("the sample is clean") << "data" << QString() << 0;
    QTest::newRow("one fault of each kind") << "tests/data/cli/check/broken"
                                            << "broken.txt" << 1;
    QTest::newRow("not well-formed") << "tests/data/cli/check/malformed"
                                     << "malformed.txt" << 2;
}

void TestCli::checkPrintsFindingsByFileAndLine()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, expected);
    QFETCH(int, status);
    const QString folder = QDir(sourcePath(catalogue)).absolutePath();
    const Outcome outcome = runCli({"check", "--catalogue", folder});
    const QString want = expected.isEmpty()
        ? QStringLiteral("0 errors, 0 warnings\n")
        : readText(sourcePath(QStringLiteral("tests/data/cli/check/") + expected));
    QCOMPARE(QString(outcome.out).replace(folder, QStringLiteral("CATALOGUE")), want);
    QCOMPARE(outcome.status, status);

    const Outcome json = runCli({"check", "--catalogue", folder, "--format", "json"});
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(object.value("findings").toArray().size(), want.count(QLatin1Char('\n')) - 1);
    QCOMPARE(json.status, status);
}

void TestCli::checkErrorsAreTheWindowsStartupBoxes_data()
{
    QTest::addColumn<QString>("catalogue");
    for (const QString parent : {"tests/readers/database", "tests/data/cli/check"}) {
        const QStringList names
            = QDir(sourcePath(parent)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY2(!names.isEmpty(), qPrintable(parent + " holds no catalogue"));
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << sourcePath(parent + QLatin1Char('/') + name);
    }
}

void TestCli::checkErrorsAreTheWindowsStartupBoxes()
{
    QFETCH(QString, catalogue);
    const WindowFixture fixture {QDir(catalogue)};
    QStringList errors;
    for (const CatalogueCheck::Finding &finding : CatalogueCheck::check(QDir(catalogue)).findings)
        if (finding.severity == CatalogueCheck::Finding::Error) {
            QVERIFY2(finding.line > 0 || finding.text.startsWith("Cannot read"),
                qPrintable(finding.text));
            errors << finding.text;
        }
    QCOMPARE(errors, fixture.prompter.texts());
}

void TestCli::runEqualsFileOpen_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("index");
    const QStringList files = projectCorpus();
    for (int i = 0; i < files.size(); ++i)
        QTest::newRow(qPrintable(QFileInfo(files[i]).fileName())) << files[i] << i;
}

void TestCli::runEqualsFileOpen()
{
    QFETCH(QString, file);
    QFETCH(int, index);
    // One run of the tool over the whole corpus, one row each.
    static QJsonArray runs;
    static int status = -1;
    if (status < 0) {
        const QStringList arguments
            = QStringList {"run", "--format", "json", "--catalogue", sourcePath("data")}
            + projectCorpus();
        const Outcome outcome = runCli(arguments);
        runs = QJsonDocument::fromJson(outcome.out.toUtf8()).object().value("runs").toArray();
        status = outcome.status;
        QCOMPARE(status, 2); // the corpus holds files the window refuses
    }
    const QJsonObject run = runs.at(index).toObject();
    QCOMPARE(run.value("file").toString(), file);

    WindowFixture fixture;
    fixture.offerDocumentActions();
    fixture.prompter.clear();
    fixture.prompter.fileNames << file;
    fixture.trigger("actionOpen");
    if (!fixture.prompter.boxes.isEmpty()) {
        QCOMPARE(run.value("opened").toBool(), false);
        QCOMPARE(run.value("refusal").toString(), fixture.prompter.boxes.constFirst().text);
        return;
    }
    QCOMPARE(run.value("opened").toBool(), true);
    const ZelvaneSettings settings = fixture.window->currentZelvaneSettings();
    QCOMPARE(run.value("fixture").toString(), settings.fixtureName);
    QCOMPARE(run.value("supply").toString(), settings.supplyName);
    const ZelvaneModel::Inputs inputs = fixture.window->zelvaneInputs();
    QCOMPARE(number(run.value("leaderLength")), inputs.leader ? inputs.leader->length : 0);
    QCOMPARE(number(run.value("lineVoltage")), inputs.lineVoltage);
    QCOMPARE(number(run.value("circuit")), inputs.maxLoad);
    const ZelvaneModel::Result result = ZelvaneModel::calculate(fixture.window->zelvaneInputs());
    QCOMPARE(run.value("fixtures").toInt(), result.fixtureCount);
    QCOMPARE(run.value("valid").toBool(), result.valid);
    const std::pair<const char *, double> figures[] = {{"length", result.totals.length},
        {"power", result.totals.power}, {"current", result.current},
        {"voltageDrop", result.totals.voltageDrop}, {"effectiveVoltage", result.voltage}};
    for (const auto &[name, figure] : figures)
        QVERIFY2(same(number(run.value(name)), figure), name);
    const QJsonArray limits = run.value("limits").toArray();
    QCOMPARE(limits.size(), result.checks.size());
    for (int i = 0; i < limits.size(); ++i) {
        const QJsonObject limit = limits.at(i).toObject();
        QVERIFY(same(number(limit.value("figure")), result.checks[i].figure));
        QVERIFY(same(number(limit.value("limit")), result.checks[i].limit));
        QCOMPARE(limit.value("holds").toBool(), result.checks[i].holds);
    }
}

void TestCli::runDrawsTheVoltageAlongTheRun()
{
    const QTemporaryDir folder;
    const QString plan = sourcePath("tests/data/cli/projects/other-voltage-and-load.xml");
    for (const QString name : {"plot.png", "plot.svg"}) {
        const Outcome outcome = runCli(
            {"run", "--catalogue", sourcePath("data"), "--plot", folder.filePath(name), plan});
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.out.contains("Next fixture (4): "));
    }
    QCOMPARE(QImage(folder.filePath("plot.png")).size(), QSize(900, 480));
    QVERIFY(readText(folder.filePath("plot.svg")).contains("<polyline"));
}

void TestCli::maxRunsEqualsMaximize_data()
{
    QTest::addColumn<MaxRuns::Row>("row");
    Database database;
    database.setReporter([](const QString &text) { qFatal("%s", qPrintable(text)); });
    QVERIFY(database.load(testCatalogue()));
    int rows = 0;
    for (const MaxRuns::Row &row : MaxRuns::table(database, MaxRuns::Options {}))
        if (row.kind == MaxRuns::Row::Zelvane || row.kind == MaxRuns::Row::Tessan)
            QTest::newRow(qPrintable(QString::number(++rows))) << row;
    QVERIFY(rows > 100);
}

void TestCli::maxRunsEqualsMaximize()
{
    QFETCH(MaxRuns::Row, row);
    // One window for every row: each row chooses its settings afresh and resets.
    if (!m_maximizing)
        m_maximizing = std::make_unique<WindowFixture>();
    const WindowFixture &fixture = *m_maximizing;
    const bool zelvane = row.kind == MaxRuns::Row::Zelvane;
    const char *const prefix = zelvane ? "m_ZV" : "m_TS";
    const auto name = [prefix](const char *rest) { return QByteArray(prefix) + rest; };
    fixture.choose(zelvane ? "m_ZVFixture_Combo" : "m_TSFixture_Combo", row.fixture);
    fixture.choose(zelvane ? "m_ZVSupply_Combo" : "m_TSSupply_Combo", row.supply);
    // Chosen anew, so that the leader's length is the one it starts at.
    fixture.child<QComboBox>(name("_LeaderType_Combo"))->setCurrentIndex(-1);
    fixture.choose(name("_LeaderType_Combo"), row.leader);
    if (!row.wire.isEmpty())
        fixture.choose(name("_LeaderSize_Combo"), row.wire);
    if (zelvane) {
        fixture.choose("m_ZV_LineVoltage_Combo", figure(row.voltage));
        fixture.choose("m_ZV_MaxLoad_Combo", figure(row.load));
    }
    const char *const page = zelvane ? nullptr : "TSFtab";
    fixture.click(name("_Reset_Button"), page);
    fixture.click(name("_Maximize_Button"), page);

    const CFrame *run = fixture.run(zelvane ? "m_ZV_Frame" : "m_TS_Frame");
    QCOMPARE(run->fixtureCount(), row.fixtures);
    QCOMPARE(run->isValid(), row.valid);
    if (zelvane) {
        const ZelvaneModel::Result shown = ZelvaneModel::calculate(fixture.window->zelvaneInputs());
        QCOMPARE(shown.totals.length, row.length);
        QCOMPARE(shown.totals.power, row.power);
        QCOMPARE(shown.current, row.current);
        QCOMPARE(shown.totals.voltageDrop, row.drop);
    } else {
        TessanModel::Result figures;
        figures.totals = {row.length, row.current, row.drop};
        QCOMPARE(fixture.lastLogLine(), TessanModel::logLine(figures));
    }
}

void TestCli::runningSumsFollowTheWalk_data()
{
    QTest::addColumn<bool>("jumperRequired");
    QTest::addColumn<bool>("safety");
    QTest::newRow("fixtures only") << false << false;
    QTest::newRow("a jumper before each fixture") << true << false;
    QTest::newRow("safety rule") << false << true;
}

void TestCli::runningSumsFollowTheWalk()
{
    QFETCH(bool, jumperRequired);
    QFETCH(bool, safety);
    QRandomGenerator random(17);
    const auto any = [&random](double low, double high) {
        return low + random.generateDouble() * (high - low);
    };
    const ZelvaneModel::FixtureFigures figures {
        any(0.3, 9), any(0.001, 0.05), any(3, 60), any(0.8, 1), any(1, 1.3), safety};
    ZelvaneModel::Inputs inputs;
    inputs.lineVoltage = 277;
    inputs.maxLoad = 1e9;
    inputs.fixture = ZelvaneModel::SelectedFixture {figures, 0, 1e9, 0, 0, 0, 0, 0};
    inputs.supply = ZelvaneModel::SupplyLimits {};
    inputs.leader = ZelvaneModel::Leader {any(5, 50), any(0.001, 0.01)};
    const ZelvaneModel::Cell jumper
        = ZelvaneModel::Cell::jumper(figures, any(1, 6), any(0.001, 0.02));
    ZelvaneModelRun growing(inputs, ZelvaneModel::Cell::fixture(figures), jumper, jumperRequired);
    const TessanModel::Cell puck
        = TessanModel::Cell::fixture(any(0.2, 2), any(0.01, 0.1), any(0.1, 1));
    TessanModelRun tessan(TessanModel::Inputs {TessanModel::SelectedFixture {24, 0},
                              TessanModel::SupplyLimits {}, TessanModel::Leader {6, 0.008}, {}},
        puck);
    for (int step = 1; step < MaxRunFixtures; ++step) {
        growing.addFixture(true);
        tessan.addFixture(true);
        const ZelvaneModel::Result sums = growing.result();
        const ZelvaneModel::Result walk = growing.exactResult();
        QCOMPARE(sums.totals.power, walk.totals.power);
        QVERIFY(close(sums.totals.length, walk.totals.length));
        QVERIFY(close(sums.totals.voltageDrop, walk.totals.voltageDrop));
        QVERIFY(close(sums.current, walk.current));
        QVERIFY(close(tessan.result().totals.voltageDrop, tessan.exactResult().totals.voltageDrop));
    }

    // A limit met exactly by the walk's own figure: the search stops where the walk says.
    for (int fixtures : {640, 123, 7}) {
        while (growing.fixtureCount() > fixtures)
            growing.removeLastCell();
        ZelvaneModel::Inputs atLimit = inputs;
        atLimit.fixture->maxVoltageDrop = growing.exactResult().totals.voltageDrop;
        ZelvaneModelRun run(atLimit, ZelvaneModel::Cell::fixture(figures), jumper, jumperRequired);
        maximizeRun(run);
        QCOMPARE(run.fixtureCount(), fixtures);
        QVERIFY(run.isValid());
    }
}

WATTLAN_TEST_MAIN(TestCli)

#include "tst_cli.moc"
