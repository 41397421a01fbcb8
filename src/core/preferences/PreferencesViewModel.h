#pragma once

#include "BrowserProfiles.h"
#include "Preferences.h"
#include "core/engine/OutputTemplate.h"
#include "core/storage/KeyValueStore.h"
#include "core/storage/StoreWriter.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

class AddressDescription;
class Dialogs;

// The Preferences window's controller: where the downloader takes its cookies from, chosen
// among the browsers installed for the user, their profiles and a cookies.txt file; how many
// queue items download at once; and the downloads' options. Every choice is kept at once. The
// browsers are looked for off the main thread when the controller is made; until they are
// found, the stored choice shows alone. A stored choice that can no longer be used (its profile
// or file gone) stays chosen and shows as such, with the reason. The file name preview and the
// subtitle languages on offer come from the main window's address description when it has one.
// Lives on the main thread.
class PreferencesViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList cookieSources READ cookieSources NOTIFY cookiesChanged)
    Q_PROPERTY(int cookieSourceIndex READ cookieSourceIndex NOTIFY cookiesChanged)
    Q_PROPERTY(QStringList profiles READ profiles NOTIFY cookiesChanged)
    Q_PROPERTY(int profileIndex READ profileIndex NOTIFY cookiesChanged)
    Q_PROPERTY(QString cookiesFile READ cookiesFile NOTIFY cookiesChanged)
    Q_PROPERTY(bool lookingForBrowsers READ lookingForBrowsers NOTIFY cookiesChanged)
    Q_PROPERTY(QString cookieProblem READ cookieProblem NOTIFY cookiesChanged)
    Q_PROPERTY(
        int downloadsAtOnce READ downloadsAtOnce WRITE setDownloadsAtOnce NOTIFY optionsChanged)
    Q_PROPERTY(QString subtitleLanguages READ subtitleLanguages NOTIFY optionsChanged)
    Q_PROPERTY(QStringList offeredLanguages READ offeredLanguages NOTIFY optionsChanged)
    Q_PROPERTY(QString fileNameTemplate READ fileNameTemplate NOTIFY optionsChanged)
    Q_PROPERTY(int fileNamePreset READ fileNamePreset NOTIFY optionsChanged)
    Q_PROPERTY(QString fileNamePreview READ fileNamePreview NOTIFY optionsChanged)
    Q_PROPERTY(QString fileNameProblem READ fileNameProblem NOTIFY optionsChanged)
    Q_PROPERTY(bool converterMissing READ converterMissing CONSTANT)

public:
    // Without a store the preferences live in their own settings file; the browsers are looked
    // for in folders.
    explicit PreferencesViewModel(
        Dialogs& dialogs, QObject* parent = nullptr, std::unique_ptr<KeyValueStore> store = {},
        const BrowserProfiles::Folders& folders = BrowserProfiles::Folders::ofUser());
    ~PreferencesViewModel() override;

    const Preferences& preferences() const { return chosen; }

    // "None", each installed browser, the chosen browser when it is not among them, and
    // "A cookies.txt file".
    QStringList cookieSources() const;
    int cookieSourceIndex() const;
    // The chosen browser's profiles when it has several; empty otherwise.
    QStringList profiles() const;
    int profileIndex() const;
    // The chosen cookies.txt file; "" when the source is another.
    QString cookiesFile() const { return chosen.cookies.file; }
    bool lookingForBrowsers() const { return looking; }
    // Why the chosen source cannot be used, or why a file was just refused; "" when neither.
    QString cookieProblem() const { return refusal.isEmpty() ? problem : refusal; }

    // Chooses the source at index of cookieSources; a browser with its default profile first.
    // The file entry asks for a file, and the source stays as it was when none is taken.
    void chooseCookieSource(int index);
    void chooseProfile(int index);
    // Asks for a cookies.txt file; see useCookiesFile.
    void chooseCookiesFile();
    // Takes the file as the source when the downloader can read all of it; refuses it with
    // the reason otherwise, and the source stays as it was.
    void useCookiesFile(const QString& path);

    // The downloads' options as chosen; each setter keeps its change at once.
    const DownloadOptions& options() const { return chosen.downloads; }
    int downloadsAtOnce() const { return chosen.downloadsAtOnce; }
    // Within 1 and Preferences::mostDownloadsAtOnce.
    void setDownloadsAtOnce(int count);
    void setSubtitles(DownloadOptions::Subtitles mode);
    // The languages as typed; kept as the codes they hold, "en, de fr" as "en,de,fr".
    QString subtitleLanguages() const { return typedLanguages; }
    void setSubtitleLanguages(const QString& typed);
    // The languages the described address offers subtitles in, its automatic captions' too
    // when they count; added to the typed ones by addSubtitleLanguage.
    QStringList offeredLanguages() const;
    void addSubtitleLanguage(const QString& code);
    void setAutomaticCaptions(bool on);
    void setEmbedMetadata(bool on);
    void setEmbedChapters(bool on);
    void setAudioCover(bool on);
    void setVideoThumbnail(bool on);
    // The speed limit in MiB/s, 0.1 or more; off, the downloads take the speed they get.
    bool isRateLimited() const { return chosen.downloads.rateLimitKiB > 0; }
    double rateLimitMiB() const { return chosen.downloads.rateLimitKiB / 1024.0; }
    void setRateLimit(bool on, double mebibytesPerSecond);
    void setSponsorBlock(DownloadOptions::SponsorBlock mode);
    void setSponsorCategory(const QString& category, bool on);
    // The template as typed, which stays while it has a problem; the stored one is the last
    // without.
    QString fileNameTemplate() const { return typedTemplate; }
    // The index in OutputTemplate::presets of the typed template; presets().size() for one of
    // the user's own.
    int fileNamePreset() const;
    void chooseFileNamePreset(int index);
    void setFileNameTemplate(const QString& typed);
    // The name the typed template gives the described address, or a made-up one; "" while
    // the template has a problem.
    QString fileNamePreview() const;
    QString fileNameProblem() const { return OutputTemplate::problem(typedTemplate).value_or(""); }
    void setRestrictFileNames(bool on);
    // Whether the converter, which the file's contents, subtitles, a part of a video and
    // SponsorBlock need, is missing.
    bool converterMissing() const { return noConverter; }
    // Follows the address description of a main window for the preview and the languages.
    void followDescription(AddressDescription* description);

signals:
    void cookiesChanged();
    void optionsChanged();

private:
    void takeBrowsers(const QList<InstalledBrowser>& found);
    void setCookies(const CookieSource& source);
    // The index in browsers of the installed browser that holds the chosen profile, or -1.
    qsizetype chosenBrowser() const;
    // Whether cookieSources lists the chosen browser on its own, after the installed ones.
    bool listsChosenApart() const;
    void keep(const Preferences& changed);
    template <typename Change> void changeOptions(Change change) {
        Preferences changed = chosen;
        change(changed.downloads);
        keep(changed);
    }

    Dialogs& dialogs;
    std::unique_ptr<KeyValueStore> store;
    StoreWriter writer;
    Preferences chosen;
    QList<InstalledBrowser> browsers;
    bool looking = true;
    QString problem;
    QString refusal;
    QString typedLanguages;
    QString typedTemplate;
    QPointer<AddressDescription> describer;
    bool noConverter = false;
};
