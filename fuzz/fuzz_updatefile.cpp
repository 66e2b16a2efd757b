// The update tool's reader of the update file, which arrives from the network.
#include "fuzzsupport.h"
#include "updatefile.h"

#include <QUrl>

#include <cstdlib>

using ReVazodiZedid::parseUpdateFile;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto file = parseUpdateFile(FuzzSupport::bytes(data, size));
    if (!file)
        return 0;
    // What the tool does with an entry: compare versions, show one, open its address.
    const ReVazodiZedid::AppVersion ours {{3, 2, 1, 6, 20120202}};
    for (auto it = file->cbegin(); it != file->cend(); ++it) {
        if (it.key().isEmpty())
            std::abort(); // the reader promises named entries only
        (void)(ours < it->version);
        (void)it->version.toString();
        (void)QUrl(it->downloadUrl).isValid();
    }
    return 0;
}
