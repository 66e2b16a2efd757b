// The database loader over one database file whose bytes the fuzzer writes:
// the parse, the version, supply and fixture passes, every record reader and
// the valid-supply lookup, with the warnings captured rather than shown.
#include "database.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QTemporaryDir *folder = nullptr;

// A supply whose technology matches none of the fixture's own is never valid.
template<typename Fixture> void checkValidSupplies(const QList<Fixture *> &fixtures, int tech)
{
    for (const Fixture *fixture : fixtures) {
        if (fixture->Name.isEmpty() || fixture->Disable)
            std::abort();
        for (const YmItem *supply : fixture->ValidSupplyList) {
            const int expected = tech == TechFlex ? TechTessan : tech;
            if (!supply || supply->techType != expected)
                std::abort();
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initialize(argc, argv);
    folder = new QTemporaryDir;
    // The first file is the fuzzer's; the other two are the smallest valid ones.
    for (const char *name : {"ym_config_ob.xml", "ym_config_ts.xml"})
        FuzzSupport::writeFile(folder->filePath(QLatin1String(name)),
            "<Database><DBVersion>1.0</DBVersion></Database>");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::writeFile(
        folder->filePath(QStringLiteral("ym_config_zv.xml")), FuzzSupport::bytes(data, size));
    Database database;
    int warnings = 0;
    database.setReporter([&warnings](const QString &text) {
        if (text.isEmpty())
            std::abort(); // every warning says something
        ++warnings;
    });
    database.load(QDir(folder->path()));
    checkValidSupplies(database.m_zvFixtures, TechZelvane);
    checkValidSupplies(database.m_obFixtures, TechOmbrel);
    checkValidSupplies(database.m_tsFixtures, TechTessan);
    checkValidSupplies(database.m_flexStrings, TechFlex);
    return 0;
}
