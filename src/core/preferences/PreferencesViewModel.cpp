#include "PreferencesViewModel.h"

#include "CookieCheck.h"
#include "PreferencesStorage.h"
#include "core/desktop/Dialogs.h"
#include "core/single/AddressDescription.h"
#include "core/toolstore/FileManagerHelper.h"
#include "core/toolstore/ToolLocation.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QRegularExpression>
#include <QtConcurrentRun>
#include <algorithm>
#include <cmath>

namespace {

QString shownLanguages(const QString& stored) {
    return QString(stored).replace(u',', ", ");
}

// The codes in a typed list, once each: "en, de fr" holds "en", "de" and "fr".
QString languageCodes(const QString& typed) {
    static const QRegularExpression separators(R"([,\s]+)");
    QStringList codes = typed.split(separators, Qt::SkipEmptyParts);
    codes.removeDuplicates();
    return codes.join(u',');
}

// What a preview shows while no address is described.
QHash<QString, QString> madeUpFields() {
    return {{"title", PreferencesViewModel::tr("Title of the video")},
            {"uploader", PreferencesViewModel::tr("Uploader")},
            {"upload_date", QDate::currentDate().toString("yyyyMMdd")},
            {"id", "abc123"},
            {"ext", "mp4"}};
}

} // namespace

PreferencesViewModel::PreferencesViewModel(Dialogs& dialogs, QObject* parent,
                                           std::unique_ptr<KeyValueStore> store,
                                           const BrowserProfiles::Folders& folders)
    : QObject(parent)
    , dialogs(dialogs)
    , store(store ? std::move(store) : PreferencesStorage::open())
    , writer(*this->store)
    , chosen(PreferencesStorage::read(*this->store))
    , problem(CookieCheck::problem(chosen.cookies).value_or(""))
    , typedLanguages(shownLanguages(chosen.downloads.subtitleLanguages))
    , typedTemplate(chosen.downloads.fileNameTemplate)
    , noConverter(!ToolLocation::find(FileManagerHelper().ffmpegPath)) {
    // Ends with the controller: a late result finds no one to tell.
    auto* search = new QFutureWatcher<QList<InstalledBrowser>>(this);
    connect(search, &QFutureWatcherBase::finished, this, [this, search] {
        takeBrowsers(search->result());
        search->deleteLater();
    });
    search->setFuture(QtConcurrent::run([folders] { return BrowserProfiles::find(folders); }));
}

PreferencesViewModel::~PreferencesViewModel() = default;

void PreferencesViewModel::takeBrowsers(const QList<InstalledBrowser>& found) {
    browsers = found;
    looking = false;
    emit cookiesChanged();
}

qsizetype PreferencesViewModel::chosenBrowser() const {
    const CookieSource& cookies = chosen.cookies;
    for (qsizetype i = 0; i < browsers.size(); ++i) {
        for (const BrowserProfile& profile : browsers[i].profiles) {
            if (browsers[i].browser == cookies.browser && profile.path == cookies.profile)
                return i;
        }
    }
    return -1;
}

bool PreferencesViewModel::listsChosenApart() const {
    return chosen.cookies.kind == CookieSource::Kind::browser && chosenBrowser() < 0;
}

QStringList PreferencesViewModel::cookieSources() const {
    QStringList sources{tr("None")};
    for (const InstalledBrowser& installed : browsers)
        sources << BrowserProfiles::label(installed);
    if (listsChosenApart()) {
        const QString name = BrowserProfiles::productName(chosen.cookies.browser);
        sources << (problem.isEmpty() ? name : tr("%1 (not found)").arg(name));
    }
    return sources << tr("A cookies.txt file");
}

int PreferencesViewModel::cookieSourceIndex() const {
    switch (chosen.cookies.kind) {
    case CookieSource::Kind::browser:
        return static_cast<int>(listsChosenApart() ? browsers.size() : chosenBrowser()) + 1;
    case CookieSource::Kind::file:
        return static_cast<int>(cookieSources().size()) - 1;
    case CookieSource::Kind::none:
        break;
    }
    return 0;
}

QStringList PreferencesViewModel::profiles() const {
    const qsizetype browser = chosenBrowser();
    QStringList names;
    if (browser >= 0 && browsers[browser].profiles.size() > 1) {
        for (const BrowserProfile& profile : browsers[browser].profiles)
            names << profile.name;
    }
    return names;
}

int PreferencesViewModel::profileIndex() const {
    const qsizetype browser = chosenBrowser();
    if (browser < 0)
        return -1;
    const QList<BrowserProfile>& known = browsers[browser].profiles;
    for (qsizetype i = 0; i < known.size(); ++i) {
        if (known[i].path == chosen.cookies.profile)
            return static_cast<int>(i);
    }
    return -1;
}

void PreferencesViewModel::chooseCookieSource(int index) {
    if (index == cookieSourceIndex())
        return;
    if (index == 0)
        setCookies({});
    else if (index <= browsers.size())
        setCookies(CookieSource::fromBrowser(browsers[index - 1].browser,
                                             browsers[index - 1].profiles.first().path));
    else if (index == cookieSources().size() - 1)
        chooseCookiesFile();
}

void PreferencesViewModel::chooseProfile(int index) {
    const qsizetype browser = chosenBrowser();
    if (browser >= 0 && index >= 0 && index < browsers[browser].profiles.size())
        setCookies(CookieSource::fromBrowser(browsers[browser].browser,
                                             browsers[browser].profiles[index].path));
}

void PreferencesViewModel::chooseCookiesFile() {
    const QString start =
        chosen.cookies.file.isEmpty() ? QDir::homePath() : QFileInfo(chosen.cookies.file).path();
    const QString path = dialogs.chooseFile(start, tr("Cookies files (*.txt);;All files (*)"));
    if (path.isEmpty())
        emit cookiesChanged(); // the view shows the source that stays
    else
        useCookiesFile(path);
}

void PreferencesViewModel::useCookiesFile(const QString& path) {
    if (const std::optional<QString> unfit = CookieCheck::fileProblem(path)) {
        refusal = *unfit;
        emit cookiesChanged();
        return;
    }
    setCookies(CookieSource::fromFile(QFileInfo(path).absoluteFilePath()));
}

void PreferencesViewModel::setCookies(const CookieSource& source) {
    refusal.clear();
    if (chosen.cookies != source) {
        chosen.cookies = source;
        PreferencesStorage::write(writer, chosen);
        problem = CookieCheck::problem(source).value_or("");
    }
    emit cookiesChanged();
}

void PreferencesViewModel::keep(const Preferences& changed) {
    if (changed == chosen)
        return;
    chosen = changed;
    PreferencesStorage::write(writer, chosen);
    emit optionsChanged();
}

void PreferencesViewModel::setDownloadsAtOnce(int count) {
    Preferences changed = chosen;
    changed.downloadsAtOnce = std::clamp(count, 1, Preferences::mostDownloadsAtOnce);
    keep(changed);
}

void PreferencesViewModel::setSubtitles(DownloadOptions::Subtitles mode) {
    changeOptions([mode](DownloadOptions& options) { options.subtitles = mode; });
}

void PreferencesViewModel::setSubtitleLanguages(const QString& typed) {
    if (typedLanguages != typed) {
        typedLanguages = typed;
        emit optionsChanged();
    }
    changeOptions(
        [&typed](DownloadOptions& options) { options.subtitleLanguages = languageCodes(typed); });
}

QStringList PreferencesViewModel::offeredLanguages() const {
    if (!describer)
        return {};
    const MediaDescription& media = describer->description();
    QStringList offered = media.subtitleLanguages;
    if (chosen.downloads.automaticCaptions)
        offered += media.captionLanguages;
    offered.removeDuplicates();
    offered.sort();
    return offered;
}

void PreferencesViewModel::addSubtitleLanguage(const QString& code) {
    QStringList codes = chosen.downloads.subtitleLanguages.split(u',', Qt::SkipEmptyParts);
    if (!codes.contains(code))
        setSubtitleLanguages(shownLanguages((codes << code).join(u',')));
}

void PreferencesViewModel::setAutomaticCaptions(bool on) {
    changeOptions([on](DownloadOptions& options) { options.automaticCaptions = on; });
}

void PreferencesViewModel::setEmbedMetadata(bool on) {
    changeOptions([on](DownloadOptions& options) { options.embedMetadata = on; });
}

void PreferencesViewModel::setEmbedChapters(bool on) {
    changeOptions([on](DownloadOptions& options) { options.embedChapters = on; });
}

void PreferencesViewModel::setAudioCover(bool on) {
    changeOptions([on](DownloadOptions& options) { options.audioCover = on; });
}

void PreferencesViewModel::setVideoThumbnail(bool on) {
    changeOptions([on](DownloadOptions& options) { options.videoThumbnail = on; });
}

void PreferencesViewModel::setRateLimit(bool on, double mebibytesPerSecond) {
    const int kibibytes =
        static_cast<int>(std::lround(std::clamp(mebibytesPerSecond, 0.1, 1e5) * 1024));
    changeOptions([=](DownloadOptions& options) { options.rateLimitKiB = on ? kibibytes : 0; });
}

void PreferencesViewModel::setSponsorBlock(DownloadOptions::SponsorBlock mode) {
    changeOptions([mode](DownloadOptions& options) { options.sponsorBlock = mode; });
}

// In the order they are offered, whatever order they were chosen in.
void PreferencesViewModel::setSponsorCategory(const QString& category, bool on) {
    changeOptions([&](DownloadOptions& options) {
        QStringList categories;
        for (const DownloadOptions::Category& known : DownloadOptions::sponsorBlockCategories()) {
            const bool chosenBefore = options.sponsorCategories.contains(known.value);
            if (known.value == category ? on : chosenBefore)
                categories << known.value;
        }
        options.sponsorCategories = categories;
    });
}

int PreferencesViewModel::fileNamePreset() const {
    const QList<OutputTemplate::Preset>& presets = OutputTemplate::presets();
    for (qsizetype i = 0; i < presets.size(); ++i) {
        if (presets[i].text == typedTemplate)
            return static_cast<int>(i);
    }
    return static_cast<int>(presets.size());
}

void PreferencesViewModel::chooseFileNamePreset(int index) {
    if (index >= 0 && index < OutputTemplate::presets().size())
        setFileNameTemplate(OutputTemplate::presets().at(index).text);
}

void PreferencesViewModel::setFileNameTemplate(const QString& typed) {
    if (typedTemplate != typed) {
        typedTemplate = typed;
        emit optionsChanged();
    }
    if (!OutputTemplate::problem(typed))
        changeOptions([&typed](DownloadOptions& options) { options.fileNameTemplate = typed; });
}

QString PreferencesViewModel::fileNamePreview() const {
    if (OutputTemplate::problem(typedTemplate))
        return {};
    const bool described = describer &&
                           describer->state() == AddressDescription::State::described &&
                           !describer->description().isPlaylist;
    return OutputTemplate::preview(typedTemplate,
                                   described ? describer->description().fields : madeUpFields(),
                                   chosen.downloads.restrictFileNames);
}

void PreferencesViewModel::setRestrictFileNames(bool on) {
    changeOptions([on](DownloadOptions& options) { options.restrictFileNames = on; });
}

void PreferencesViewModel::followDescription(AddressDescription* description) {
    if (describer)
        disconnect(describer, nullptr, this, nullptr);
    describer = description;
    if (describer)
        connect(describer, &AddressDescription::changed, this,
                &PreferencesViewModel::optionsChanged);
    emit optionsChanged();
}
