#include "BuildInfo.h"

// The build passes these in; a build that does not falls back to the defaults.
#ifndef MORVI_VERSION
#define MORVI_VERSION ""
#endif
#ifndef MORVI_BUILD_NUMBER
#define MORVI_BUILD_NUMBER ""
#endif
#ifndef MORVI_WEBSITE
#define MORVI_WEBSITE ""
#endif

namespace {

QString orFallback(const QString& value, const QString& fallback) {
    return value.trimmed().isEmpty() ? fallback : value;
}

} // namespace

QString BuildInfo::version() {
    return orFallback(MORVI_VERSION, "1.0.0");
}

QString BuildInfo::buildNumber() {
    return orFallback(MORVI_BUILD_NUMBER, "1");
}

QString BuildInfo::website() {
    return MORVI_WEBSITE;
}
