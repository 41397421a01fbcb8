#include "OutputTemplate.h"

#include "DownloadOptions.h"

#include <QDate>
#include <QRegularExpression>

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A field as the downloader reads it: "%(" the key (parentheses may nest) ")", then flags,
// width, precision and length as printf has them, then the type.
struct Field {
    QStringView key;
    // Where the type stands; the text's end when it has none.
    qsizetype typeAt = 0;
};

// The field that starts at the "%" at i; none when its key is not closed.
std::optional<Field> fieldAt(QStringView text, qsizetype i) {
    int depth = 1;
    qsizetype at = i + 2;
    for (; at < text.size() && depth > 0; ++at)
        depth += text[at] == u'(' ? 1 : text[at] == u')' ? -1 : 0;
    if (depth > 0)
        return std::nullopt;
    const QStringView key = text.sliced(i + 2, at - i - 3);
    while (at < text.size() && QStringView(u"#0- +").contains(text[at]))
        ++at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    if (at < text.size() && text[at] == u'.') {
        ++at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
    }
    if (at < text.size() && QStringView(u"hlL").contains(text[at]))
        ++at;
    return Field{key, at};
}

// printf's types, and those the downloader adds.
bool isFieldType(QChar c) {
    return QStringView(u"diouxXeEfFgGcrsaljhqBUDS").contains(c);
}

std::optional<QString> fieldProblem(QStringView text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'%')
            continue;
        if (text[i + 1] == u'%') {
            ++i;
            continue;
        }
        if (text[i + 1] != u'(')
            continue; // a lone "%" stays as it is
        const std::optional<Field> field = fieldAt(text, i);
        if (!field)
            return OutputTemplate::tr("The field at \"%1\" is not closed with \")\".")
                .arg(text.sliced(i));
        if (field->typeAt == text.size())
            return OutputTemplate::tr("The field \"%1\" has no type: end it with \"s\", as in "
                                      "%(title)s.")
                .arg(text.sliced(i));
        if (!isFieldType(text[field->typeAt]))
            return OutputTemplate::tr("\"%1\" is not a type of field, in \"%2\".")
                .arg(QString(text[field->typeAt]), text.sliced(i, field->typeAt - i + 1));
        i = field->typeAt;
    }
    return std::nullopt;
}

// A date field's "%Y", "%m", "%d" and "%y" of an upload date written as "YYYYMMDD".
QString dateText(const QString& value, QStringView format) {
    const QDate date = QDate::fromString(value, "yyyyMMdd");
    if (!date.isValid())
        return value;
    QString shown;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar next = i + 1 < format.size() ? format[i + 1] : QChar();
        const QString part = format[i] != u'%' ? QString()
                             : next == u'Y'    ? date.toString("yyyy")
                             : next == u'm'    ? date.toString("MM")
                             : next == u'd'    ? date.toString("dd")
                             : next == u'y'    ? date.toString("yy")
                                               : QString();
        if (part.isEmpty()) {
            shown += format[i];
        } else {
            shown += part;
            ++i;
        }
    }
    return shown;
}

// "name>date format,other|default": the first of the names the media has.
QString fieldValue(QStringView key, const QHash<QString, QString>& fields) {
    const qsizetype bar = key.indexOf(u'|');
    const QStringView names = bar < 0 ? key : key.first(bar);
    for (const QStringView name : names.split(u',')) {
        const qsizetype angle = name.indexOf(u'>');
        const QString value = fields.value(name.first(angle < 0 ? name.size() : angle).toString());
        if (!value.isEmpty())
            return angle < 0 ? value : dateText(value, name.sliced(angle + 1));
    }
    return bar < 0 ? QString("NA") : key.sliced(bar + 1).toString();
}

// Clock times such as "1:02:03" keep their digits apart with "_".
QString withoutClockColons(QString value) {
    static const QRegularExpression clock("[0-9]+(?::[0-9]+)+");
    for (const QRegularExpressionMatch& time : clock.globalMatch(value))
        value.replace(time.capturedStart(), time.capturedLength(),
                      time.captured().replace(u':', u'_'));
    return value;
}

// What a file name cannot hold becomes its full-width look-alike, as the downloader does.
QString fileNamePart(const QString& field, bool restricted) {
    const QString value = withoutClockColons(field);
    QString part;
    if (!restricted) {
        for (const QChar c : value) {
            if (c == u'/')
                part += QChar(0x29F8);
            else if (c == u'\\')
                part += QChar(0x29F9);
            else if (QStringView(u"\"*:<>?|").contains(c))
                part += QChar(c.unicode() + 0xFEE0);
            else if (c.unicode() >= 32 && c.unicode() != 127)
                part += c;
        }
        return part;
    }
    static const QRegularExpression unsafe("[^A-Za-z0-9._-]+");
    for (const QChar c : value.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing)
            part += c;
    }
    part.replace(unsafe, "_");
    while (part.startsWith(u'_'))
        part.remove(0, 1);
    while (part.endsWith(u'_'))
        part.chop(1);
    return part.isEmpty() ? QString("_") : part;
}

} // namespace

const QList<OutputTemplate::Preset>& OutputTemplate::presets() {
    static const QList<Preset> all{
        {QT_TR_NOOP("Title"), DownloadOptions::standardTemplate},
        {QT_TR_NOOP("Uploader - Title"), "%(uploader)s - %(title)s.%(ext)s"},
        {QT_TR_NOOP("Date - Title"), "%(upload_date>%Y-%m-%d)s - %(title)s.%(ext)s"}};
    return all;
}

std::optional<QString> OutputTemplate::problem(const QString& text) {
    if (text.trimmed().isEmpty())
        return tr("The template is empty.");
    if (text.startsWith(u'/') || text.startsWith(u'~') || text.contains(u'$') ||
        text.split(u'/').contains(".."))
        return tr("The files must go into the output folder: a template neither starts with "
                  "\"/\" or \"~\" nor holds \"..\" or \"$\".");
    if (const std::optional<QString> field = fieldProblem(text))
        return field;
    if (!text.contains("%(ext)"))
        return tr("The template needs the file's extension, %(ext)s.");
    return std::nullopt;
}

QString OutputTemplate::preview(const QString& text, const QHash<QString, QString>& fields,
                                bool restricted) {
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        const std::optional<Field> field =
            text[i] == u'%' && next == u'(' ? fieldAt(text, i) : std::nullopt;
        if (field && field->typeAt < text.size()) {
            name += fileNamePart(fieldValue(field->key, fields), restricted);
            i = field->typeAt;
        } else {
            name += text[i];
            i += text[i] == u'%' && next == u'%' ? 1 : 0;
        }
    }
    return name;
}
