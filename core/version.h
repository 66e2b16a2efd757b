#pragma once

// The one set of constants that identifies this build. Every place that
// shows or stores a version formats them itself, in base 10 with no padding.
namespace Version {
constexpr int VERSION_MAJOR = 2;
constexpr int VERSION_MINOR = 1;
constexpr int VERSION_REVISION = 6;
constexpr int BUILD_DATE = 20120202;
constexpr const char *BUILD_NUMBER = "18";
} // namespace Version
