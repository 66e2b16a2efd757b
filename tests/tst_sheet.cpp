// The run sheet as its readers meet it: the PDF's text read back against what
// `run` reports, the bill of materials against the run's cells, a long run
// inside the printable area, a refused file's page and the summary, the
// same sheet again from the same SOURCE_DATE_EPOCH; the window's sheet,
// exported and printed, against the command line's; and the plots' ticks.
#include "plotticks.h"
#include "readersupport.h"
#include "runreport.h"
#include "runsheet.h"
#include "sheetinput.h"
#include "table.h"
#include "windowfixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QString Projects = Readers::sourcePath("tests/data/cli/projects");

// The text of a PDF as pdftotext reads it, its white space made single
// spaces; with bbox, its pages and words with their boxes as XHTML. Pages
// from first to last when first is not 0.
QString pdfText(const QString &pdf, bool bbox = false, int first = 0, int last = 0)
{
    QStringList arguments {bbox ? "-bbox" : "-raw", "-enc", "UTF-8", pdf, "-"};
    if (first > 0)
        arguments
            = QStringList {"-f", QString::number(first), "-l", QString::number(last)} + arguments;
    QProcess process;
    process.start("pdftotext", arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("pdftotext (poppler-utils) failed on %s", qPrintable(pdf));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    return bbox ? text : text.simplified();
}

// The environment of a sheet in English, made at a fixed time.
QProcessEnvironment english()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    environment.insert("LANG", "C");
    environment.insert("SOURCE_DATE_EPOCH", "1700000000"); // 2023-11-14
    return environment;
}

const char *const exportSheet = "actionExportRunSheet";

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;
    QTemporaryDir m_folder;

private slots:
    void ticks_data();
    void ticks();
    void defaultPage_data();
    void defaultPage();
    void sheetHoldsWhatRunReports_data();
    void sheetHoldsWhatRunReports();
    void billOfMaterialsAddsUpToTheCells_data() { sheetHoldsWhatRunReports_data(); }
    void billOfMaterialsAddsUpToTheCells();
    void longRunStaysInsideThePrintableArea_data();
    void longRunStaysInsideThePrintableArea();
    void refusedFileAndSummaryPages();
    void sameSourceDateEpochSameText();
    void germanWhereTheTranslationHasIt();
    void windowSheet_data();
    void windowSheet();
};

void TestSheet::ticks_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("most");
    QTest::addColumn<double>("minimumStep");
    QTest::addColumn<bool>("cover");
    QTest::addColumn<QString>("ticks");
    QTest::newRow("fixtures 0 to 1000")
        << 0.0 << 1000.5 << 11 << 1.0 << false << "0 100 200 300 400 500 600 700 800 900 1000";
    QTest::newRow("whole fixtures only") << 0.0 << 3.5 << 12 << 1.0 << false << "0 1 2 3";
    QTest::newRow("a fixture alone") << 0.0 << 1.0 << 3 << 1.0 << false << "0 1";
    QTest::newRow("volts in twos")
        << 269.5 << 277.3 << 6 << 0.0 << true << "268 270 272 274 276 278";
    QTest::newRow("volts in fives") << 262.4 << 278.4 << 5 << 0.0 << true << "260 265 270 275 280";
    QTest::newRow("tenths without drift")
        << 229.41 << 230.07 << 8 << 0.0 << true << "229.4 229.5 229.6 229.7 229.8 229.9 230 230.1";
    QTest::newRow("below zero") << -542.7 << 290.0 << 6 << 0.0 << true
                                << "-600 -400 -200 0 200 400";
    QTest::newRow("inside, not covering") << 262.4 << 278.4 << 5 << 0.0 << false << "265 270 275";
    QTest::newRow("empty range") << 5.0 << 5.0 << 5 << 0.0 << true << "";
    QTest::newRow("not a number") << qQNaN() << 5.0 << 5 << 0.0 << true << "";
}

void TestSheet::ticks()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, most);
    QFETCH(double, minimumStep);
    QFETCH(bool, cover);
    QFETCH(QString, ticks);
    const PlotTicks::Axis axis = PlotTicks::axis(low, high, most, minimumStep, cover);
    QStringList shown;
    for (const double tick : axis.ticks)
        shown << QString::number(tick, 'g', 15);
    QCOMPARE(shown.join(' '), ticks);
    QVERIFY(axis.ticks.size() <= most);
    if (cover && !axis.ticks.isEmpty())
        QVERIFY(axis.from <= low && axis.to >= high);
}

void TestSheet::defaultPage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("page");
    QTest::newRow("United States") << "en_US" << int(QPageSize::Letter);
    QTest::newRow("Canada, French") << "fr_CA" << int(QPageSize::Letter);
    QTest::newRow("Germany") << "de_DE" << int(QPageSize::A4);
    QTest::newRow("United Kingdom") << "en_GB" << int(QPageSize::A4);
}

void TestSheet::defaultPage()
{
    QFETCH(QString, locale);
    QFETCH(int, page);
    QCOMPARE(int(RunSheet::defaultPage(QLocale(locale))), page);
}

void TestSheet::sheetHoldsWhatRunReports_data()
{
    QTest::addColumn<QString>("file");
    const QStringList files = QDir(Projects).entryList({"*.xml"}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << QDir(Projects).filePath(file);
}

void TestSheet::sheetHoldsWhatRunReports()
{
    QFETCH(QString, file);
    const QString pdf = m_folder.filePath(QFileInfo(file).baseName() + ".pdf");
    const Outcome outcome = runCli({"run", "--catalogue", Readers::sourcePath("data"), "--format",
                                       "json", "--sheet", pdf, file},
        english());
    QVERIFY2(outcome.status >= 0 && outcome.status <= 2, qPrintable(outcome.err));
    const QJsonObject run = QJsonDocument::fromJson(outcome.out.toUtf8())
                                .object()
                                .value("runs")
                                .toArray()
                                .first()
                                .toObject();
    const QString text = pdfText(pdf);
    QStringList expected {QFileInfo(file).fileName(), "page 1 of"};
    if (!run.value("opened").toBool()) {
        expected << "NOT OPENED" << run.value("refusal").toString().simplified();
    } else {
        for (const char *name : {"fixture", "supply"})
            expected << run.value(name).toString();
        for (const char *name : {"lineVoltage", "effectiveVoltage", "circuit", "deratedLoad",
                 "leaderLength", "length", "power", "current", "voltageDrop", "endVoltage"})
            expected << figure(run.value(name).toDouble());
        expected << QString::number(run.value("fixtures").toInt())
                 << (run.value("valid").toBool() ? "VALID" : "NOT VALID")
                 << run.value("headroom").toString();
        for (const QJsonValue limit : run.value("limits").toArray())
            expected << limit.toObject().value("text").toString();
        for (const QJsonValue cell : run.value("profile").toObject().value("cells").toArray())
            if (cell.toObject().value("kind") == "fixture")
                expected << figure(cell.toObject().value("inputVoltage").toDouble()) + " V";
    }
    for (const QString &part : expected)
        QVERIFY2(text.contains(part.simplified()), qPrintable(part + " not in: " + text));
}

void TestSheet::billOfMaterialsAddsUpToTheCells()
{
    QFETCH(QString, file);
    QList<RunReport::Report> reports;
    int problems = 0;
    QVERIFY(RunReport::openAll(testCatalogue(), {file}, reports, problems));
    const RunSheet::Run run = SheetInput::sheetRun(reports.first());
    QMap<QString, double> cable; // the feet of custom jumper cable, per type and gauge
    int fixtures = 0;
    int jumpers = 0;
    for (const RunSheet::Cell &cell : run.cells) {
        (cell.kind == RunSheet::Cell::Fixture ? fixtures : jumpers) += 1;
        if (cell.custom)
            cable[cell.name + '/' + cell.gauge] += cell.length;
    }
    QMap<RunSheet::Material::Kind, int> counted;
    for (const RunSheet::Material &m : RunSheet::billOfMaterials(run)) {
        counted[m.kind] += m.count;
        if (m.kind == RunSheet::Material::CustomCable)
            QCOMPARE(m.length, cable.take(m.name + '/' + m.gauge));
    }
    QCOMPARE(counted.value(RunSheet::Material::Fixture), fixtures);
    QCOMPARE(counted.value(RunSheet::Material::Jumper), jumpers);
    QCOMPARE(counted.value(RunSheet::Material::Supply), 1);
    QCOMPARE(counted.value(RunSheet::Material::Leader), 1);
    QVERIFY(cable.isEmpty());
}

void TestSheet::longRunStaysInsideThePrintableArea_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("A4") << "a4" << QSizeF(595, 842);
    QTest::newRow("Letter") << "letter" << QSizeF(612, 792);
}

void TestSheet::longRunStaysInsideThePrintableArea()
{
    QFETCH(QString, page);
    QFETCH(QSizeF, size);
    const QString pdf = m_folder.filePath("long-" + page + ".pdf");
    const Outcome outcome = runCli({"run", "--catalogue", Readers::sourcePath("data"), "--sheet",
                                       pdf, "--page", page, Projects + "/reading-bound.xml"},
        english());
    QCOMPARE(outcome.status, 1); // the run is far beyond its limits
    const QString xhtml = pdfText(pdf, true);
    const QStringList pages = xhtml.split("<page ").mid(1);
    QVERIFY(pages.size() > 2);
    const double margin = 36 - 0.5; // half an inch, less rounding
    static const QRegularExpression pageSize(R"re(^width="([\d.]+)" height="([\d.]+)")re");
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    QSet<int> numbers;
    for (int i = 0; i < pages.size(); ++i) {
        const QRegularExpressionMatch paper = pageSize.match(pages[i]);
        QCOMPARE(QSizeF(paper.captured(1).toDouble(), paper.captured(2).toDouble()), size);
        QVERIFY(pages[i].contains(QStringLiteral(">%1</word>").arg(pages.size())));
        for (auto it = word.globalMatch(pages[i]); it.hasNext();) {
            const QRegularExpressionMatch w = it.next();
            const QRectF box(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
            QVERIFY2(
                QRectF(QPointF(margin, margin), size - QSizeF(margin, margin) * 2).contains(box),
                qPrintable(QStringLiteral("page %1: %2").arg(i + 1).arg(w.captured(5))));
            numbers << w.captured(5).toInt();
        }
    }
    for (const int n : {1, 500, 999, 1000})
        QVERIFY2(numbers.contains(n), qPrintable(QString::number(n)));
}

void TestSheet::refusedFileAndSummaryPages()
{
    const QString pdf = m_folder.filePath("several.pdf");
    const QStringList files {Projects + "/other-voltage-and-load.xml", Projects + "/not-xml.xml"};
    const Outcome outcome = runCli(
        QStringList {"run", "--catalogue", Readers::sourcePath("data"), "--sheet", pdf} + files,
        english());
    QCOMPARE(outcome.status, 2); // a file refused, the others still reported
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains("Summary of 2 runs"), qPrintable(text));
    QVERIFY(text.indexOf("not-xml.xml") < text.indexOf("Summary"));
    QVERIFY(text.contains("not-xml.xml refused"));
    QVERIFY(text.contains("other-voltage-and-load.xml Trellan Dot 6 3 22.5 ft 18 W"));
    QVERIFY(text.contains("NOT OPENED This file could not be opened:"));
    QVERIFY(outcome.err.contains("not-xml.xml: refused"));
}

void TestSheet::sameSourceDateEpochSameText()
{
    const QString plan = Projects + "/custom-leader-and-jumpers.xml";
    QStringList texts;
    for (const QString name : {"first.pdf", "second.pdf"}) {
        runCli({"run", "--catalogue", Readers::sourcePath("data"), "--sheet",
                   m_folder.filePath(name), plan},
            english());
        texts << pdfText(m_folder.filePath(name));
    }
    QCOMPARE(texts[0], texts[1]);
    QVERIFY(texts[0].contains("2023-11-14"));
}

void TestSheet::germanWhereTheTranslationHasIt()
{
    QProcessEnvironment german = english();
    german.insert("LC_ALL", "de_DE.UTF-8");
    const QString pdf = m_folder.filePath("german.pdf");
    runCli({"run", "--catalogue", Readers::sourcePath("data"), "--sheet", pdf,
               Projects + "/other-voltage-and-load.xml"},
        german);
    const QString text = pdfText(pdf);
    for (const char *german : {"Strangblatt: other-voltage-and-load.xml", "GÜLTIG", "Stückliste",
             "Strom 0.0850662 A ≤ abgeminderte Last 5.6 A", "Nächste Leuchte (4)", "Seite 1 von 1",
             "Leuchte (0: Netzteilseite der Zuleitung)"})
        QVERIFY2(text.contains(QString::fromUtf8(german)), german);
}

void TestSheet::windowSheet_data()
{
    QTest::addColumn<QString>("file"); // opened in the full window; none: a run built there
    QTest::addColumn<QString>("action");
    // The file dialog's answer, or the file the printer is set to write; none: cancelled.
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("firstPage"); // printed: this page and the next; 0: all
    QTest::addColumn<QString>("boxes"); // the captions of the boxes shown
    QTest::addColumn<bool>("written"); // to window.pdf, else nothing
    const auto row = [](const QString &name, const QString &file, const char *action,
                         const char *answer, int firstPage, const char *boxes, bool written) {
        QTest::newRow(qPrintable(name))
            << file << action << answer << firstPage << boxes << written;
    };
    const QStringList files = QDir(Projects).entryList({"*.xml"}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files)
        row(file + ", exported", file, exportSheet, "window.pdf", 0, "", true);
    row("built, exported, the suffix added", "", exportSheet, "window", 0, "", true);
    row("built, printed", "", "actionPrint", "window.pdf", 0, "Print", true);
    row("reading-bound.xml, printed", "reading-bound.xml", "actionPrint", "window.pdf", 0, "Print",
        true);
    row("reading-bound.xml, pages 2 and 3 printed", "reading-bound.xml", "actionPrint",
        "window.pdf", 2, "Print", true);
    row("export cancelled", "", exportSheet, "", 0, "", false);
    // With the suffix added old.pdf would be replaced: the question's default
    // answer is Cancel, and the file dialog is then cancelled.
    row("replacing declined", "", exportSheet, "old", 0, "replace?", false);
    row("folder missing", "", exportSheet, "missing/window.pdf", 0, "Export Error", false);
    row("print cancelled", "", "actionPrint", "", 0, "Print", false);
    row("pages past the sheet's end", "", "actionPrint", "window.pdf", 5, "Print|Print Error",
        false);
}

// The full window's sheet, exported or printed, is the one wattlan-cli draws
// of its configuration saved; one cancelled, declined or failed writes nothing.
void TestSheet::windowSheet()
{
    QFETCH(QString, file);
    QFETCH(QString, action);
    QFETCH(QString, answer);
    QFETCH(int, firstPage);
    QFETCH(QString, boxes);
    QFETCH(bool, written);
    qputenv("SOURCE_DATE_EPOCH", english().value("SOURCE_DATE_EPOCH").toLatin1());
    QTemporaryDir dir;
    const QString old = dir.filePath("old.pdf");
    QVERIFY(QFile::copy(QDir(Projects).filePath("not-xml.xml"), old));
    WindowFixture w;
    w.offerAllTools();
    if (file.isEmpty()) {
        w.choose("m_ZV_LineVoltage_Combo", "208");
        for (int i = 0; i < 3; ++i)
            w.click("m_ZV_AddFixture_Button");
        w.choose("m_ZV_LeaderType_Combo", "Custom Leader");
    } else {
        QVERIFY(QFile::copy(QDir(Projects).filePath(file), dir.filePath(file)));
        w.window->openConfiguration(dir.filePath(file)); // not-xml.xml leaves Untitled.xml
    }
    w.prompter.clear();
    if (action == exportSheet)
        w.prompter.fileNames << (answer.isEmpty() ? QString() : dir.filePath(answer));
    int page = -1;
    w.prompter.dialogResponder = [&](QDialog &dialog) {
        QPrinter *printer = dynamic_cast<QPrintDialog &>(dialog).printer();
        page = printer->pageLayout().pageSize().id();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath("window.pdf"));
        if (firstPage > 0)
            printer->setPageRanges(
                QPageRanges::fromString(QStringLiteral("%1-%2").arg(firstPage).arg(firstPage + 1)));
        return int(answer.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
    };
    w.trigger(qPrintable(action));
    QStringList shown;
    for (const CapturedBox &box : w.prompter.boxes)
        shown << (box.caption.isEmpty() ? "replace?" : box.caption);
    QCOMPARE(shown.join('|'), boxes);
    QCOMPARE(Readers::fileBytes(old), Readers::fileBytes(QDir(Projects).filePath("not-xml.xml")));
    QCOMPARE(QFileInfo::exists(dir.filePath("window.pdf")), written);
    if (!written)
        return;

    const QPageSize::PageSizeId paper = RunSheet::defaultPage(QLocale::system());
    QCOMPARE(page, action == "actionPrint" ? int(paper) : -1); // the dialog offers it
    const QString shownName = w.window->currentFileDisplayName();
    w.saveAs(dir.filePath(shownName));
    const QString cliPdf = dir.filePath("cli.pdf");
    runCli({"run", "--catalogue", Readers::sourcePath("data"), "--page",
               paper == QPageSize::Letter ? "letter" : "a4", "--sheet", cliPdf,
               dir.filePath(shownName)},
        english());
    const QString text = pdfText(dir.filePath("window.pdf"));
    QCOMPARE(text, pdfText(cliPdf, false, firstPage, firstPage + 1));
    QVERIFY(text.contains(firstPage > 0 ? "page 2 of" : "Run sheet: " + shownName));
}

WATTLAN_TEST_MAIN(TestSheet)
#include "tst_sheet.moc"
