#pragma once

#include <QString>

#include <functional>

// Receives each problem found in the product database, one text at a time.
using DatabaseReporter = std::function<void(const QString &text)>;

// The one way database problems reach the user: records and the loader call
// report(), which hands the text to the reporter in force. The default one
// shows a modal warning box captioned "Wattlan" over the active window.
class DatabaseWarning
{
public:
    static void report(const QString &text);
    static void showWarningBox(const QString &text);

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
};
