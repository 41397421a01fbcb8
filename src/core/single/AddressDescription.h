#pragma once

#include "MediaDescription.h"

#include <QCoroTask>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>

class DocumentRun;

// Asks the downloader what an address holds before anything is downloaded ("-J"): once the
// typing has paused, or at once for an address that arrived whole, again whenever the address
// changes. It never holds anything up: the tool
// runs with a time limit, its document is read off the main thread, and a new address or a
// download start ends the run with its whole process group. The thumbnail is fetched into
// memory under the tool installer's network rules. Lives on the main thread.
class AddressDescription : public QObject {
    Q_OBJECT
public:
    enum class State { idle, describing, described, failed };
    // A typed address waits for the typing to pause; a pasted or dropped one is whole already.
    enum class Arrival { typed, whole };

    static constexpr std::chrono::milliseconds typingPause{500};
    static constexpr std::chrono::seconds timeLimit{20};

    explicit AddressDescription(QObject* parent = nullptr);
    // Ends a run still under way.
    ~AddressDescription() override;

    // Describes address (a blank one clears the description), a typed one after the typing
    // pause.
    void setAddress(const QString& address, bool playlists, Arrival arrival = Arrival::typed);
    // Ends a run under way; a description already shown stays.
    void cancel();

    State state() const { return current; }
    const MediaDescription& description() const { return media; }
    // Why the last run gave no description.
    QString failure() const { return reason; }
    QImage thumbnail() const { return image; }

signals:
    void changed();

private:
    QCoro::Task<> describe(QString address, bool playlists, int run);
    QCoro::Task<> fetchThumbnail(QUrl url, int run);
    void fail(const QString& why);
    void setState(State state);

    QTimer pause;
    QString pendingAddress;
    bool pendingPlaylists = false;
    // Numbers the runs, so that a run ended by a newer one cannot show its late result.
    int currentRun = 0;
    QPointer<DocumentRun> running;
    State current = State::idle;
    MediaDescription media;
    QString reason;
    QImage image;
};
