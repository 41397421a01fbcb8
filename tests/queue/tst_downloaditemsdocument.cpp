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

// One stored object with the given member text in place of the usual members.
QByteArray object(const QString& members) {
    return ("[{" + members + "}]").toUtf8();
}

const QList<std::pair<QString, QString>> storedMembers{{"url", "\"https://youtu.be/a\""},
                                                       {"status", "\"Failed\""},
                                                       {"progress", "42.7"},
                                                       {"format", "\"MP4\""},
                                                       {"videoQuality", "\"720p\""},
                                                       {"audioQuality", "\"128k\""}};

// The members of a stored item with one of them given another value, or left out when
// value is empty.
QString membersWith(const QString& name = {}, const QString& value = {}) {
    QStringList members;
    for (const auto& [member, stored] : storedMembers) {
        const QString written = member == name ? value : stored;
        if (!written.isEmpty())
            members << "\"" + member + "\":" + written;
    }
    return members.join(",");
}

const QString allMembers = membersWith();

} // namespace

class TestDownloadItemsDocument : public QObject {
    Q_OBJECT
private slots:
    void itemsAreCompactWithMembersInOrderAndEscapedSlashes() {
        QCOMPARE(encoded({}), QByteArray("[]"));
        QString error;
        QCOMPARE(DownloadItemsDocument::decode("[]", error), QList<BulkDownloadItem>());
        BulkDownloadItem second = item("u2", DownloadStatus::failed, 0, "M4A");
        second.audioQuality = "64k";
        QCOMPARE(
            encoded({item("https://www.youtube.com/watch?v=abc", DownloadStatus::completed, 100),
                     second}),
            QByteArray(R"([{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E",)"
                       R"("url":"https:\/\/www.youtube.com\/watch?v=abc","status":"Completed",)"
                       R"("progress":100,"format":"MP3","videoQuality":"1080p",)"
                       R"("audioQuality":"192k"},{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E",)"
                       R"("url":"u2","status":"Failed","progress":0,"format":"M4A",)"
                       R"("videoQuality":"1080p","audioQuality":"64k"}])"));
    }

    // Progress as the shortest text that reads back as the very same double; text
    // escaped as JSON demands and no further.
    void valuesAreWrittenExactlyAndReadBack_data() {
        QTest::addColumn<BulkDownloadItem>("stored");
        QTest::addColumn<QByteArray>("text");
        const auto progress = [](double value) {
            return item("u", DownloadStatus::pending, value);
        };
        QTest::newRow("sum that is not three tenths")
            << progress(0.1 + 0.2) << QByteArray(R"("progress":0.30000000000000004,)");
        QTest::newRow("tiny") << progress(1e-7) << QByteArray(R"("progress":1e-07,)");
        QTest::newRow("negative") << progress(-5.5) << QByteArray(R"("progress":-5.5,)");
        QTest::newRow("quote and backslash") << item("a\"b\\c") << QByteArray("\"a\\\"b\\\\c\"");
        QTest::newRow("named control characters")
            << item("\b\f\n\r\t") << QByteArray(R"("\b\f\n\r\t")");
        QTest::newRow("other control characters")
            << item(QString(QChar(0x01)) + QChar(0x1f) + QChar(0x00))
            << QByteArray(R"("\u0001\u001f\u0000")");
        QTest::newRow("delete is not escaped")
            << item(QString(QChar(0x7f))) << QByteArray("\"\x7f\"");
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

    // The id is not read, so it may be missing or malformed; members come in any order.
    void readingTakesEveryMemberButTheId_data() {
        QTest::addColumn<QString>("members");
        QTest::newRow("no id") << allMembers;
        QTest::newRow("id a number") << R"("id":12,)" + allMembers;
        QTest::newRow("other order, unescaped slashes")
            << R"("progress":42.7, "audioQuality":"128k", "status":"Failed",)"
               R"( "videoQuality":"720p", "format":"MP4", "url":"https://youtu.be/a")";
    }
    void readingTakesEveryMemberButTheId() {
        QFETCH(QString, members);
        const QList<BulkDownloadItem> read = decoded(object(members));
        BulkDownloadItem expected = item("https://youtu.be/a", DownloadStatus::failed, 42.7, "MP4");
        expected.videoQuality = "720p";
        expected.audioQuality = "128k";
        expected.id = read.value(0).id;
        QCOMPARE(read, QList{expected});
        QVERIFY(!expected.id.isNull());
    }

    void idsAreNewOnEveryLoadAndStatusesReadBack() {
        QList<BulkDownloadItem> items;
        for (const DownloadStatus status : allDownloadStatuses)
            items << item("u", status, 42.7);
        const QByteArray document = encoded(items);
        const QList<BulkDownloadItem> first = decoded(document);
        QCOMPARE(states(first), states(items));
        QVERIFY(first.at(0).id != fixedId);
        QVERIFY(first.at(0).id != first.at(1).id);
        QVERIFY(first.at(0).id != decoded(document).at(0).id);
    }

    void violationsRejectTheWholeDocument_data() {
        QTest::addColumn<QByteArray>("document");
        const QString valid = "{" + allMembers + "}";
        const auto withOne = [&](const QString& members) {
            return ("[" + valid + ",{" + members + "}]").toUtf8();
        };
        QTest::newRow("status in lower case") << withOne(membersWith("status", "\"failed\""));
        QTest::newRow("unknown status") << withOne(membersWith("status", "\"Paused\""));
        for (const auto& [member, value] : storedMembers)
            QTest::newRow(qPrintable("no " + member)) << withOne(membersWith(member, {}));
        QTest::newRow("progress as text") << withOne(membersWith("progress", "\"42.7\""));
        QTest::newRow("url as number") << withOne(membersWith("url", "7"));
        QTest::newRow("status null") << withOne(membersWith("status", "null"));
        QTest::newRow("item not an object") << ("[" + valid + ",1]").toUtf8();
        QTest::newRow("top level an object") << valid.toUtf8();
        QTest::newRow("cut short") << ("[" + valid).toUtf8();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("invalid UTF-8") << object(membersWith("url", "\"@\"")).replace('@', "\xff");
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
