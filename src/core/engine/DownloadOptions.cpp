#include "DownloadOptions.h"

#include "DownloadProgress.h"
#include "core/preferences/PreferencesStorage.h"
#include "core/storage/KeyValueStore.h"

namespace {

QString subtitlesPhrase(const DownloadOptions& options) {
    QString languages = options.subtitleLanguages;
    languages.replace(u',', ", ");
    if (options.automaticCaptions)
        languages = DownloadOptions::tr("%1 with automatic captions").arg(languages);
    return options.subtitles == DownloadOptions::Subtitles::embedded
               ? DownloadOptions::tr("subtitles %1, embedded").arg(languages)
               : DownloadOptions::tr("subtitles %1 as .srt files").arg(languages);
}

QString sponsorBlockPhrase(const DownloadOptions& options) {
    if (options.sponsorBlock == DownloadOptions::SponsorBlock::mark)
        return DownloadOptions::tr("SponsorBlock segments as chapters");
    QStringList removed;
    for (const DownloadOptions::Category& category : DownloadOptions::sponsorBlockCategories()) {
        if (options.sponsorCategories.contains(category.value))
            removed << DownloadOptions::tr(category.label).remove(u'&');
    }
    return DownloadOptions::tr("SponsorBlock removes %1").arg(removed.join(", "));
}

QStringList contentPhrases(const DownloadOptions& options, bool audio) {
    QStringList phrases;
    if (!audio && options.subtitles != DownloadOptions::Subtitles::off &&
        !options.subtitleLanguages.isEmpty())
        phrases << subtitlesPhrase(options);
    if (!options.embedMetadata)
        phrases << DownloadOptions::tr("no metadata");
    if (options.embedMetadata != options.wantsChapters())
        phrases << (options.wantsChapters() ? DownloadOptions::tr("chapters")
                                            : DownloadOptions::tr("no chapters"));
    if (audio && !options.audioCover)
        phrases << DownloadOptions::tr("no cover picture");
    if (!audio && options.videoThumbnail)
        phrases << DownloadOptions::tr("thumbnail embedded");
    return phrases;
}

} // namespace

DownloadOptions DownloadOptions::current() {
    return PreferencesStorage::read(*PreferencesStorage::open()).downloads;
}

const QList<DownloadOptions::Category>& DownloadOptions::sponsorBlockCategories() {
    static const QList<Category> all{
        {"sponsor", QT_TR_NOOP("&Sponsor")},
        {"intro", QT_TR_NOOP("Intermissi&on or intro")},
        {"outro", QT_TR_NOOP("&Endcards or credits")},
        {"selfpromo", QT_TR_NOOP("Self-&promotion")},
        {"preview", QT_TR_NOOP("Pre&view or recap")},
        {"filler", QT_TR_NOOP("&Filler tangent")},
        {"interaction", QT_TR_NOOP("Interaction re&minder")},
        {"music_offtopic", QT_TR_NOOP("Non-m&usic part of a music video")}};
    return all;
}

QStringList DownloadOptions::summary(bool audio) const {
    QStringList phrases = contentPhrases(*this, audio);
    if (rateLimitKiB > 0)
        phrases << DownloadOptions::tr("at most %1/s").arg(sizeText(rateLimitKiB * 1024.0));
    if (sponsorBlock != SponsorBlock::off && !sponsorCategories.isEmpty())
        phrases << sponsorBlockPhrase(*this);
    if (fileNameTemplate != standardTemplate)
        phrases << DownloadOptions::tr("file names %1").arg(fileNameTemplate);
    if (restrictFileNames)
        phrases << DownloadOptions::tr("safe characters only");
    return phrases;
}
