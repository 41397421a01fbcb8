#include "StoredZip.h"

#include <QDataStream>
#include <QIODevice>
#include <array>

namespace {

quint32 crc32(const QByteArray& data) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data)
        crc = table[(crc ^ static_cast<quint8>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

constexpr quint16 versionNeeded = 10;         // 1.0: stored entries
constexpr quint16 madeOnUnix = (3 << 8) | 20; // so that unzip applies the permissions below
constexpr quint32 plainFileMode = 0100644u << 16;
constexpr quint32 linkMode = 0120777u << 16;
constexpr quint16 firstOfJanuary1980 = (1 << 5) | 1;

// The fields that the local header and the central directory entry share.
void writeEntryFields(QDataStream& out, quint32 crc, quint32 size, quint16 nameSize) {
    out << quint16(0) << quint16(0) << quint16(0) << firstOfJanuary1980 // flags, stored, time, date
        << crc << size << size << nameSize << quint16(0);               // ..., no extra field
}

} // namespace

QByteArray storedZip(const QList<ZipEntry>& entries) {
    QByteArray archive;
    QByteArray directory;
    QDataStream out(&archive, QIODevice::WriteOnly);
    QDataStream central(&directory, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    central.setByteOrder(QDataStream::LittleEndian);

    for (const auto& [name, content, link] : entries) {
        const QByteArray encodedName = name.toUtf8();
        const quint32 offset = quint32(archive.size());
        const quint32 crc = crc32(content);
        const auto size = quint32(content.size());
        const auto nameSize = quint16(encodedName.size());

        out << quint32(0x04034b50) << versionNeeded;
        writeEntryFields(out, crc, size, nameSize);
        out.writeRawData(encodedName.constData(), encodedName.size());
        out.writeRawData(content.constData(), content.size());

        central << quint32(0x02014b50) << madeOnUnix << versionNeeded;
        writeEntryFields(central, crc, size, nameSize);
        central << quint16(0) << quint16(0) << quint16(0) // comment, disk, internal attributes
                << (link ? linkMode : plainFileMode) << offset;
        central.writeRawData(encodedName.constData(), encodedName.size());
    }

    const quint32 directoryOffset = quint32(archive.size());
    out.writeRawData(directory.constData(), directory.size());
    out << quint32(0x06054b50) << quint16(0) << quint16(0) << quint16(entries.size())
        << quint16(entries.size()) << quint32(directory.size()) << directoryOffset << quint16(0);
    return archive;
}
