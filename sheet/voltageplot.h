#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

// The voltage along a run, fixture by fixture, with the lowest voltage the
// limits allow as a labelled line and the first fixture below it marked:
// drawn alike into a picture file and onto a run sheet.
namespace VoltagePlot {

struct Data
{
    QString title; // above the plot; none when empty
    double supplyVoltage = 0; // at the supply end of the leader, drawn as fixture 0
    QList<double> fixtureInputs; // volts at each fixture's input, fixture 1 first
    double farEndVoltage = 0; // beyond the last fixture
    double lowestAllowed = 0; // volts; 0 for none
    bool valid = false;
};

// The number of the first fixture whose input lies below the lowest allowed
// voltage; 0 when there is none (or no such limit).
int firstFixtureBelow(const Data &data);

// Draws the plot, its labels included, into frame with the painter's font.
void draw(QPainter &painter, const QRectF &frame, const Data &data);

// Writes an SVG drawing or a PNG image, chosen by the file's suffix. False,
// with the reason, when the file cannot be written.
bool write(const Data &data, const QString &path, QString *error);

} // namespace VoltagePlot
