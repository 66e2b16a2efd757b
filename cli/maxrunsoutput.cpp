#include "maxrunsoutput.h"

#include "database.h"
#include "records.h"
#include "table.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

const char *const Headers[]
    = {"kind", "fixture", "supply", "leader", "leader_ft", "volts", "load_a", "fixtures",
        "length_ft", "power_w", "current_a", "drop_v", "valid", "next_fixture_breaks"};
enum Column {
    Kind,
    Fixture,
    Supply,
    Leader,
    LeaderFeet,
    Volts,
    Load,
    Fixtures,
    Length,
    Power,
    Current,
    Drop,
};

// A figure that is no number (no leader, no run) is left out.
QString cell(double value)
{
    return std::isnan(value) ? QString() : figure(value);
}

QJsonValue json(double value)
{
    return std::isnan(value) ? QJsonValue() : QJsonValue(value);
}

int widestFigure(const QList<double> &values)
{
    int width = 0;
    for (double value : values)
        width = std::max(width, int(figure(value).size()));
    return width;
}

} // namespace

MaxRunsPrinter::MaxRunsPrinter(
    Cli::Format format, QTextStream &out, const Database &database, const MaxRuns::Options &options)
    : m_format(format), m_out(out)
{
    QStringList headers;
    for (const char *header : Headers) {
        headers << QLatin1String(header);
        m_widths << int(qstrlen(header));
        m_numeric << false;
    }
    switch (m_format) {
    case Cli::Format::Json:
        m_out << "{\n    \"rows\": [\n";
        return;
    case Cli::Format::Csv:
        m_out << csvLine(headers);
        return;
    case Cli::Format::Markdown:
        m_out << markdownLine(headers) << markdownRule(headers.size());
        return;
    case Cli::Format::Text:
        break;
    }
    const MaxRuns::NameWidths names = MaxRuns::nameWidths(database, options);
    m_widths[Kind] = int(MaxRuns::kindName(MaxRuns::Row::FlexLeader).size());
    m_widths[Fixture] = std::max(m_widths[Fixture], names.fixture);
    m_widths[Supply] = std::max(m_widths[Supply], names.supply);
    m_widths[Leader] = std::max(m_widths[Leader], names.leader);
    // Known before the search: the voltages and circuits asked for, the
    // fixtures' own voltages, at most four digits of fixtures. The rest are
    // figures of six significant digits at most.
    QList<double> voltages = options.voltages;
    for (const TSFixture *fixture : database.m_tsFixtures)
        voltages << fixture->Voltage;
    for (const FlexString *string : database.m_flexStrings)
        voltages << string->Voltage;
    m_widths[Volts] = std::max(m_widths[Volts], widestFigure(voltages));
    m_widths[Load] = std::max(m_widths[Load], widestFigure(options.loads));
    m_widths[Fixtures] = std::max(m_widths[Fixtures], 4);
    for (int c = LeaderFeet; c <= Drop; ++c)
        m_numeric[c] = true;
    for (int c : {LeaderFeet, Length, Power, Current, Drop})
        m_widths[c] = std::max(m_widths[c], FigureWidth);
    m_out << textLine(headers, m_widths, m_numeric);
}

QStringList MaxRunsPrinter::cells(const MaxRuns::Row &r) const
{
    const bool calculated = r.uncalculable.isEmpty();
    return {MaxRuns::kindName(r.kind), r.fixture, r.supply, MaxRuns::leaderName(r),
        cell(r.leaderLength), figure(r.voltage),
        r.kind == MaxRuns::Row::Zelvane ? figure(r.load) : QString(),
        calculated ? QString::number(r.fixtures) : QString(), cell(r.length), cell(r.power),
        cell(r.current), cell(r.drop), yesNo(r.valid), MaxRuns::stopText(r)};
}

void MaxRunsPrinter::print(const MaxRuns::Row &r)
{
    switch (m_format) {
    case Cli::Format::Json: {
        const bool calculated = r.uncalculable.isEmpty();
        const QJsonObject object {{QStringLiteral("kind"), MaxRuns::kindName(r.kind)},
            {QStringLiteral("fixture"), r.fixture}, {QStringLiteral("supply"), r.supply},
            {QStringLiteral("leader"), r.leader}, {QStringLiteral("wire"), r.wire},
            {QStringLiteral("leaderLength"), json(r.leaderLength)},
            {QStringLiteral("voltage"), r.voltage}, {QStringLiteral("load"), r.load},
            {QStringLiteral("fixtures"), calculated ? QJsonValue(r.fixtures) : QJsonValue()},
            {QStringLiteral("length"), json(r.length)}, {QStringLiteral("power"), json(r.power)},
            {QStringLiteral("current"), json(r.current)},
            {QStringLiteral("voltageDrop"), json(r.drop)}, {QStringLiteral("valid"), r.valid},
            {QStringLiteral("stop"), MaxRuns::stopText(r)}};
        if (!m_first)
            m_out << ",\n";
        m_out << "        " << QJsonDocument(object).toJson(QJsonDocument::Compact);
        break;
    }
    case Cli::Format::Csv:
        m_out << csvLine(cells(r));
        break;
    case Cli::Format::Markdown:
        m_out << markdownLine(cells(r));
        break;
    case Cli::Format::Text:
        m_out << textLine(cells(r), m_widths, m_numeric);
        break;
    }
    m_first = false;
}

void MaxRunsPrinter::finish()
{
    if (m_format == Cli::Format::Json)
        m_out << (m_first ? "" : "\n") << "    ]\n}\n";
    m_out.flush();
}
