#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a headless application object made once,
// before the first input, and the input as Qt bytes.
namespace FuzzSupport {

// Creates the application object (offscreen platform, standard paths in test
// mode, settings and files inside a scratch home folder). Called from each
// target's LLVMFuzzerInitialize.
void initialize(int *argc, char ***argv);

// Writes a file whole, or ends the process: the harness itself failed.
void writeFile(const QString &path, const QByteArray &contents);

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

} // namespace FuzzSupport
