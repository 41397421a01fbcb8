#include "QueueTesting.h"
#include "TestHome.h"

using namespace QueueTesting;

namespace {

const QUuid fixedId("{0f8fad5b-d9cb-469f-a165-70867728950e}");

// Every item under one id, so that documents compare byte for byte.
QByteArray encoded(QList<BulkDownloadItem> items) {
    for (BulkDownloadItem& each : items)
        each.id = fixedId;
    QString error;
    return DownloadItemsDocument::encode(items, error).value_or("<failed: " + error.toUtf8() + ">");
}

// One stored item, for documents that break it.
const QByteArray valid = R"({"url":"https://youtu.be/a","status":"Failed","progress":42.7,)"
                         R"("format":"MP4","videoQuality":"720p","audioQuality":"128k"})";

} // namespace

class TestDownloadItemsDocument : public QObject {
    Q_OBJECT
private slots:
    void itemsAreCompactWithMembersInOrderAndEscapedSlashes() {
        QCOMPARE(encoded({}), QByteArray("[]"));
        QCOMPARE(encoded({item("u", DownloadStatus::pending, qQNaN())}),
                 "<failed: Unable to encode nan directly in JSON.>");
        QString error;
        QCOMPARE(DownloadItemsDocument::decode("[]", error), QList<BulkDownloadItem>());
        BulkDownloadItem second = item("u2", DownloadStatus::failed, 0, "M4A");
        second.audioQuality = "64k";
        const QByteArray document = encoded(
            {item("https://www.youtube.com/watch?v=abc", DownloadStatus::completed, 100), second});
        QCOMPARE(
            document,
            QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E",)"
                       R"("url":"https:\/\/www.youtube.com\/watch?v=abc","status":"Completed",)"
                       R"("progress":100,"format":"MP3","videoQuality":"1080p",)"
                       R"("audioQuality":"192k"},{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E",)"
                       R"("url":"u2","status":"Failed","progress":0,"format":"M4A",)"
                       R"("videoQuality":"1080p","audioQuality":"64k"}])"));
        // Ids are not read back: every load makes new ones.
        const QList<BulkDownloadItem> read = decoded(document);
        QVERIFY(read.at(0).id != fixedId);
        QVERIFY(read.at(0).id != read.at(1).id);
    }

    // Progress as the shortest text that reads back as the very same double; text
    // escaped as JSON demands and no further.
    void valuesAreWrittenExactlyAndReadBack_data() {
        QTest::addColumn<BulkDownloadItem>("stored");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("sum that is not three tenths")
            << item("u", DownloadStatus::pending, 0.1 + 0.2)
            << QByteArray(R"("progress":0.30000000000000004,)");
        // moc reads no raw string that holds a backslash before a quote.
        QTest::newRow("quotes, backslashes, slashes and brackets")
            << item("a\"b\\c/d\\/e],[{\"f\":1},")
            << QByteArray("\"a\\\"b\\\\c\\/d\\\\\\/e],[{\\\"f\\\":1},\"");
        QTest::newRow("control characters")
            << item(QString("\b\f\n\r\t\x7f") + QChar(0x01) + QChar(0x1f) + QChar(0x00))
            << QByteArray("\"\\b\\f\\n\\r\\t\x7f\\u0001\\u001f\\u0000\"");
        QTest::newRow("lone surrogate")
            << item(QString(QChar(0xd83d))) << QByteArray(R"("\ud83d")");
        QTest::newRow("non-ASCII as UTF-8")
            << item(QString::fromUtf8("é ✓ 😀"))
            << QByteArray("\"\xc3\xa9 \xe2\x9c\x93 \xf0\x9f\x98\x80\"");
    }
    void valuesAreWrittenExactlyAndReadBack() {
        QFETCH(BulkDownloadItem, stored);
        QFETCH(QByteArray, text);
        const QByteArray document = encoded({stored});
        QVERIFY2(document.contains(text), document);
        const QList<BulkDownloadItem> read = decoded(document);
        stored.id = read.value(0).id;
        QCOMPARE(read, QList{stored});
    }

    void violationsRejectTheWholeDocument_data() {
        QTest::addColumn<QByteArray>("document");
        const auto withOne = [](const QByteArray& broken) {
            return "[" + valid + "," + broken + "]";
        };
        const auto changed = [](const QByteArray& from, const QByteArray& to) {
            return QByteArray(valid).replace(from, to);
        };
        QTest::newRow("unknown status") << withOne(changed("Failed", "Paused"));
        QTest::newRow("status in lower case") << withOne(changed("Failed", "failed"));
        QTest::newRow("no status") << withOne(changed(R"("status":"Failed",)", ""));
        QTest::newRow("progress as text") << withOne(changed("42.7", "\"42.7\""));
        QTest::newRow("top level an object") << valid;
        QTest::newRow("invalid UTF-8") << withOne(changed("youtu", "\xff"));
    }
    void violationsRejectTheWholeDocument() {
        QFETCH(QByteArray, document);
        QString error;
        QCOMPARE(DownloadItemsDocument::decode(document, error), std::nullopt);
        QVERIFY(!error.isEmpty());
    }
};

MORVI_TEST_MAIN(TestDownloadItemsDocument)
#include "tst_downloaditemsdocument.moc"
