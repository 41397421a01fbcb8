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
        //: A fault of Morvi's own ended an operation; %1 is the programmer's reason, in English.
        return {tr("Unexpected error: %1").arg(QString::fromLocal8Bit(error.what())), {}};
    } catch (...) {
        qCCritical(lcApp) << "Unexpected error of an unknown kind";
        //: A fault of Morvi's own ended an operation.
        return {tr("Unexpected error"), {}};
    }
}
