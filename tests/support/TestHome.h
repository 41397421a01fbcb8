#pragma once

#include <QGuiApplication>
#include <QtTest> // all of QtCore too
#include <functional>

// HOME and the XDG folders in a fresh temporary folder, set before Qt reads them.
class TestHome {
public:
    TestHome();
    QString path() const { return dir.path(); }

private:
    QTemporaryDir dir;
};

namespace FakeTools {
// The fake "yt-dlp" and "ffmpeg", put into Morvi's tools folder unless told another.
void install();
void installOne(const QString& name, const QString& folder = {});
// Sets the given FAKE_* variables and clears all others.
void configure(const QHash<QString, QString>& variables = {});
QStringList recordedArguments(const QString& argsFile);
// The pid a fake wrote into pidFile (FAKE_PID_FILE and the like); 0 when none came in 5 s.
qint64 waitForChildPid(const QString& pidFile);
} // namespace FakeTools

// PATH while it lives: the test decides which tools the system has.
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

bool waitForProcessGone(qint64 pid);
bool processIsAlive(qint64 pid);

// Removes the named settings files (Morvi, MorviPreferences, ...), as on a new machine.
void removeSettings(const QStringList& applications);

// Preferences as their settings file holds them under their keys; the others at their defaults.
void storePreferences(const QHash<QString, QString>& values);

// Makes the file's folder too; returns the path.
QString writeFile(const QString& path, const QByteArray& bytes);
QByteArray contentOf(const QString& path);
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
        QLocale::setDefault(QLocale::c()); /* numbers as the tests expect, on any machine */       \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
