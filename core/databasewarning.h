#pragma once

#include <QString>

#include <functional>

class QDomNode;

// Where in the file being read a problem lies: the line (and, for a parse
// error, the column) of the element concerned; 0 when not known.
struct DatabaseLocation
{
    int line = 0;
    int column = 0;
};

// Receives each problem found in the product database, one text at a time.
using DatabaseReporter = std::function<void(const QString &text)>;

// The one way database problems reach the user: records and the loader call
// report(), which hands the text to the reporter in force, or else to the
// fallback: the debug output, unless a program installs its own (the window
// shows a warning box).
class DatabaseWarning
{
public:
    static void report(const QString &text);
    // The reporter for problems found where no other is in force.
    static void setFallback(DatabaseReporter reporter);
    // Where the problem being reported lies; a reporter may ask it.
    static DatabaseLocation location();

    // Puts a reporter in force for its own lifetime; an empty reporter
    // keeps the default one.
    class Scope
    {
    public:
        explicit Scope(DatabaseReporter reporter);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        DatabaseReporter m_previous;
    };

    // Puts the location of a node (or a line and column) in force for its
    // own lifetime; a null node or a node without a line keeps the one in force.
    class At
    {
    public:
        explicit At(const QDomNode &node);
        At(int line, int column);
        ~At();
        At(const At &) = delete;
        At &operator=(const At &) = delete;

    private:
        DatabaseLocation m_previous;
    };
};
