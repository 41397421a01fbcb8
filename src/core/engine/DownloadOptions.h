#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the user chose in Preferences for the downloads themselves, read when a download starts:
// subtitles, what goes into the file, a speed limit, SponsorBlock and the file names. Only a
// download's command line takes them, never a run that merely describes an address. Every
// default is Morvi's behaviour before these choices existed.
struct DownloadOptions {
    enum class Subtitles { off, embedded, beside };
    enum class SponsorBlock { off, mark, remove };
    struct Category {
        // The downloader's name, never translated.
        QString value;
        // As written in the sources, with the mnemonic of its check box; translated where it
        // is shown.
        const char* label;
    };

    inline static const QString standardTemplate = "%(title)s.%(ext)s";

    // Subtitles are fetched for videos only; an audio file holds none.
    Subtitles subtitles = Subtitles::off;
    // The languages' codes as the downloader takes them: "en,de".
    QString subtitleLanguages;
    // Whether the site's automatic captions count as subtitles.
    bool automaticCaptions = false;
    bool embedMetadata = true;
    // Chapters come with the metadata, as the downloader embeds them.
    bool embedChapters = true;
    // An audio file carries the thumbnail as its cover.
    bool audioCover = true;
    bool videoThumbnail = false;
    // KiB per second; 0 leaves the speed free.
    int rateLimitKiB = 0;
    SponsorBlock sponsorBlock = SponsorBlock::off;
    // The downloader's names of the SponsorBlock categories ("sponsor", "intro", …).
    QStringList sponsorCategories{"sponsor"};
    // An output template of the downloader, checked by OutputTemplate::problem.
    QString fileNameTemplate = standardTemplate;
    // Only ASCII letters, digits and "-_." in file names.
    bool restrictFileNames = false;

    // What Preferences has stored for this user.
    static DownloadOptions current();
    // The SponsorBlock categories that can be removed from a video, in the order they are offered.
    static const QList<Category>& sponsorBlockCategories();

    // Whether the file gets chapters: asked for, or needed to mark SponsorBlock's segments.
    bool wantsChapters() const { return embedChapters || sponsorBlock == SponsorBlock::mark; }
    // The choices that differ from the defaults, one short phrase each in the user's language,
    // for a download of audio or of video.
    QStringList summary(bool audio) const;

    bool operator==(const DownloadOptions&) const = default;

    Q_DECLARE_TR_FUNCTIONS(DownloadOptions)
};
