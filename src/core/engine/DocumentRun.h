#pragma once

#include "core/process/ToolRun.h"

#include <QCoroTask>
#include <QObject>
#include <QStringList>
#include <chrono>
#include <optional>

// One run of the downloader that answers with a JSON document ("-J"), as the address
// description and the playlist listing ask for one. The document is read from the output
// stream only: warnings and errors come on the other at any moment, so that one stream holding
// both could end in a warning. Its command line is a download's: the same options that reach the
// sites, no configuration file, and the address never taken for an option.
class DocumentRun : public QObject {
    Q_OBJECT
public:
    struct Answer {
        // The line that starts with "{"; empty when there is none or the run failed.
        QByteArray document;
        // Why the run failed, in the downloader's own words where it gave them; "" otherwise.
        QString error;
    };

    DocumentRun(const QStringList& options, const QString& address, std::chrono::seconds timeLimit);

    QCoro::Task<Answer> run();
    // Ends the run with its whole process group; run() then answers with the failure.
    void stop();

private:
    QStringList arguments;
    std::chrono::seconds timeLimit;
    QString output;
    QString errors;
    std::optional<ToolRun> tool;
};
