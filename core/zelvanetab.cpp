#include "zelvanetab.h"

#include "boxvalues.h"
#include "database.h"
#include "familyrule.h"
#include "projectrun.h"
#include "zelvanerules.h"
#include "zvrecords.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// A row outside the list makes none current, as a combo box does.
int rowIn(qsizetype count, int row)
{
    return row >= 0 && row < count ? row : -1;
}

// The row a refilled selector shows: its first entry, or none.
int firstRow(const QStringList &entries)
{
    return entries.isEmpty() ? -1 : 0;
}

// The line voltage and load selectors end in "Other", which the window shows
// translated and a file stores untranslated or as shown.
bool namesOther(const QString &stored)
{
    return stored == ProjectFormat::otherText()
        || stored == QCoreApplication::translate("WattlanClass", "Other");
}

// The selectors' entries before "Other", as their texts.
QStringList entriesOf(const QList<int> &figures)
{
    QStringList entries;
    for (int figure : figures)
        entries << QString::number(figure);
    return entries;
}

// "Other" is the entry after the listed figures.
int storedRow(const QString &stored, const QList<int> &figures)
{
    return namesOther(stored) ? int(figures.size()) : int(entriesOf(figures).indexOf(stored));
}

QString storedText(int row, const QList<int> &figures)
{
    if (row == figures.size())
        return ProjectFormat::otherText();
    return row >= 0 ? QString::number(figures.at(row)) : QString();
}

double chosenFigure(int row, const QList<int> &figures, const NumberBox &other)
{
    if (row == figures.size())
        return other.value;
    return row >= 0 ? figures.at(row) : 0; // no entry reads as 0
}

QString entryAt(const QStringList &entries, int row)
{
    return row >= 0 && row < entries.size() ? entries.at(row) : QString();
}

} // namespace

void NumberBox::setMaximum(int limit)
{
    maximum = limit;
    minimum = std::min(minimum, limit);
    value = std::clamp(value, minimum, maximum);
}

void NumberBox::setValue(int wanted)
{
    value = std::clamp(wanted, minimum, maximum);
}

ZelvaneTab::ZelvaneTab(const Database &database)
    : m_database(database), m_customLineVoltage {ZelvaneRules::MinimumLineVoltage,
                                ZelvaneRules::MaximumLineVoltage, 120},
      m_customCircuitLoad {ZelvaneRules::MinimumCircuitLoad, ZelvaneRules::MaximumCircuitLoad, 15},
      m_leaderLength {LeaderLengthMinimum, LeaderLengthLimit, 20}
{
    for (const ZVFixture *fixture : database.m_zvFixtures)
        m_fixtures << fixture->Name;
    m_lineVoltageRow = 0;
    m_circuitLoadRow = 0;
    chooseFixture(0);
    chooseLineVoltage(1);
    chooseCircuitLoad(0);
    resetRun();
}

void ZelvaneTab::chooseFixture(int row)
{
    const int chosen = rowIn(m_fixtures.size(), row);
    if (chosen == m_fixtureRow)
        return;
    m_fixtureRow = chosen;
    if (const ZVFixture *chosenFixture = fixture())
        applyFixture(*chosenFixture);
}

void ZelvaneTab::applyFixture(const ZVFixture &chosen)
{
    if (!sharesFamilyChoices(m_previousFixture, chosen)) {
        m_supplies = ZelvaneRules::supplyNames(chosen);
        m_supplyRow = firstRow(m_supplies);
        m_leaders = ZelvaneRules::leaderNames(chosen);
        m_leaderRow = firstRow(m_leaders);
        if (m_leaderRow >= 0)
            applyLeader();
        resetRun();
    }
    m_previousFixture = &chosen;
}

void ZelvaneTab::chooseSupply(int row)
{
    m_supplyRow = rowIn(m_supplies.size(), row);
}

void ZelvaneTab::chooseLineVoltage(int row)
{
    m_lineVoltageRow = rowIn(ZelvaneRules::lineVoltages().size() + 1, row);
}

void ZelvaneTab::chooseCircuitLoad(int row)
{
    m_circuitLoadRow = rowIn(ZelvaneRules::circuitLoads().size() + 1, row);
}

void ZelvaneTab::chooseLeader(int row)
{
    const int chosen = rowIn(m_leaders.size(), row);
    if (chosen == m_leaderRow)
        return;
    m_leaderRow = chosen;
    if (chosen >= 0)
        applyLeader();
}

void ZelvaneTab::applyLeader()
{
    const YmJumper *chosen = leader();
    if (!chosen)
        return; // a row past a family member's leaders: no leader to set up
    const ZelvaneRules::LeaderSetup setup = ZelvaneRules::leaderSetup(*chosen);
    if (setup.custom) {
        // Refilled, the first wire is chosen, then the default one.
        m_gauges = setup.gauges;
        m_gaugeRow = firstRow(m_gauges);
        if (m_gaugeRow >= 0)
            applyLeaderGauge();
        if (setup.defaultGaugeRow >= 0)
            chooseLeaderGauge(setup.defaultGaugeRow);
    } else {
        m_leaderLength.setMaximum(setup.lengthMaximum);
    }
    m_leaderLength.setValue(setup.length);
}

void ZelvaneTab::chooseLeaderGauge(int row)
{
    const int chosen = rowIn(m_gauges.size(), row);
    if (chosen == m_gaugeRow)
        return;
    m_gaugeRow = chosen;
    if (chosen >= 0)
        applyLeaderGauge();
}

void ZelvaneTab::applyLeaderGauge()
{
    const YmJumper *chosen = leader();
    if (const YmWire *wire = chosen ? ZelvaneRules::gaugeAt(*chosen, m_gaugeRow) : nullptr)
        m_leaderLength.setMaximum(ZelvaneRules::gaugeLengthMaximum(*wire));
}

void ZelvaneTab::resetRun()
{
    m_cells.clear();
    if (const ZVFixture *chosen = fixture())
        m_cells << RunCell {RunCell::Fixture, chosen, {}};
}

void ZelvaneTab::applySettings(const ZelvaneSettings &settings)
{
    const QList<int> &voltages = ZelvaneRules::lineVoltages();
    const QList<int> &loads = ZelvaneRules::circuitLoads();
    chooseFixture(int(m_fixtures.indexOf(settings.fixtureName)));
    if (!settings.supplyName.isEmpty())
        chooseSupply(int(m_supplies.indexOf(settings.supplyName)));
    chooseLineVoltage(storedRow(settings.lineVoltage, voltages));
    if (namesOther(settings.lineVoltage))
        m_customLineVoltage.setValue(settings.customLineVoltage);
    chooseCircuitLoad(storedRow(settings.maxCircuitLoad, loads));
    if (namesOther(settings.maxCircuitLoad))
        m_customCircuitLoad.setValue(settings.customMaxCircuitLoad);
    chooseLeader(int(m_leaders.indexOf(settings.leaderType)));
    if (settings.leaderType == ProjectFormat::customLeaderText())
        chooseLeaderGauge(int(m_gauges.indexOf(settings.customLeaderGauge)));
    m_leaderLength.setValue(settings.leaderLength);
}

void ZelvaneTab::open(const QDomElement &root)
{
    applySettings(ProjectFormat::settingsFrom(root));
    // Last: the run refers to the fixture and its lists set above.
    readRun(root);
}

const ZVFixture *ZelvaneTab::fixtureNamed(const QString &name) const
{
    // The fixture selector lists every record in order: the first of the name.
    return m_database.m_zvFixtures.value(int(m_fixtures.indexOf(name)));
}

void ZelvaneTab::readRun(const QDomElement &root)
{
    m_cells.clear();
    QString message;
    const QList<ProjectRun::StoredCell> stored = ProjectRun::read(
        root, [this](const QString &name) { return const_cast<ZVFixture *>(fixtureNamed(name)); },
        message);
    for (const ProjectRun::StoredCell &cell : stored) {
        if (cell.kind == ProjectRun::StoredCell::Fixture)
            m_cells << RunCell {RunCell::Fixture, cell.fixture, {}};
        else
            m_cells << RunCell {RunCell::Jumper, cell.fixture,
                JumperChoices::stored(cell.fixture, cell.jumperRow, cell.gaugeRow, cell.length)};
    }
}

ZelvaneSettings ZelvaneTab::settings() const
{
    ZelvaneSettings settings;
    settings.fixtureName = entryAt(m_fixtures, m_fixtureRow);
    settings.supplyName = entryAt(m_supplies, m_supplyRow);
    settings.lineVoltage = storedText(m_lineVoltageRow, ZelvaneRules::lineVoltages());
    settings.customLineVoltage = m_customLineVoltage.value;
    settings.maxCircuitLoad = storedText(m_circuitLoadRow, ZelvaneRules::circuitLoads());
    settings.customMaxCircuitLoad = m_customCircuitLoad.value;
    settings.leaderType = entryAt(m_leaders, m_leaderRow);
    settings.customLeaderGauge = entryAt(m_gauges, m_gaugeRow);
    settings.leaderLength = m_leaderLength.value;
    return settings;
}

const ZVFixture *ZelvaneTab::fixture() const
{
    return m_fixtureRow < 0 ? nullptr : m_database.m_zvFixtures.value(m_fixtureRow);
}

const ZVPowerSupply *ZelvaneTab::supply() const
{
    const ZVFixture *chosen = fixture();
    return chosen ? ZelvaneRules::supplyAt(*chosen, m_supplyRow) : nullptr;
}

const YmJumper *ZelvaneTab::leader() const
{
    const ZVFixture *chosen = fixture();
    return chosen ? ZelvaneRules::leaderAt(*chosen, m_leaderRow) : nullptr;
}

const YmWire *ZelvaneTab::leaderGauge() const
{
    const YmJumper *chosen = leader();
    return chosen ? ZelvaneRules::gaugeAt(*chosen, m_gaugeRow) : nullptr;
}

double ZelvaneTab::lineVoltage() const
{
    return chosenFigure(m_lineVoltageRow, ZelvaneRules::lineVoltages(), m_customLineVoltage);
}

double ZelvaneTab::circuitLoad() const
{
    return chosenFigure(m_circuitLoadRow, ZelvaneRules::circuitLoads(), m_customCircuitLoad);
}

ZelvaneModel::Inputs ZelvaneTab::inputs() const
{
    ZelvaneModel::Inputs inputs;
    inputs.lineVoltage = lineVoltage();
    inputs.maxLoad = circuitLoad();
    if (const ZVFixture *chosen = fixture()) {
        inputs.fixture = ZelvaneRules::selectedOf(*chosen);
        if (const ZVPowerSupply *chosenSupply = supply())
            inputs.supply = ZelvaneRules::limitsOf(*chosenSupply);
        if (const YmJumper *chosenLeader = leader())
            inputs.leader
                = ZelvaneRules::leaderOf(*chosenLeader, leaderGauge(), m_leaderLength.value);
    }
    for (const RunCell &cell : m_cells) {
        const auto *record = qobject_cast<const ZVFixture *>(cell.fixture);
        if (!record)
            continue; // not a Zelvane cell: it adds nothing
        inputs.cells << (cell.kind == RunCell::Fixture
                ? ZelvaneRules::fixtureCell(*record)
                : ZelvaneRules::jumperCell(*record, cell.jumper));
    }
    return inputs;
}
