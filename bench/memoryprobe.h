#pragma once

#include <QString>

// Peak resident memory after start-up, each start in a process of its own:
// the benchmark executable runs itself with --memory-probe=<subject>.
namespace MemoryProbe {

inline constexpr char Option[] = "--memory-probe=";
inline constexpr char MainWindow[] = "wattlan";
inline constexpr char BareForm[] = "form";

// In the child: starts the subject (the main window on the catalogue, or
// the bare form), lets it paint, and prints the process's peak resident
// memory in KiB. Returns the process's exit status.
int runChild(const QString &subject, const QString &catalogue);

// In the parent: the peak resident memory in KiB of one child started for
// subject, or -1 when it failed.
double measure(const QString &subject, const QString &catalogue);

} // namespace MemoryProbe
