#include "DownloadChoices.h"

#include <QCoreApplication>

// Values and labels are marked for translation here and translated where a window shows them.
namespace DownloadChoices {

const QList<Choice>& formats() {
    static const QList<Choice> choices{
        //: A file format and its segment's label with its mnemonic: usually left as they are.
        {QT_TRANSLATE_NOOP("DownloadChoices", "MP3"), QT_TRANSLATE_NOOP("DownloadChoices", "MP&3")},
        //: A file format and its segment's label with its mnemonic: usually left as they are.
        {QT_TRANSLATE_NOOP("DownloadChoices", "MP4"), QT_TRANSLATE_NOOP("DownloadChoices", "MP&4")},
        //: A file format and its segment's label with its mnemonic: usually left as they are.
        {QT_TRANSLATE_NOOP("DownloadChoices", "M4A"),
         QT_TRANSLATE_NOOP("DownloadChoices", "&M4A")}};
    return choices;
}

const QList<Choice>& videoQualities() {
    static const QList<Choice> choices{
        //: A video quality: the best the address offers, video and sound together.
        {QT_TRANSLATE_NOOP("DownloadChoices", "Best"), "Best"},
        //: A video quality: the tallest video on offer, and its short label in the picker.
        {QT_TRANSLATE_NOOP("DownloadChoices", "Highest Available"),
         QT_TRANSLATE_NOOP("DownloadChoices", "Highest")},
        //: A video height in pixels, usually left as it is.
        {QT_TRANSLATE_NOOP("DownloadChoices", "2160p"), "2160p"},
        //: A video height in pixels, usually left as it is.
        {QT_TRANSLATE_NOOP("DownloadChoices", "1440p"), "1440p"},
        //: A video height in pixels, usually left as it is.
        {QT_TRANSLATE_NOOP("DownloadChoices", "1080p"), "1080p"},
        //: A video height in pixels, usually left as it is.
        {QT_TRANSLATE_NOOP("DownloadChoices", "720p"), "720p"},
        //: A video height in pixels, usually left as it is.
        {QT_TRANSLATE_NOOP("DownloadChoices", "480p"), "480p"},
        //: A video height in pixels, usually left as it is.
        {QT_TRANSLATE_NOOP("DownloadChoices", "360p"), "360p"},
        //: A video quality: the smallest video on offer, and its short label in the picker.
        {QT_TRANSLATE_NOOP("DownloadChoices", "Lowest Available"),
         QT_TRANSLATE_NOOP("DownloadChoices", "Lowest")}};
    return choices;
}

const QList<Choice>& audioQualities() {
    static const QList<Choice> choices{//: An audio bit rate in kbit/s, usually left as it is.
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "320k"), "320k"},
                                       //: An audio bit rate in kbit/s, usually left as it is.
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "256k"), "256k"},
                                       //: An audio bit rate in kbit/s, usually left as it is.
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "192k"), "192k"},
                                       //: An audio bit rate in kbit/s, usually left as it is.
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "128k"), "128k"},
                                       //: An audio bit rate in kbit/s, usually left as it is.
                                       {QT_TRANSLATE_NOOP("DownloadChoices", "96k"), "96k"},
                                       //: An audio bit rate in kbit/s, usually left as it is.
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
