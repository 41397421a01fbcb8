#include "TestHome.h"
#include "core/storage/SettingsStore.h"

#include <QSettings>
#include <QtConcurrentRun>

// Qt's own QSettings is the judge: the files Morvi wrote with it before must read the same, and
// what Morvi writes now must be what it would have written.
class TestSettingsStore : public QObject {
    Q_OBJECT

    int files = 0;

    // A store of a file no QSettings in this process has seen: Qt keeps the files it has read.
    SettingsStore freshStore() { return SettingsStore(QString("Store%1").arg(++files)); }

    // Every value QSettings reads from the text, from a file of its own.
    QVariantMap valuesIn(const QByteArray& text) {
        QSettings settings(writeFile(freshStore().fileName(), text), QSettings::IniFormat);
        QVariantMap values;
        for (const QString& key : settings.allKeys())
            values.insert(key, settings.value(key));
        return values;
    }

private slots:
    // Byte arrays and strings, each with what its escaping must get right.
    void valuesAreTypedAsQSettingsTypesThem_data() {
        QTest::addColumn<QVariant>("value");
        QByteArray everyByte;
        for (int byte = 0; byte < 256; ++byte)
            everyByte += char(byte);
        QTest::newRow("empty bytes") << QVariant(QByteArray());
        QTest::newRow("a stored queue") << QVariant(QByteArray(
            "[{\"url\":\"https:\\/\\/youtu.be\\/x\",\"title\":\"Grüße, \\\"🎬\\\"; a=b\"}]"));
        QTest::newRow("every byte") << QVariant(everyByte);
        QTest::newRow("digits after numbered bytes") << QVariant(QByteArray("\0"
                                                                            "7f\x01"
                                                                            "a\x80"
                                                                            "9",
                                                                            7));
        QTest::newRow("outer blanks in bytes") << QVariant(QByteArray(" x "));
        QTest::newRow("bytes that look typed") << QVariant(QByteArray("@ByteArray(x)"));
        QTest::newRow("empty string") << QVariant(QString());
        QTest::newRow("folder with a comma") << QVariant(QString("/home/zoë/Vidéos, mes clips"));
        QTest::newRow("at sign first") << QVariant(QString("@ByteArray(x)"));
        QTest::newRow("outer blanks") << QVariant(QString(" blanks "));
        QTest::newRow("escapes") << QVariant(QString("tab\there\nback\\slash \"quoted\"\x7f"));
        QTest::newRow("digits after a control") << QVariant(QString("\x01"
                                                                    "b\x1f"
                                                                    "0"));
        QTest::newRow("beyond the basic plane") << QVariant(QString("🎬 clip"));
        QTest::newRow("separators") << QVariant(QString("x=y;z"));
    }
    void valuesAreTypedAsQSettingsTypesThem() {
        QFETCH(QVariant, value);
        const bool isBytes = value.typeId() == QMetaType::QByteArray;
        SettingsStore byQt = freshStore(), byMorvi = freshStore();
        QDir().mkpath(QFileInfo(byQt.fileName()).path());
        QSettings(byQt.fileName(), QSettings::IniFormat).setValue("key", value);
        QCOMPARE(isBytes ? byMorvi.setData("key", value.toByteArray())
                         : byMorvi.setString("key", value.toString()),
                 std::nullopt);
        QCOMPARE(contentOf(byMorvi.fileName()), contentOf(byQt.fileName()));
        const QVariant read =
            isBytes ? QVariant(byQt.data("key").value()) : byQt.string("key").value();
        QCOMPARE(read, value);
    }

    // Writing one value keeps every other line as it was.
    void aWriteKeepsTheRest_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file") << QByteArray() << QByteArray("[General]\nkey=new\n");
        QTest::newRow("its line") << QByteArray("[General]\na=1\nkey=old\nb=\"2, 3\"\n")
                                  << QByteArray("[General]\na=1\nkey=new\nb=\"2, 3\"\n");
        QTest::newRow("the last of two") << QByteArray("[General]\nkey=x\n  key = y\n")
                                         << QByteArray("[General]\nkey=x\nkey=new\n");
        QTest::newRow("another section's")
            << QByteArray("[General]\na=1\n\n[Other]\nkey=o\n")
            << QByteArray("[General]\na=1\nkey=new\n\n[Other]\nkey=o\n");
        QTest::newRow("no general section") << QByteArray("[Other]\nkey=o\n")
                                            << QByteArray("[General]\nkey=new\n\n[Other]\nkey=o\n");
        QTest::newRow("no last line end")
            << QByteArray("[General]\na=1") << QByteArray("[General]\na=1\nkey=new\n");
        QTest::newRow("CR LF") << QByteArray("[General]\r\nkey=old\r\n; note\r\n")
                               << QByteArray("[General]\r\nkey=new\r\n; note\r\n");
        QTest::newRow("before any section")
            << QByteArray("a=1\n[Other]\nb=2\n") << QByteArray("a=1\nkey=new\n[Other]\nb=2\n");
        QTest::newRow("longer names") << QByteArray("[General]\nkeys=1\nmykey=2\n")
                                      << QByteArray("[General]\nkeys=1\nmykey=2\nkey=new\n");
    }
    void aWriteKeepsTheRest() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        SettingsStore store = freshStore();
        if (!before.isEmpty())
            writeFile(store.fileName(), before);
        QVariantMap values = valuesIn(before);
        QCOMPARE(store.setString("key", "new"), std::nullopt);
        QCOMPARE(contentOf(store.fileName()), after);
        values.insert("key", "new");
        QCOMPARE(valuesIn(after), values);
    }

    // Writers on two threads, each with its own key: neither undoes the other's writes.
    void writersOnTwoThreadsKeepEachOthersKeys() {
        SettingsStore store = freshStore();
        const auto writeAll = [&store](const QString& key) {
            bool written = true;
            for (int round = 1; round <= 50; ++round)
                written = !store.setString(key, QString::number(round)) && written;
            return written;
        };
        QFuture<bool> other = QtConcurrent::run(writeAll, QString("other"));
        QVERIFY(writeAll("mine"));
        QVERIFY(other.result());
        QCOMPARE(store.string("mine"), "50");
        QCOMPARE(store.string("other"), "50");
    }

    // Text typed by hand reads as QSettings reads it; a list or another type as the typed text.
    void typedByHand_data() {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QString>("read");
        QTest::newRow("outer blanks") << QByteArray(" \t MP4 \t") << "MP4";
        QTest::newRow("quoted") << QByteArray(" \"a, b \" ") << "a, b ";
        QTest::newRow("numbers") << QByteArray("\\x41\\101\\x") << "AA";
        QTest::newRow("escaped blank kept") << QByteArray("a\\x20 ") << "a ";
        QTest::newRow("unknown escape") << QByteArray("a\\qb") << "ab";
        QTest::newRow("a list") << QByteArray("a, b") << "a, b";
        QTest::newRow("another type") << QByteArray("@Size(1 2)") << "@Size(1 2)";
        QTest::newRow("a doubled at sign") << QByteArray("@@x") << "@x";
    }
    void typedByHand() {
        QFETCH(QByteArray, typed);
        QFETCH(QString, read);
        SettingsStore store = freshStore();
        writeFile(store.fileName(), "[General]\nkey=" + typed + "\n");
        QCOMPARE(store.string("key"), read);
        const QVariant byQt = QSettings(store.fileName(), QSettings::IniFormat).value("key");
        if (byQt.typeId() == QMetaType::QString)
            QCOMPARE(byQt.toString(), read);
    }
};

MORVI_TEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
