#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of the window program.
struct StartRequest
{
    // Every tool: the Tessan and flex string tabs, the document commands and
    // Preferences. Without it the window offers what it always has.
    bool allTools = false;
    // A project file to open as File, Open does, as an absolute path; empty
    // for none. Naming one asks for every tool, since only they can save it.
    QString projectFile;

    // Whether the program ends at once, with exitStatus, printing output on
    // standard output and error on standard error (help, version, a bad argument).
    bool exits = false;
    int exitStatus = 0;
    QString output;
    QString error;
};

// Reads the arguments (the program's name first) without needing an
// application object, so that help, version and bad arguments are answered
// on a machine with no display. The toolkit's own options (-platform,
// -style, ...) are accepted and left for the application object. A relative
// file name is taken from callerDirectory, or from the working directory
// when that is empty: the installed launcher starts the program elsewhere.
StartRequest readCommandLine(const QStringList &arguments, const QString &callerDirectory);
