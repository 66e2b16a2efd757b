#pragma once

#include <QList>
#include <QString>

// The figures of a flex string that its calculation uses.
struct FlexStringData
{
    double voltage = 0; // volts
    double minVoltage = 0; // volts
    double current = 0; // amps per node
    double cableResistance = 0; // ohms per foot of one conductor
};

struct FlexSum
{
    double power = 0; // watts
    double voltageDrop = 0; // volts
};

// Power and voltage drop of a string of `nodes` nodes `spacing` feet apart,
// fed through a leader of `leaderLength` feet made of the string's own cable.
// Every segment runs over two conductors and carries the current of the
// nodes counted before it; the leader carries the whole string's current.
FlexSum Flex_SumString(
    const FlexStringData &string, int nodes, double leaderLength, double spacing);

// One node count tried by the node search.
struct FlexTry
{
    int nodes = 0;
    FlexSum sum;
};

struct FlexNodesResult
{
    int nodes = 0; // the largest count that stayed within the limits
    QList<FlexTry> tries; // every count tried, the failing one last
};

// Tries 1, 2, 3... nodes until the voltage budget or the port power is
// exceeded (equality is within). A port power of 0 admits no power at all.
// The search stops after trying maxNodes + 1 counts, so a string that never
// reaches a limit (no current) gives at least maxNodes.
FlexNodesResult maximizeFlexNodes(const FlexStringData &string, double maxPortPower,
    double leaderLength, double spacing, int maxNodes);

// Whether the string keeps within its voltage budget: its voltage less the
// lowest allowed, less the drop; a figure that is no number does not.
bool withinVoltageBudget(const FlexStringData &string, const FlexSum &sum);
// The drop each foot of leader adds to a string that draws what
// `withoutLeader` draws: 0 when it draws no current or its cable has no
// resistance.
double leaderDropPerFoot(const FlexStringData &string, const FlexSum &withoutLeader);

// The longest leader, in whole feet within [minLength, maxLength], that keeps
// the string of `nodes` nodes within its voltage budget. A string that draws
// no current or has a cable without resistance takes any leader its budget
// allows: maxLength when the budget holds, else minLength; figures that are
// no number give minLength.
int maximizeFlexLeader(
    const FlexStringData &string, const FlexSum &withoutLeader, int minLength, int maxLength);

// The message log's lines of the two searches.
QString flexTryLogLine(const FlexTry &attempt);
QString flexLeaderLogLine(const FlexSum &withoutLeader);
