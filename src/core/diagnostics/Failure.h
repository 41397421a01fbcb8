#pragma once

#include <QCoreApplication>
#include <QStringList>

// What the user is told of an operation that threw: the one error policy at the edge of every
// controller (a download, a queue item, a cut, an address's description), called in their
// `catch (...)`. A UserFacingError says its own words; any other exception is a fault of
// Morvi's own, logged under morvi.app and told as unexpected. Nothing may escape into a task
// that no one awaits: it would vanish there and leave its controller busy for good.
struct Failure {
    Q_DECLARE_TR_FUNCTIONS(Failure)

public:
    QString description;
    // The tool's own error lines, when a tool said why.
    QStringList toolErrors;

    // The failure being handled; only inside a catch block.
    static Failure caught();
};
