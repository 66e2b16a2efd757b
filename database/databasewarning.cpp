#include "databasewarning.h"

#include "prompter.h"

#include <QApplication>
#include <QCoreApplication>

namespace {
DatabaseReporter &reporterInForce()
{
    static DatabaseReporter reporter;
    return reporter;
}
} // namespace

void DatabaseWarning::report(const QString &text)
{
    const DatabaseReporter &reporter = reporterInForce();
    if (reporter)
        reporter(text);
    else
        showWarningBox(text);
}

void DatabaseWarning::showWarningBox(const QString &text)
{
    Prompter::warning(
        QApplication::activeWindow(), QCoreApplication::translate("Database", "Wattlan"), text);
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
