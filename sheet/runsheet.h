#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "voltageplot.h"

#include <cmath>

class QIODevice;
class QPagedPaintDevice;

// The run sheet: a printable page (or more, for a long run) of one Zelvane
// configuration for the people who build, buy and inspect it. It is drawn
// from plain figures and names, so that anything that has calculated a run
// can print it.
namespace RunSheet {

// One cell of the run as it is built, supply end first.
struct Cell
{
    enum Kind { Fixture, Jumper };

    Kind kind = Fixture;
    int number = 0; // the fixture's number in the run, 1 for the first; 0 for a jumper
    QString name; // the fixture's name, or the jumper's cable type
    QString gauge; // the wire of a jumper cut from a custom cable; empty otherwise
    bool custom = false; // a jumper cut to length from a custom cable
    double length = 0; // feet, jumpers only
    double inputVoltage = NAN; // volts at a fixture's input; no number when not calculated
};

// One limit as the totals' tool tip lists it: the run's figure, the
// relation and the limit in words, and whether the figure keeps within it.
struct Limit
{
    QString text;
    bool holds = false;
};

struct Run
{
    QString file; // the project file's name, as shown
    // The file's refusal, in the words of the window; empty when it opened.
    // A refused file's sheet says only why.
    QString refusal;
    QString fixture;
    QString catalogueVersion;

    QString supply;
    double lineVoltage = 0; // volts
    double effectiveVoltage = 0; // volts, after the safety margin
    double circuit = 0; // amps
    double deratedLoad = 0; // amps
    QString leaderType;
    QString leaderGauge; // the wire of a custom leader; empty otherwise
    double leaderLength = 0; // feet

    QList<Cell> cells; // every cell of the run, supply end first

    int fixtureCount = 0;
    double length = 0; // feet, cells and leader
    double power = 0; // watts
    double current = 0; // amps
    double voltageDrop = 0; // volts
    double endVoltage = 0; // volts at the far end
    bool valid = false;
    QList<Limit> limits; // the failing ones first
    QString nextFixture; // what the next fixture would do; may be empty

    double supplyVoltage = 0; // volts at the supply end of the leader
    double lowestAllowed = 0; // the lowest voltage the limits allow; 0 for none
};

// One line of the bill of materials: what to buy and how many (for a custom
// cable, the feet to cut).
struct Material
{
    enum Kind { Supply, Leader, Fixture, Jumper, CustomCable };

    Kind kind = Fixture;
    QString name;
    QString gauge;
    double length = 0; // feet: of each jumper or leader, or in all for a custom cable
    int count = 0; // 0 for a custom cable, which is bought by the foot
};

// The bill of materials of a run: the supply, the leader, the fixtures by
// name, the jumpers by type, gauge and length, then the custom jumper cable
// per gauge, each group in the order it first appears in the run.
QList<Material> billOfMaterials(const Run &run);

// The voltage plot of the run, without a title.
VoltagePlot::Data plotData(const Run &run);

// The paper the locale uses: Letter in the Americas that use it, else A4.
QPageSize::PageSizeId defaultPage(const QLocale &locale);

// The page the sheet is laid out on: the paper upright, with margins of half
// an inch, inside any printer's reach.
QPageLayout pageLayout(QPageSize::PageSizeId page);

// When the sheet says it was made: the time in SOURCE_DATE_EPOCH when that
// holds a number of seconds, so that a sheet can be made again alike;
// otherwise now.
QDateTime madeAt();

// Draws the sheets of the runs on the device, a page each and more where a
// long run needs them, and after them a summary page with one row per run
// when there are several; of these, only the device's page ranges when it
// has any. False when the device cannot be painted on, or when its ranges
// hold none of the pages.
bool paint(const QList<Run> &runs, const QDateTime &madeAt, QPagedPaintDevice &device);

// Writes the sheets into a PDF file. False, with the reason, when it cannot.
bool writePdf(const QList<Run> &runs, const QDateTime &madeAt, QPageSize::PageSizeId page,
    const QString &path, QString *error);
// Writes the sheets as a PDF onto an open device. False when it cannot.
bool writePdf(
    const QList<Run> &runs, const QDateTime &madeAt, QPageSize::PageSizeId page, QIODevice &device);

} // namespace RunSheet
