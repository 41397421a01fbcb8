#include "DownloadChoices.h"

#include <QCoreApplication>

// Values and labels are marked for translation here and translated where a window shows them.
namespace DownloadChoices {

const QList<Choice>& formats() {
    static const QList<Choice> choices{
        {QT_TRANSLATE_NOOP("DownloadChoices", "MP3"), QT_TRANSLATE_NOOP("DownloadChoices", "MP&3")},
        {QT_TRANSLATE_NOOP("DownloadChoices", "MP4"), QT_TRANSLATE_NOOP("DownloadChoices", "MP&4")},
        {QT_TRANSLATE_NOOP("DownloadChoices", "M4A"),
         QT_TRANSLATE_NOOP("DownloadChoices", "&M4A")}};
    return choices;
}

const QList<Choice>& videoQualities() {
    static const QList<Choice> choices{{QT_TRANSLATE_NOOP("DownloadChoices", "Best"), "Best"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "Highest Available"),
                                        QT_TRANSLATE_NOOP("DownloadChoices", "Highest")},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "2160p"), "2160p"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "1440p"), "1440p"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "1080p"), "1080p"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "720p"), "720p"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "480p"), "480p"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "360p"), "360p"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "Lowest Available"),
                                        QT_TRANSLATE_NOOP("DownloadChoices", "Lowest")}};
    return choices;
}

const QList<Choice>& audioQualities() {
    static const QList<Choice> choices{{QT_TRANSLATE_NOOP("DownloadChoices", "320k"), "320k"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "256k"), "256k"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "192k"), "192k"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "128k"), "128k"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "96k"), "96k"},
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "64k"), "64k"}};
    return choices;
}

QString shown(const QString& text) {
    return QCoreApplication::translate("DownloadChoices", text.toUtf8().constData());
}

std::optional<int> videoHeight(const QString& quality) {
    if (!quality.endsWith(u'p'))
        return std::nullopt;
    bool isHeight = false;
    const int height = QStringView(quality).chopped(1).toInt(&isHeight);
    return isHeight ? std::optional(height) : std::nullopt;
}

bool isAudioFormat(const QString& format) {
    return format == "MP3" || format == "M4A";
}

} // namespace DownloadChoices
