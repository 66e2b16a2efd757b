#pragma once

#include <QList>
#include <QString>

#include <functional>

class QDomElement;
class QXmlStreamWriter;
class YmFixture;

// The run's element in a project file: a "CFrame" element with one
// "CWidget" element per cell, each naming its fixture as the Zelvane fixture
// selector lists it. Read into plain values, so that the window and the
// command line build the very same run from a file.
namespace ProjectRun {

// One cell as the file stores it. The rows and the length belong to jumper
// cells: the jumper type's and the gauge's rows, and the length in feet.
struct StoredCell
{
    enum Kind { Fixture = 2, Jumper = 3 }; // the values stored in files

    Kind kind = Fixture;
    YmFixture *fixture = nullptr;
    int jumperRow = 0;
    int gaugeRow = 0;
    int length = 1;
};

// The fixture a file's cell names, or null when there is none of that name.
using FixtureLookup = std::function<YmFixture *(const QString &name)>;
// The name under which a file names a cell's fixture.
using FixtureName = std::function<QString(const YmFixture *fixture)>;

// The cells of the first "CFrame" element below parent (at any depth), in
// order. Reading stops at the first cell that cannot be built: one naming no
// known fixture or no cell kind, or one that would take the run past its
// bound. message is set when there is no usable "CFrame" element.
QList<StoredCell> read(const QDomElement &parent, const FixtureLookup &lookup, QString &message);

// Writes the run as a "CFrame" element of the given technology.
void write(QXmlStreamWriter &writer, int techType, const QList<StoredCell> &cells,
    const FixtureName &nameOf);

} // namespace ProjectRun
