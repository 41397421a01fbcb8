#pragma once

#include "core/toolstore/ToolLocation.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QUrl>

// The external tools the about window credits: for each its name, the version in use, its
// licence, its project's address, and where the program in use comes from (Morvi's tools
// folder or the system), looked up the way a download looks for it. The JavaScript runtime is
// the one the last tool check chose (Deno, or the system's Node or QuickJS standing in); a
// runtime that the downloader refused is not in use, so none is credited then. The downloader
// counts as verified while it is the very program that the installer proved by its makers'
// signature, as the last tool check found it.
class ToolCredits : public QObject {
    Q_OBJECT
public:
    struct Credit {
        QString name;
        QString licence;
        QUrl project;
        // The program in use; none when the tool is nowhere to be found.
        std::optional<LocatedTool> tool;
        // "" until the tool has answered, and when it does not.
        QString version;
        // The fingerprint of the key whose signature proved the program in use when Morvi
        // installed it; "" when none did (the converter's builds are not signed).
        QString verifiedBy = {};
    };

    explicit ToolCredits(QObject* parent = nullptr);

    const QList<Credit>& credits() const { return list; }
    // Looks the tools up and asks each for its version; changed() follows.
    QCoro::Task<> refresh();

    // The converter's licence as the configuration line of its version answer says: GPL when
    // built with "--enable-gpl", LGPL otherwise, version 3 with "--enable-version3";
    // "LGPL/GPL" without such a line.
    static QString converterLicence(const QString& versionAnswer);

signals:
    void changed();

private:
    static QUrl runtimeProject(const QString& name);
    // The key that verified the credited downloader, as the stored finding says.
    static QString downloaderVerifiedBy(const Credit& downloader);
    // Fills the runtime's credit from the stored finding.
    void showRuntime();

    QList<Credit> list;
};
