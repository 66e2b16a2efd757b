// The technology tabs worked as a user does, on the catalogue of tests/data/tabs:
// each scenario of tests/data/tabs/scenarios.txt is a row of one table. Then
// what the tabs' tips tell, and the jumpers that decide a run's validity.
#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "readersupport.h"
#include "windowfixture.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolTip>

namespace {
// "X*n" stands for n times X.
QStringList repeated(const QString &text)
{
    const qsizetype star = text.lastIndexOf(QLatin1Char('*'));
    bool counted = false;
    const int times = star > 0 ? text.mid(star + 1).toInt(&counted) : 1;
    return counted ? QStringList(times, text.left(star)) : QStringList(text);
}

// The tool tip a widget shows when the pointer rests on it.
QString tipOf(QWidget *widget)
{
    const QPoint centre = widget->rect().center();
    QHelpEvent help(QEvent::ToolTip, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &help);
    return QToolTip::text();
}
} // namespace

class TestTabs : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;

    // The run's cells as a word; fixture cells must be numbered in order.
    static QString shape(const QStringList &cells)
    {
        QString word;
        for (const QString &cell : cells) {
            const bool jumper = cell.startsWith(QLatin1Char('J'));
            if (!jumper && !cell.startsWith(QStringLiteral("%1: ").arg(word.count('F') + 1)))
                return QStringLiteral("misnumbered ") + cell;
            word += jumper ? QLatin1Char('J') : QLatin1Char('F');
        }
        return word;
    }

    // Takes one step on the tab whose widgets' names start with prefix.
    static void step(
        const WindowFixture &w, const QString &prefix, const QString &step, qsizetype &mark)
    {
        const QString key = step.section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        const QStringList buttons {"AddFixture", "AddJumper", "Delete", "Reset", "Maximize"};
        const qsizetype button = QStringLiteral("FJDRM").indexOf(step);
        if (step.size() == 1 && button >= 0) {
            w.click(qPrintable(prefix + buttons[button] + "_Button"));
        } else if (step == QLatin1String("mark")) {
            mark = w.log().size();
        } else if (key.startsWith(QLatin1String("j:"))) {
            JWidget *jumper = nullptr;
            for (const CWidget *cell : w.run(qPrintable(prefix + "Frame"))->cells())
                jumper = cell->jumperWidget() ? cell->jumperWidget() : jumper;
            QVERIFY(jumper);
            if (key == QLatin1String("j:length"))
                jumper->lengthSpin()->setValue(value.toInt());
            else
                (key == QLatin1String("j:type") ? jumper->jumperCombo() : jumper->gaugeCombo())
                    ->setCurrentIndex(value.toInt());
        } else if (step.startsWith(QLatin1String("click:"))) {
            w.click(qPrintable(step.mid(6)));
        } else if (step.startsWith(QLatin1String("call:"))) {
            QVERIFY(QMetaObject::invokeMethod(w.window.get(), qPrintable(step.mid(5))));
        } else if (step.startsWith(QLatin1String("stray:"))) {
            auto *combo = w.child<QComboBox>(qPrintable(step.mid(6)));
            combo->addItem(QStringLiteral("Stray"), 99);
            combo->setCurrentIndex(combo->count() - 1);
        } else if (auto *spin = w.window->findChild<QSpinBox *>(key)) {
            spin->setValue(value.toInt());
        } else {
            bool isRow = false;
            const int row = value.toInt(&isRow);
            if (!isRow)
                w.choose(qPrintable(key), value);
            else
                w.child<QComboBox>(qPrintable(key))->setCurrentIndex(row);
        }
    }

    static QString probe(const WindowFixture &w, const CFrame *frame, const QString &name,
        const QString &last, qsizetype mark)
    {
        if (name == QLatin1String("log"))
            return QLatin1Char('\n') + w.log().join(QLatin1Char('\n')) + QLatin1Char('\n');
        if (name == QLatin1String("lines"))
            return QString::number(w.log().size() - mark);
        if (name == QLatin1String("modified"))
            return QString::number(int(frame->isModified()));
        if (name == QLatin1String("last"))
            return last;
        if (name == QLatin1String("boxes")) {
            QStringList boxes;
            for (const CapturedBox &box : w.prompter.boxes)
                boxes << box.caption + QStringLiteral(": ") + box.text;
            return boxes.join(QLatin1Char('|'));
        }
        const QString object = name.section(QLatin1Char(':'), 0, 0);
        const QString property = name.section(QLatin1Char(':'), 1);
        auto *widget = w.child<QWidget>(qPrintable(object));
        if (property == QLatin1String("shown"))
            return QString::number(int(!widget->isHidden()));
        if (property == QLatin1String("entries"))
            return entries(qobject_cast<QComboBox *>(widget));
        const QVariant read = widget->property(qPrintable(property));
        if (!read.isValid())
            qFatal("no property %s", qPrintable(name));
        return read.toString();
    }

private slots:
    void scenario_data()
    {
        addColumns<QString, QStringList, QString, int, QString, QStringList>(
            "tab", "steps", "run", "valid", "log", "probes");
        for (const Readers::Block &block : Readers::blocks("tests/data/tabs/scenarios.txt")) {
            QMap<QString, QStringList> fields;
            for (const QString &line : block.lines) {
                const QString key = line.section(':', 0, 0);
                QVERIFY2(QStringList({"tab", "do", "run", "valid", "log", "expect"}).contains(key),
                    qPrintable(line));
                fields[key] << line.section(':', 1).trimmed().replace(QLatin1String("\\n"), "\n");
            }
            const auto field = [&](const char *key, const QString &absent) {
                return fields.contains(key) ? fields.value(key).join(';') : absent;
            };
            QStringList steps;
            QString run;
            for (const QString &step : field("do", QString()).split(';', Qt::SkipEmptyParts))
                steps << repeated(step.trimmed());
            for (const QString &cells : field("run", "-").split(' ', Qt::SkipEmptyParts))
                run += repeated(cells).join(QString());
            QTest::newRow(qPrintable(block.name))
                << field("tab", QString()) << steps << run << field("valid", "-1").toInt()
                << field("log", QString()) << fields.value(QStringLiteral("expect"));
        }
    }

    void scenario()
    {
        const auto [tab, steps, run, valid, log, probes]
            = fetch<QString, QStringList, QString, int, QString, QStringList>(
                "tab", "steps", "run", "valid", "log", "probes");
        const QString prefix = "m_" + tab + "_";
        WindowFixture w(testCatalogue(QStringLiteral("tabs")));
        // The pages out of the tab widget work as once their tabs are put back.
        for (const char *page : {"TSFtab", "Flextab", "OBTab"})
            w.child<QWidget>(page)->setEnabled(true);
        qsizetype mark = w.log().size();
        for (const QString &s : steps) {
            step(w, prefix, s, mark);
            if (QTest::currentTestFailed())
                return;
        }
        const auto *frame = w.window->findChild<CFrame *>(prefix + "Frame");
        const QStringList described = frame ? describeCells(*frame, true) : QStringList();
        const QString last = described.isEmpty() ? QString() : described.constLast();
        const QString cells = frame ? shape(described) : QString();
        if (run != QLatin1String("-"))
            QCOMPARE(cells, run);
        if (valid >= 0) {
            QCOMPARE(frame->isValid(), bool(valid));
            const QColor colour = valid ? QColor(192, 255, 192) : QColor(255, 128, 128);
            const auto fields = w.window->findChildren<QLineEdit *>(
                QRegularExpression("^" + prefix + "TotalPower.*_Edit$"));
            QVERIFY(!fields.isEmpty());
            for (const auto *field : fields)
                for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                    QCOMPARE(field->palette().color(group, QPalette::Base), colour);
        }
        if (!log.isEmpty())
            QCOMPARE(w.lastLogLine(), log);
        for (const QString &p : probes) {
            const qsizetype equals = p.indexOf(QLatin1Char('='));
            const bool part = p.indexOf(QLatin1Char('~')) >= 0
                && (equals < 0 || p.indexOf(QLatin1Char('~')) < equals);
            const QChar separator = part ? QLatin1Char('~') : QLatin1Char('=');
            const QString name = p.section(separator, 0, 0);
            const QString expected = p.section(separator, 1);
            const QString actual = probe(w, frame, name, last, mark);
            if (part)
                QVERIFY2(actual.contains(expected), qPrintable(name + ": " + actual));
            else
                QCOMPARE(name + ": " + actual, name + ": " + expected);
        }
    }

    void tabWorksOncePutBack()
    {
        WindowFixture w(testCatalogue(QStringLiteral("tabs")));
        auto *tabs = w.child<QTabWidget>("tabWidget");
        const int index = tabs->addTab(w.child<QWidget>("TSFtab"), QStringLiteral("Tessan"));
        tabs->setTabEnabled(index, true);
        tabs->setCurrentIndex(index);
        w.child<QAbstractButton>("m_TS_AddFixture_Button")->click();
        QCOMPARE(w.run("m_TS_Frame")->fixtureCount(), 2);
    }

    void afterMaximizeTheTipsSayWhatStoppedIt_data()
    {
        addColumns<QString, QString, QString, QString>(
            "tab", "next", "firstFixture", "lastFixture");
        QTest::newRow("Zelvane")
            << "ZV"
            << "Next fixture (36): Electrical length 154 ft > supply max 150 ft"
            << "Fixture 1: 119.7 V at its input, 0.3 V (0.3 %) below the supply"
            << "Fixture 35: 117.3 V at its input, 2.7 V (2.3 %) below the supply";
        QTest::newRow("Tessan") << "TS"
                                << "Next fixture (8): Power 67.2 W > port max 60 W"
                                << "Fixture 1: 23.9 V at its input, 0.1 V (0.5 %) below the supply"
                                << "Fixture 7: 23.1 V at its input, 0.9 V (3.6 %) below the supply";
    }
    void afterMaximizeTheTipsSayWhatStoppedIt()
    {
        const auto [tab, next, firstFixture, lastFixture]
            = fetch<QString, QString, QString, QString>(
                "tab", "next", "firstFixture", "lastFixture");
        WindowFixture fixture;
        const QString prefix = "m_" + tab + "_";
        fixture.click(qPrintable(prefix + "Maximize_Button"), tab == "TS" ? "TSFtab" : nullptr);
        auto *edit = fixture.child<QLineEdit>(qPrintable(prefix + "TotalPowerWatts_Edit"));
        QCOMPARE(tipOf(edit).split('\n').last(), next);
        const QList<CWidget *> &cells = fixture.run(qPrintable(prefix + "Frame"))->cells();
        QCOMPARE(tipOf(cells.first()->widget()), firstFixture);
        QCOMPARE(tipOf(cells.last()->widget()), lastFixture);
    }

    void onlyCountedJumpersDecideValidity_data()
    {
        addColumns<QString, QString, bool, QString>("tab", "presses", "valid", "reported");
        const auto row = [](const char *name, const char *tab, const char *presses, bool valid,
                             const char *reported) {
            QTest::newRow(name) << tab << presses << valid << reported;
        };
        row("Zelvane, a trailing jumper without type", "ZV", "J", true, "");
        row("Zelvane, the same jumper counted", "ZV", "JF", false,
            "The jumper before fixture 2 has no cable type or gauge");
        row("Tessan, three trailing jumpers", "TS", "JJJ", true, "");
        row("Tessan, two of them counted", "TS", "JJF", false,
            "2 jumpers have no cable type or gauge, the first before fixture 2");
    }
    void onlyCountedJumpersDecideValidity()
    {
        const auto [tab, presses, valid, reported]
            = fetch<QString, QString, bool, QString>("tab", "presses", "valid", "reported");
        WindowFixture fixture(testCatalogue(QStringLiteral("runfixes")));
        const QString prefix = "m_" + tab + "_";
        if (tab == "ZV")
            fixture.choose("m_ZVFixture_Combo", QStringLiteral("Bare"));
        for (const QChar press : presses)
            fixture.click(
                qPrintable(prefix + (press == 'J' ? "AddJumper_Button" : "AddFixture_Button")),
                tab == "ZV" ? nullptr : "TSFtab");
        const CFrame *run = fixture.run(qPrintable(prefix + "Frame"));
        QCOMPARE(run->cells().size(), presses.size() + 1);
        QCOMPARE(run->isValid(), valid);
        const QString tip
            = fixture.child<QLineEdit>(qPrintable(prefix + "TotalPowerWatts_Edit"))->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("no cable type")) == !valid, qPrintable(tip));
        QVERIFY2(tip.startsWith(reported), qPrintable(tip));
    }
};

WATTLAN_TEST_MAIN(TestTabs)
#include "tst_tabs.moc"
