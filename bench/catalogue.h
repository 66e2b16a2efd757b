#pragma once

#include <QString>

// Product catalogues that the benchmarks generate at run time, each written
// as the three database files into a folder of its own.
namespace Catalogue {

// The catalogue version every generated file states.
inline constexpr char Version[] = "bench-1";

// A catalogue of `fixtures` fixtures and `supplies` supplies of the Zelvane,
// Tessan and flex technologies, each fixture naming four supplies spread over
// its technology's list (one of them in lower case). Every entry is complete,
// so loading it reports nothing. False when a file cannot be written.
bool writeScaled(const QString &folder, int fixtures, int supplies);

// A catalogue of `fixtures` Zelvane fixtures and `supplies` Zelvane supplies,
// each fixture as in writeScaled: four supplies, a standard leader and a
// custom one with four wires, standard and custom jumpers.
bool writeZelvane(const QString &folder, int fixtures, int supplies);

// A catalogue of one Zelvane fixture that needs jumpers and one supply that
// feeds at most `fixtureLimit` of them; nothing else limits the run, so
// Maximize grows it to exactly that many fixtures.
bool writeMaximizeRun(const QString &folder, int fixtureLimit);

// Copies the sample catalogue that the build put beside the executable.
bool copySample(const QString &folder);

} // namespace Catalogue
