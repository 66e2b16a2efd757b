#pragma once

#include <QString>

// The one set of constants that identifies this build, always shown in base
// 10 with no padding.
namespace Version {
constexpr int VERSION_MAJOR = 2;
constexpr int VERSION_MINOR = 1;
constexpr int VERSION_REVISION = 6;
constexpr int BUILD_DATE = 20120202;
constexpr const char *BUILD_NUMBER = "18";

// The version as project files store it and --version prints it: 2.1.6 Build 20120202-18.
inline QString text()
{
    return QStringLiteral("%1.%2.%3 Build %4-%5")
        .arg(VERSION_MAJOR)
        .arg(VERSION_MINOR)
        .arg(VERSION_REVISION)
        .arg(BUILD_DATE)
        .arg(QLatin1String(BUILD_NUMBER));
}
} // namespace Version
