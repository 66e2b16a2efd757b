#include "runprofile.h"

#include "runbound.h"

#include <QCoreApplication>
#include <QStringList>

namespace RunProfile {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("Wattlan", source);
}

// Volts and per cent as the output fields show figures: one decimal.
QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

// Catalogue figures and cable data: up to 6 significant digits.
QString shown(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

QString fixtureTip(const CellProfile &cell, const Profile &profile, double minVoltage)
{
    const double below = profile.supplyVoltage - cell.inputVoltage;
    QString tip = text(
        QT_TRANSLATE_NOOP("Wattlan", "Fixture %1: %2 V at its input, %3 V (%4 %) below the supply"))
                      .arg(QString::number(cell.fixtureNumber), oneDecimal(cell.inputVoltage),
                          oneDecimal(below), oneDecimal(below / profile.supplyVoltage * 100));
    // Written so that an input voltage that is no number is reported too.
    if (minVoltage != 0 && !(cell.inputVoltage >= minVoltage))
        tip += text(QT_TRANSLATE_NOOP("Wattlan", " \u2014 below the minimum %1 V"))
                   .arg(shown(minVoltage));
    return tip;
}

QString jumperTip(const CellProfile &cell)
{
    if (!cell.resolved)
        return text(QT_TRANSLATE_NOOP("Wattlan", "Jumper: no cable type or gauge"));
    return text(QT_TRANSLATE_NOOP("Wattlan", "Jumper: %1 ft, %2 \u03a9, %3 V drop"))
        .arg(shown(cell.length), shown(cell.resistance), oneDecimal(cell.drop));
}

QString cellTip(const CellProfile &cell, const Profile &profile, double minVoltage)
{
    return cell.kind == CellProfile::Fixture ? fixtureTip(cell, profile, minVoltage)
                                             : jumperTip(cell);
}

QString boundLine()
{
    return text(QT_TRANSLATE_NOOP("Wattlan", "No next fixture: the run holds %1, the most it may"))
        .arg(MaxRunFixtures);
}

QString nextFixtureLine(int fixtureNumber, const QStringList &brokenLimits)
{
    if (brokenLimits.isEmpty())
        return text(QT_TRANSLATE_NOOP("Wattlan", "Next fixture (%1): within every limit"))
            .arg(fixtureNumber);
    return text(QT_TRANSLATE_NOOP("Wattlan", "Next fixture (%1): %2"))
        .arg(QString::number(fixtureNumber), brokenLimits.join(QStringLiteral("; ")));
}

void finish(Profile &profile, double totalDrop)
{
    profile.farEndVoltage = profile.supplyVoltage - totalDrop;
    int fixtureNumber = 0;
    for (CellProfile &cell : profile.cells) {
        cell.inputVoltage += profile.farEndVoltage;
        if (cell.kind == CellProfile::Fixture)
            cell.fixtureNumber = ++fixtureNumber;
    }
}

QString cellTipAt(const Profile &profile, int position, double minVoltage)
{
    if (position < 0 || position >= int(profile.cells.size()))
        return {};
    return cellTip(profile.cells.at(position), profile, minVoltage);
}

} // namespace RunProfile
