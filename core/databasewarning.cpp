#include "databasewarning.h"

#include <QDebug>
#include <QDomNode>

namespace {
DatabaseReporter &reporterInForce()
{
    static DatabaseReporter reporter;
    return reporter;
}

DatabaseReporter &fallbackReporter()
{
    static DatabaseReporter fallback = [](const QString &text) { qWarning().noquote() << text; };
    return fallback;
}

DatabaseLocation &locationInForce()
{
    static DatabaseLocation location;
    return location;
}
} // namespace

void DatabaseWarning::report(const QString &text)
{
    const DatabaseReporter &reporter = reporterInForce();
    if (reporter)
        reporter(text);
    else
        fallbackReporter()(text);
}

void DatabaseWarning::setFallback(DatabaseReporter reporter)
{
    if (reporter)
        fallbackReporter() = std::move(reporter);
}

DatabaseWarning::Scope::Scope(DatabaseReporter reporter) : m_previous(reporterInForce())
{
    if (reporter)
        reporterInForce() = std::move(reporter);
}

DatabaseWarning::Scope::~Scope()
{
    reporterInForce() = std::move(m_previous);
}

DatabaseLocation DatabaseWarning::location()
{
    return locationInForce();
}

DatabaseWarning::At::At(const QDomNode &node) : m_previous(locationInForce())
{
    if (!node.isNull() && node.lineNumber() > 0)
        locationInForce() = {node.lineNumber(), 0};
}

DatabaseWarning::At::At(int line, int column) : m_previous(locationInForce())
{
    locationInForce() = {line, column};
}

DatabaseWarning::At::~At()
{
    locationInForce() = m_previous;
}
