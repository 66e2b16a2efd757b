#include "flexmodel.h"

#include <algorithm>
#include <cmath>

FlexSum Flex_SumString(const FlexStringData &string, int nodes, double leaderLength, double spacing)
{
    FlexSum sum;
    for (int i = 0; i < nodes; ++i) {
        sum.power += string.current * string.voltage;
        if (i != nodes - 1)
            sum.voltageDrop += string.cableResistance * spacing * 2 * (sum.power / string.voltage);
    }
    if (nodes > 0)
        sum.voltageDrop
            += 2 * (string.cableResistance * leaderLength) * (sum.power / string.voltage);
    return sum;
}

// Written as "within" so that a figure that is no number fails.
bool withinVoltageBudget(const FlexStringData &string, const FlexSum &sum)
{
    return string.voltage - string.minVoltage - sum.voltageDrop >= 0;
}

double leaderDropPerFoot(const FlexStringData &string, const FlexSum &withoutLeader)
{
    const double current = withoutLeader.power / string.voltage;
    return current * string.cableResistance;
}

namespace {
bool withinLimits(const FlexStringData &string, const FlexSum &sum, double maxPortPower)
{
    return withinVoltageBudget(string, sum) && sum.power <= maxPortPower;
}
} // namespace

FlexNodesResult maximizeFlexNodes(const FlexStringData &string, double maxPortPower,
    double leaderLength, double spacing, int maxNodes)
{
    FlexNodesResult result;
    result.nodes = std::max(maxNodes, 0);
    for (int nodes = 1; nodes <= maxNodes + 1; ++nodes) {
        const FlexSum sum = Flex_SumString(string, nodes, leaderLength, spacing);
        result.tries.append(FlexTry {nodes, sum});
        if (!withinLimits(string, sum, maxPortPower)) {
            result.nodes = nodes - 1;
            break;
        }
    }
    return result;
}

int maximizeFlexLeader(
    const FlexStringData &string, const FlexSum &withoutLeader, int minLength, int maxLength)
{
    const double budget = string.voltage - string.minVoltage - withoutLeader.voltageDrop;
    const double current = withoutLeader.power / string.voltage;
    const double dropPerFoot = leaderDropPerFoot(string, withoutLeader);
    if (std::isnan(budget) || std::isnan(dropPerFoot))
        return minLength;
    if (dropPerFoot == 0)
        return budget >= 0 ? maxLength : minLength;
    const double length = std::trunc(budget / current / string.cableResistance * 0.5);
    if (std::isnan(length))
        return minLength;
    // Clamped as a double: converting a figure beyond the int range is undefined.
    return static_cast<int>(
        std::clamp(length, static_cast<double>(minLength), static_cast<double>(maxLength)));
}

QString flexTryLogLine(const FlexTry &attempt)
{
    return QStringLiteral("Compute (%1): %2 %3")
        .arg(attempt.nodes)
        .arg(attempt.sum.voltageDrop, 0, 'g', 6)
        .arg(attempt.sum.power, 0, 'g', 6);
}

QString flexLeaderLogLine(const FlexSum &withoutLeader)
{
    return QStringLiteral("Compute %1 %2")
        .arg(withoutLeader.voltageDrop, 0, 'g', 6)
        .arg(withoutLeader.power, 0, 'g', 6);
}
