#pragma once

// What every test shares, the core's without a display and the window's
// alike: the test catalogues, runs of wattlan-cli and a test's main.
#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

#include <memory>
#include <tuple>

class YmFixture;
class YmJumper;

// The folder of a test catalogue under tests/data, or the sample catalogue
// of data/ for an empty name.
QDir testCatalogue(const QString &name = QString());

// A jumper type: a standard one of the given length and ohms, or, with wires
// (ohms per foot, named after their figure), a custom one.
YmJumper *jumperRecord(const char *name, double length, double ohms,
    const QList<double> &wires = {}, int defaultWire = 0, int inARow = 0);
// A Zelvane fixture "LX fixture" (short name "LX") with these jumper types.
std::unique_ptr<YmFixture> fixtureRecord(const QList<YmJumper *> &jumpers, int defaultJumper = 0);

// Declares the columns of a table at once: addColumns<QString, int>("name", "count").
template<typename... Types, typename... Names> void addColumns(const Names &...names)
{
    static_assert(sizeof...(Types) == sizeof...(Names), "a name for each column");
    (QTest::addColumn<Types>(names), ...);
}

// Fetches the current row's columns at once:
// const auto [name, count] = fetch<QString, int>("name", "count").
template<typename... Types, typename... Names> std::tuple<Types...> fetch(const Names &...names)
{
    static_assert(sizeof...(Types) == sizeof...(Names), "a name for each column");
    return {*static_cast<Types *>(QTest::qData(names, qMetaTypeId<Types>()))...};
}

// What a run of wattlan-cli (of the build under test) ended with.
struct Outcome
{
    int status = -1; // -1: it crashed
    QString out;
    QString err;
};
Outcome runCli(const QStringList &arguments,
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// A test's main on the given application class (QCoreApplication for a test
// of the core): headless, the standard paths in test mode, and the same
// organisation and application names as the application.
#define WATTLAN_TEST_MAIN_ON(Application, TestObject)                    \
    int main(int argc, char *argv[])                                     \
    {                                                                    \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))              \
            qputenv("QT_QPA_PLATFORM", "offscreen");                     \
        QStandardPaths::setTestModeEnabled(true);                        \
        Application app(argc, argv);                                     \
        QCoreApplication::setOrganizationName(QStringLiteral("Orvane")); \
        QCoreApplication::setApplicationName(QStringLiteral("Wattlan")); \
        TestObject tc;                                                   \
        QTEST_SET_MAIN_SOURCE_PATH                                       \
        return QTest::qExec(&tc, argc, argv);                            \
    }
