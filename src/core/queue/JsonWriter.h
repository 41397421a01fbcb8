#pragma once

#include <QByteArray>
#include <QStringView>

// Writes compact JSON the way the platform's encoder does: members in the order they
// are written, "/" escaped as "\/", other text as UTF-8 with only the characters JSON
// requires escaped. Whole numbers have no fraction; other numbers take the shortest
// form that reads back as the same double.
class JsonWriter {
public:
    void beginArray();
    void endArray();
    void beginObject();
    void endObject();
    // A member name of the object being written; its value follows.
    void name(QStringView text);
    void string(QStringView text);
    // Throws std::invalid_argument for infinity and NaN, which JSON cannot hold.
    void number(double value);

    const QByteArray& document() const { return out; }

private:
    void beginValue();
    void appendQuoted(QStringView text);

    QByteArray out;
    bool afterValue = false;
};
