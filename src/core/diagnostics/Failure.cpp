#include "Failure.h"

#include "Diagnostics.h"
#include "UserFacingError.h"

Failure Failure::caught() {
    try {
        throw;
    } catch (const UserFacingError& error) {
        return {error.description(), error.toolErrors()};
    } catch (const std::exception& error) {
        qCCritical(lcApp) << "Unexpected error:" << error.what();
        return {tr("Unexpected error: %1").arg(QString::fromLocal8Bit(error.what())), {}};
    } catch (...) {
        qCCritical(lcApp) << "Unexpected error of an unknown kind";
        return {tr("Unexpected error"), {}};
    }
}
