#pragma once

// Records built in a test, standing in for what the loader reads.
#include "ymcable.h"
#include "ymfixture.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

namespace RunRecords {

inline YmJumper *standardJumper(
    const QString &name, double length, double resistance, int maxInARow = 0)
{
    auto *jumper = new YmJumper(name);
    jumper->ElectricalLength = length;
    jumper->Resistance = resistance;
    jumper->MaxInARow = maxInARow;
    return jumper;
}

// A custom jumper offering the wires (name, ohms per foot); a null name adds
// a null entry.
inline YmJumper *customJumper(
    const QString &name, const QList<QPair<QString, double>> &wires, int defaultWire = 0)
{
    auto *jumper = new YmJumper(name);
    jumper->IsCustom = true;
    jumper->DefaultCustomWire = defaultWire;
    for (const auto &[wireName, resistance] : wires) {
        if (wireName.isNull()) {
            jumper->CustomWireList.append(nullptr);
            continue;
        }
        auto *wire = new YmWire(wireName);
        wire->Resistance = resistance;
        wire->MaxLength = 100;
        jumper->CustomWireList.append(wire);
    }
    return jumper;
}

// A Zelvane fixture that owns the given jumper types.
inline std::unique_ptr<YmFixture> fixture(
    const QString &shortName, const QList<YmJumper *> &jumpers = {}, int defaultJumper = 0)
{
    auto record = std::make_unique<YmFixture>(shortName + QStringLiteral(" fixture"), TechZelvane);
    record->ShortName = shortName;
    record->JumperList = jumpers;
    record->DefaultJumper = defaultJumper;
    return record;
}

// A fixture with a standard, a custom and a second standard jumper type.
inline std::unique_ptr<YmFixture> threeJumperFixture()
{
    return fixture(QStringLiteral("LX"),
        {standardJumper(QStringLiteral("1 ft"), 1, 0.01, 2),
            customJumper(QStringLiteral("Custom"),
                {{QStringLiteral("14"), 0.0025}, {QStringLiteral("12"), 0.5}}, 1),
            standardJumper(QStringLiteral("4 ft"), 4, 0.04)});
}

} // namespace RunRecords
