// wattlan-cli as its users meet it: bad arguments, check against the window's
// start-up boxes and the expected findings, run against File, Open, max-runs
// against Maximize, and the running sums of the search against the full walk.
#include "cframe.h"
#include "check.h"
#include "database.h"
#include "maxruns.h"
#include "readersupport.h"
#include "table.h"
#include "tessanrules.h"
#include "windowfixture.h"
#include "zelvanerules.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>

#include <cmath>
#include <map>

Q_DECLARE_METATYPE(MaxRuns::Row)

namespace {

// Runs the tool in English, or in the language the environment names.
Outcome runCliIn(const QStringList &arguments, const QStringList &language = {"LC_ALL=C"})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    for (const QString &setting : language)
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    return runCli(arguments, environment);
}

using Readers::sourcePath;

QString readText(const QString &path)
{
    return QString::fromUtf8(Readers::fileBytes(path));
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

// Damages to a copy of a catalogue: every first text becomes the second.
using Replacements = QList<QPair<QByteArray, QByteArray>>;

// "\n" a line break, "\xHH" a byte.
QByteArray unescaped(const QString &text)
{
    QByteArray bytes;
    const QByteArray utf8 = text.toUtf8();
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\\' && utf8.mid(i + 1, 1) == "n") {
            bytes += '\n';
            ++i;
        } else if (utf8[i] == '\\' && utf8.mid(i + 1, 1) == "x") {
            bytes += char(utf8.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            bytes += utf8[i];
        }
    }
    return bytes;
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

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;
    // One window for every row of max-runs on a catalogue.
    std::map<QString, std::unique_ptr<WindowFixture>> m_maximizing;
    static void compareWithTheFlexTab(const WindowFixture &fixture, const MaxRuns::Row &row);

private slots:
    void cleanupTestCase() { m_maximizing.clear(); }
    void badArgumentsGiveOneLineAndStatusTwo_data();
    void badArgumentsGiveOneLineAndStatusTwo();
    void eachCommandEndsWithItsStatus_data();
    void eachCommandEndsWithItsStatus();
    void messagesFollowTheSystemsLanguage_data();
    void messagesFollowTheSystemsLanguage();
    void checkPrintsFindingsByFileAndLine_data();
    void checkPrintsFindingsByFileAndLine();
    void checkFindsEachDamageAtItsLine_data();
    void checkFindsEachDamageAtItsLine();
    void checkErrorsAreTheWindowsStartupBoxes_data();
    void checkErrorsAreTheWindowsStartupBoxes();
    void runEqualsFileOpen_data();
    void runEqualsFileOpen();
    void runDrawsTheVoltageAlongTheRun();
    void maxRunsSaysWhatItCannotCalculate_data();
    void maxRunsSaysWhatItCannotCalculate();
    void maxRunsTextTableLinesUp();
    void maxRunsEqualsMaximize_data();
    void maxRunsEqualsMaximize();
    void figuresAreTheToolkitsText();
};

void TestCli::badArgumentsGiveOneLineAndStatusTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");
    static const QTemporaryDir emptyFolder;
    const QString empty = emptyFolder.path();
    QTest::newRow("unknown option")
        << QStringList {"check", "--colour"} << "Unknown option 'colour'";
    QTest::newRow("no command") << QStringList {} << "no command given";
    QTest::newRow("unknown command") << QStringList {"plan"} << "unknown command 'plan'";
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
    const Outcome outcome = runCliIn(arguments);
    QCOMPARE(outcome.status, 2);
    QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(outcome.err.contains(complaint), qPrintable(outcome.err));
}

void TestCli::eachCommandEndsWithItsStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    const QString sample = sourcePath("data");
    const QString broken = sourcePath("tests/data/cli/check/broken");
    const QString malformed = sourcePath("tests/data/cli/check/malformed");
    // Two of the three files: the window cannot start on it.
    static QTemporaryDir partial;
    for (const char *name : {"ym_config_zv.xml", "ym_config_ts.xml"})
        QVERIFY(QFile::copy(sample + QLatin1Char('/') + name, partial.filePath(name)));
    const QString plans = sourcePath("tests/data/cli/projects/");
    QTest::newRow("check, clean") << QStringList {"check", "--catalogue", sample} << 0;
    QTest::newRow("check, findings") << QStringList {"check", "--catalogue", broken} << 1;
    QTest::newRow("check, not well-formed") << QStringList {"check", "--catalogue", malformed} << 2;
    QTest::newRow("check, a file missing")
        << QStringList {"check", "--catalogue", partial.path()} << 2;
    QTest::newRow("run, valid") << QStringList {"run", "--catalogue", sample,
        plans + "other-voltage-and-load.xml"}
                                << 0;
    QTest::newRow("run, invalid") << QStringList {"run", "--catalogue", sample,
        plans + "rows-beyond-lists.xml"}
                                  << 1;
    QTest::newRow("run, valid on a catalogue with problems")
        << QStringList {"run", "--catalogue", broken, plans + "other-voltage-and-load.xml"} << 1;
    QTest::newRow("run, a file missing") << QStringList {"run", "--catalogue", sample,
        plans + "other-voltage-and-load.xml", "no-such-plan.xml"}
                                         << 2;
    QTest::newRow("run, catalogue cannot be loaded")
        << QStringList {"run", "--catalogue", malformed, plans + "other-voltage-and-load.xml"} << 2;
    QTest::newRow("max-runs, every row valid") << QStringList {"max-runs", "--catalogue", sample,
        "--fixture", "COVE 2", "--supply", "pd-300"}
                                               << 0;
    QTest::newRow("max-runs, a row invalid at one fixture")
        << QStringList {"max-runs", "--catalogue", sample} << 1;
    QTest::newRow("max-runs, a catalogue with problems")
        << QStringList {"max-runs", "--catalogue", broken} << 1;
    QTest::newRow("max-runs, catalogue cannot be loaded")
        << QStringList {"max-runs", "--catalogue", partial.path()} << 2;
}

void TestCli::eachCommandEndsWithItsStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    const Outcome outcome = runCliIn(arguments);
    QCOMPARE(outcome.status, status);
    // What could not be done is said, once for each thing.
    if (status == 2)
        QVERIFY2(!outcome.err.isEmpty() || outcome.out.contains("error"), qPrintable(outcome.out));
}

void TestCli::messagesFollowTheSystemsLanguage_data()
{
    QTest::addColumn<QStringList>("language");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList broken {"--catalogue", sourcePath("tests/data/cli/check/broken")};
    const QStringList german {"LANG=de_DE.UTF-8"};
    QTest::newRow("the window's start-up message, in German")
        << german << QStringList {"check"} + broken << "Netzteil PD-300 ist nicht definiert";
    QTest::newRow("check's own finding, in German")
        << german << QStringList {"check"} + broken << "steht zweimal in der Liste";
    QTest::newRow("the next fixture's line, in German")
        << german << QStringList {"max-runs", "--catalogue", sourcePath("data"), "--format", "csv"}
        << ",Nächste Leuchte (36): Elektrische Länge 154 ft > Netzteil max. 150 ft";
    QTest::newRow("keys and numbers stay")
        << german << QStringList {"max-runs", "--catalogue", sourcePath("data"), "--format", "json"}
        << "{\"current\":6.631578947368421,\"fixture\":\"Vessik Cove 4 ft\",\"fixtures\":35,";
    QTest::newRow("English under C") << QStringList {"LC_ALL=C", "LANG=de_DE.UTF-8"}
                                     << QStringList {"check"} + broken << "is listed twice";
}

void TestCli::messagesFollowTheSystemsLanguage()
{
    QFETCH(QStringList, language);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Outcome outcome = runCliIn(arguments, language);
    QVERIFY2(outcome.out.contains(message), qPrintable(outcome.out.left(2000)));
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
    const Outcome outcome = runCliIn({"check", "--catalogue", folder});
    const QString want = expected.isEmpty()
        ? QStringLiteral("0 errors, 0 warnings\n")
        : readText(sourcePath(QStringLiteral("tests/data/cli/check/") + expected));
    QCOMPARE(QString(outcome.out).replace(folder, QStringLiteral("CATALOGUE")), want);
    QCOMPARE(outcome.status, status);

    const Outcome json = runCliIn({"check", "--catalogue", folder, "--format", "json"});
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(object.value("findings").toArray().size(), want.count(QLatin1Char('\n')) - 1);
    QCOMPARE(json.status, status);
}

void TestCli::checkFindsEachDamageAtItsLine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Replacements>("replacements");
    QTest::addColumn<QByteArray>("at");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("absent");
    for (const Readers::Block &block : Readers::blocks("tests/data/cli/check/damages.txt")) {
        QString file;
        Replacements replacements;
        QByteArray at;
        QStringList found;
        QStringList absent;
        for (const QString &line : block.lines) {
            const QString key = line.section(QLatin1String(": "), 0, 0);
            const QString value = line.section(QLatin1String(": "), 1);
            if (key == QLatin1String("file"))
                file = value;
            else if (key == QLatin1String("replace"))
                replacements << qMakePair(unescaped(value.section(QLatin1String(" => "), 0, 0)),
                    unescaped(value.section(QLatin1String(" => "), 1)));
            else if (key == QLatin1String("at"))
                at = unescaped(value);
            else if (key == QLatin1String("finding"))
                found << value;
            else if (key == QLatin1String("absent"))
                absent << value;
        }
        QVERIFY2(!file.isEmpty() && !replacements.isEmpty(), qPrintable(block.name));
        QTest::newRow(qPrintable(block.name))
            << file << replacements << (at.isEmpty() ? replacements.first().second : at) << found
            << absent;
    }
}

void TestCli::checkFindsEachDamageAtItsLine()
{
    QFETCH(QString, file);
    QFETCH(Replacements, replacements);
    QFETCH(QByteArray, at);
    QFETCH(QStringList, found);
    QFETCH(QStringList, absent);
    const QTemporaryDir copy;
    for (const char *name : {"ym_config_zv.xml", "ym_config_ob.xml", "ym_config_ts.xml"})
        QVERIFY(QFile::copy(sourcePath("data/") + name, copy.filePath(name)));
    QFile damaged(copy.filePath(file));
    QVERIFY(damaged.open(QIODevice::ReadWrite));
    QByteArray bytes = damaged.readAll();
    for (const auto &[before, after] : replacements) {
        QVERIFY2(bytes.contains(before), before.constData());
        bytes.replace(before, after);
    }
    damaged.resize(0);
    damaged.write(bytes);
    damaged.close();
    const qsizetype where = bytes.indexOf(at);
    QVERIFY(where >= 0);
    const int line = int(bytes.left(where).count('\n')) + 1;

    const CatalogueCheck::Report report = CatalogueCheck::check(QDir(copy.path()));
    QStringList printed;
    for (const CatalogueCheck::Finding &finding : report.findings)
        printed << CatalogueCheck::formatted(finding);
    const QString place = copy.filePath(file) + QLatin1Char(':') + QString::number(line) + ':';
    for (const QString &text : found)
        QVERIFY2(std::any_of(printed.cbegin(), printed.cend(),
                     [&](const QString &f) { return f.startsWith(place) && f.contains(text); }),
            qPrintable(place + '\n' + printed.join('\n')));
    for (const QString &text : absent)
        QVERIFY2(std::none_of(printed.cbegin(), printed.cend(),
                     [&](const QString &f) { return f.contains(text); }),
            qPrintable(printed.join('\n')));
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
        const Outcome outcome = runCliIn(arguments);
        runs = QJsonDocument::fromJson(outcome.out.toUtf8()).object().value("runs").toArray();
        status = outcome.status;
        QCOMPARE(status, 2); // the corpus holds files the window refuses
    }
    const QJsonObject run = runs.at(index).toObject();
    QCOMPARE(run.value("file").toString(), file);

    WindowFixture fixture;
    fixture.offerDocumentActions();
    fixture.prompter.clear();
    fixture.open(file);
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
        const Outcome outcome = runCliIn(
            {"run", "--catalogue", sourcePath("data"), "--plot", folder.filePath(name), plan});
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.out.contains("Next fixture (4): "));
    }
    QCOMPARE(QImage(folder.filePath("plot.png")).size(), QSize(900, 480));
    QVERIFY(readText(folder.filePath("plot.svg")).contains("<polyline"));
}

void TestCli::maxRunsSaysWhatItCannotCalculate_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("noteOnTheWindow");
    const QStringList catalogue {"max-runs", "--format", "csv", "--catalogue"};
    // 8 V less the safety margin leaves nothing; 347 V is beyond the window's boxes.
    const QStringList safety = catalogue
        + QStringList {
            sourcePath("data"), "--fixture", "wet", "--voltage", "8,347", "--load", "120"};
    QTest::newRow("no voltage after the safety margin")
        << safety
        << ",8,120,,,,,,no,cannot be calculated: 8 V less the 10 V safety margin leaves no voltage"
        << true;
    QTest::newRow("a line voltage beyond the window's")
        << safety << ",347,120,42,219,1512," << true;
    const QStringList flex = catalogue + QStringList {sourcePath("tests/data/cli/maxruns")};
    QTest::newRow("a flex string of no voltage")
        << flex << "flex-leader,Flex Dead,Hub 60,string cable,,0,,,,,,,no,cannot be calculated"
        << false;
    QTest::newRow("a flex string that meets its port's power exactly")
        << flex
        << "flex-nodes,Flex Plain,Hub 60,string cable,20,24,,125,61.3333,60,2.5,2.03333,yes,"
           "voltage or port power at 126 nodes"
        << false;
    QTest::newRow("a flex string's longest leader")
        << flex
        << "flex-leader,Flex Plain,Hub 60,string cable,291,24,,50,307.333,24,1,5.98333,yes,"
           "voltage budget"
        << false;
    QTest::newRow("a flex string of no current")
        << flex << "flex-leader,Flex Dark,Hub Open,string cable,,24,,50,,0,0,0,yes,no limit"
        << false;
    QTest::newRow("a custom leader without wires")
        << flex
        << "zelvane,Exact Bar,Feed 150,Bare Custom Leader,,120,15,1,4,50,0.416667,0,no,one "
           "fixture already: No leader cable or gauge selected"
        << false;
    QTest::newRow("a fixture without supply or leader")
        << flex
        << "zelvane,Orphan Spot,,,,100,15,1,1,20,0.2,0.002,no,one fixture already: Power 20 W > "
           "max -1 W; No supply selected for this fixture; No leader cable or gauge selected"
        << false;
}

void TestCli::maxRunsSaysWhatItCannotCalculate()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, row);
    QFETCH(bool, noteOnTheWindow);
    const Outcome outcome = runCliIn(arguments);
    QCOMPARE(outcome.status, 1);
    QVERIFY2(outcome.out.contains(row), qPrintable(outcome.out));
    // No figure that is no number, no leader of 2,147,483,647 ft.
    for (const char *never : {"nan", "inf", "2147483647", "2.14748e+09"})
        QVERIFY2(!outcome.out.contains(QLatin1String(never)), never);
    QCOMPARE(outcome.err.count("the window offers line voltages of 100 to 277 V"),
        noteOnTheWindow ? 1 : 0);
}

void TestCli::maxRunsTextTableLinesUp()
{
    // Widths known before the search: every fixture, supply and leader starts
    // under its header, however long the names before it.
    const Outcome outcome
        = runCliIn({"max-runs", "--catalogue", sourcePath("tests/data/cli/maxruns")});
    QStringList lines = outcome.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString header = lines.takeFirst();
    QVERIFY(lines.size() > 30);
    for (const QString &line : lines)
        for (const char *column : {"fixture", "supply", "leader", "valid"}) {
            const qsizetype at = header.indexOf(QLatin1String(column));
            QVERIFY2(at >= 2 && line.mid(at - 2, 2) == QLatin1String("  "), qPrintable(line));
            QVERIFY2(line.mid(at, 1) != QLatin1String(" ") || QLatin1String(column) != "fixture",
                qPrintable(line));
        }
}

void TestCli::maxRunsEqualsMaximize_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<MaxRuns::Row>("row");
    for (const QString catalogue : {"data", "tests/data/cli/maxruns"}) {
        Database database;
        database.setReporter([](const QString &text) { qFatal("%s", qPrintable(text)); });
        QVERIFY(database.load(QDir(sourcePath(catalogue))));
        int rows = 0;
        for (const MaxRuns::Row &row : MaxRuns::table(database, MaxRuns::Options {}))
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(catalogue).arg(++rows)))
                << sourcePath(catalogue) << row;
        QVERIFY(rows > 100);
    }
}

void TestCli::maxRunsEqualsMaximize()
{
    QFETCH(QString, catalogue);
    QFETCH(MaxRuns::Row, row);
    // One window for every row of a catalogue: each row chooses its settings
    // afresh and resets.
    std::unique_ptr<WindowFixture> &window = m_maximizing[catalogue];
    if (!window)
        window = std::make_unique<WindowFixture>(QDir(catalogue));
    const WindowFixture &fixture = *window;
    if (row.kind == MaxRuns::Row::FlexNodes || row.kind == MaxRuns::Row::FlexLeader) {
        compareWithTheFlexTab(fixture, row);
        return;
    }
    const bool zelvane = row.kind == MaxRuns::Row::Zelvane;
    const char *const prefix = zelvane ? "m_ZV" : "m_TS";
    const auto name = [prefix](const char *rest) { return QByteArray(prefix) + rest; };
    const QByteArray fixtures = zelvane ? "m_ZVFixture_Combo" : "m_TSFixture_Combo";
    // Come to the fixture from another family, so that its own supplies and
    // leaders are listed, as a fresh start lists them.
    const QComboBox *all = fixture.child<QComboBox>(fixtures);
    const auto familyOf = [&](const QString &fixtureName) {
        const Database &database = fixture.window->database();
        for (const YmFixture *f : zelvane
                ? QList<YmFixture *>(database.m_zvFixtures.cbegin(), database.m_zvFixtures.cend())
                : QList<YmFixture *>(database.m_tsFixtures.cbegin(), database.m_tsFixtures.cend()))
            if (f->Name == fixtureName)
                return f->Family;
        return -1;
    };
    for (int i = 0; i < all->count(); ++i)
        if (familyOf(all->itemText(i)) != familyOf(row.fixture)) {
            fixture.choose(fixtures, all->itemText(i));
            break;
        }
    fixture.choose(fixtures, row.fixture);
    if (!row.supply.isEmpty())
        fixture.choose(zelvane ? "m_ZVSupply_Combo" : "m_TSSupply_Combo", row.supply);
    // Chosen anew, so that the leader's length is the one it starts at.
    fixture.child<QComboBox>(name("_LeaderType_Combo"))->setCurrentIndex(-1);
    if (!row.leader.isEmpty())
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
    // Bit for bit, not within a tolerance; the next fixture as the totals' tool tip words it.
    const Database &database = fixture.window->database();
    if (zelvane) {
        const ZelvaneModel::Inputs inputs = fixture.window->zelvaneInputs();
        const ZelvaneModel::Result shown = ZelvaneModel::calculate(inputs);
        QVERIFY(shown.totals.length == row.length && shown.totals.power == row.power
            && shown.current == row.current && shown.totals.voltageDrop == row.drop);
        const ZVFixture *record = database.m_zvFixtures.at(all->currentIndex());
        if (row.valid)
            QCOMPARE(MaxRuns::stopText(row),
                ZelvaneModel::headroomLine(ZelvaneModel::headroom(
                    inputs, record->JumperRequired, ZelvaneRules::defaultJumper(*record))));
    } else {
        const TessanModel::Inputs inputs = fixture.window->tessanInputs();
        const TessanModel::Result shown = TessanModel::calculate(inputs);
        QVERIFY(shown.totals.length == row.length && shown.power == row.power
            && shown.totals.current == row.current && shown.totals.voltageDrop == row.drop);
        const TSFixture *record = database.m_tsFixtures.at(all->currentIndex());
        if (row.valid)
            QCOMPARE(MaxRuns::stopText(row),
                TessanModel::headroomLine(
                    TessanModel::headroom(inputs, TessanRules::fixtureCell(*record))));
    }
}

// The flex tab shows what the row says, within its boxes.
void TestCli::compareWithTheFlexTab(const WindowFixture &fixture, const MaxRuns::Row &row)
{
    fixture.choose("m_Flex_Combo", row.fixture);
    fixture.choose("m_FlexSupply_Combo", row.supply);
    fixture.child<QSpinBox>("m_Flex_Spacing_Spin")->setValue(MaxRuns::Options {}.flexSpacing);
    QSpinBox *nodes = fixture.child<QSpinBox>("m_Flex_Nodes_Spin");
    QSpinBox *leader = fixture.child<QSpinBox>("m_Flex_Length_Spin");
    if (row.kind == MaxRuns::Row::FlexNodes) {
        fixture.child<QRadioButton>("m_Flex_Nodes_Max_Radio")->setChecked(true);
        leader->setValue(int(row.leaderLength));
        QCOMPARE(nodes->value(), std::clamp(row.fixtures, nodes->minimum(), nodes->maximum()));
        return;
    }
    fixture.child<QRadioButton>("m_Flex_Length_Max_Radio")->setChecked(true);
    nodes->setValue(row.fixtures);
    // No leader length: "cannot be calculated" (the box's least) or "no limit" (its most).
    const int expected = !row.uncalculable.isEmpty() ? leader->minimum()
        : std::isnan(row.leaderLength)
        ? leader->maximum()
        : std::clamp(int(row.leaderLength), leader->minimum(), leader->maximum());
    QCOMPARE(leader->value(), expected);
}

void TestCli::figuresAreTheToolkitsText()
{
    // Exact halves (3579.125), zeros, figures beyond any catalogue's, and
    // random ones of every size.
    QList<double> values {0.0, -0.0, 3579.125, -204672.5, 519008.5, 1e-5, 1e300, 5e-324,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::nan(""), 100000, 999999.5, 1234567, 2.2250738585072014e-308, 1e-310};
    QRandomGenerator random(5);
    for (int i = 0; i < 200000; ++i) {
        const double scale = std::pow(10.0, random.bounded(-12, 12));
        values << (random.bounded(2000000) - 1000000) / 8.0 * scale
               << (random.generateDouble() - 0.5) * scale;
    }
    for (double value : values)
        if (figure(value) != QString::number(value, 'g', 6))
            QFAIL(qPrintable(QString::number(value, 'g', 17)));
}

WATTLAN_TEST_MAIN(TestCli)

#include "tst_cli.moc"
