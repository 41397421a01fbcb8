#pragma once

#include <QGuiApplication>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

// Points HOME and the XDG folders at a fresh temporary folder before Qt reads them,
// so no test ever touches the real user's tools, settings or Downloads folder.
class TestHome {
public:
    TestHome();
    QString path() const { return dir.path(); }

private:
    QTemporaryDir dir;
};

namespace FakeTools {
// Copies the fake "yt-dlp" and "ffmpeg" into Morvi's tools folder.
void install();
// Copies one fake tool into the folder, by default Morvi's tools folder.
void installOne(const QString& name, const QString& folder = {});
// Clears every FAKE_* variable, then sets the given ones for the next tool run.
void configure(const QHash<QString, QString>& variables = {});
// The arguments a fake tool recorded in its FAKE_*ARGS_FILE.
QStringList recordedArguments(const QString& argsFile);
// Waits until the fake downloader has written its converter child's pid to pidFile;
// that pid, or 0 when none came within a few seconds.
qint64 waitForChildPid(const QString& pidFile);
} // namespace FakeTools

// Sets PATH while it lives, so that the test decides which tools the system has.
class SearchPath {
public:
    explicit SearchPath(const QString& path)
        : saved(qgetenv("PATH")) {
        qputenv("PATH", path.toUtf8());
    }
    ~SearchPath() { qputenv("PATH", saved); }

private:
    QByteArray saved;
};

// Waits, running the event loop, until the process with this pid is gone.
bool waitForProcessGone(qint64 pid, int timeoutMs = 5000);
bool processIsAlive(qint64 pid);

// Writes the bytes to the file, making its folder first; returns the path.
QString writeFile(const QString& path, const QByteArray& bytes);
// What the file holds; nothing when it cannot be read.
QByteArray contentOf(const QString& path);

// Runs work and returns what it wrote to standard output.
QString captureStandardOutput(const std::function<void()>& work);

// Widget tests get a QApplication; controller tests, which link no widgets, a QGuiApplication.
#ifdef QT_WIDGETS_LIB
#include <QApplication>
using TestApplication = QApplication;
#else
using TestApplication = QGuiApplication;
#endif

#define MORVI_TEST_MAIN(TestObject)                                                                \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        TestHome home;                                                                             \
        TestApplication app(argc, argv);                                                           \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
