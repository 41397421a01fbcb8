#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The downloader's output templates, which name the downloaded files ("%(title)s.%(ext)s"):
// the ones Morvi offers, the check that refuses a template before any download, and a preview
// of the name a template gives.
class OutputTemplate {
    Q_DECLARE_TR_FUNCTIONS(OutputTemplate)
public:
    struct Preset {
        // As written in the sources; translated where it is shown.
        const char* label;
        QString text;
    };

    // Title; uploader and title; upload date and title.
    static const QList<Preset>& presets();

    // Why the template cannot name the files, in the user's language; none when it can. The
    // downloader refuses a field that is not closed or has no valid type ("%(title)", "%(title)z");
    // Morvi also wants the extension in the name and every file inside the output folder.
    static std::optional<QString> problem(const QString& text);

    // The file name the template gives for a media's fields (the downloader's names: "title",
    // "uploader", "upload_date", …), close to the downloader's own: a field it lacks reads
    // "NA" or the field's default, a date field takes a ">%Y-%m-%d" format, and the fields'
    // values lose the characters a file name cannot hold (with restricted, all but ASCII
    // letters, digits and "-_.").
    static QString preview(const QString& text, const QHash<QString, QString>& fields,
                           bool restricted);
};
