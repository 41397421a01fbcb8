#include "TestHome.h"

#include "core/storage/SettingsStore.h"
#include "core/toolstore/FileManagerHelper.h"

#include <cstdio>
#include <unistd.h>

TestHome::TestHome() {
    // A test's own child process shares its parent's home.
    const QString home = qEnvironmentVariable("MORVI_TEST_HOME", dir.path());
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
    qputenv("XDG_CACHE_HOME", (home + "/.cache").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home + "/runtime").toUtf8());
    // A real downloader reaches nothing but 127.0.0.1: other requests go to a closed port.
    for (const char* proxy : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY"})
        qputenv(proxy, "http://127.0.0.1:9");
    qputenv("no_proxy", "127.0.0.1,localhost");
    qputenv("NO_PROXY", "127.0.0.1,localhost");
    QDir(home).mkpath("Downloads");
    QDir(home).mkdir("runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void FakeTools::install() {
    installOne("yt-dlp");
    installOne("ffmpeg");
}

void FakeTools::installOne(const QString& name, const QString& folder) {
    const QString target =
        (folder.isEmpty() ? FileManagerHelper().toolsFolderPath : folder) + "/" + name;
    QFile::remove(target); // it may be a link to a real tool
    writeFile(target, contentOf(QStringLiteral(MORVI_FAKES_DIR) + "/" + name));
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void FakeTools::configure(const QHash<QString, QString>& variables) {
    for (const QString& name : QProcessEnvironment::systemEnvironment().keys())
        if (name.startsWith("FAKE_"))
            qunsetenv(name.toUtf8().constData());
    for (auto it = variables.begin(); it != variables.end(); ++it)
        qputenv(it.key().toUtf8().constData(), it.value().toUtf8());
}

QStringList FakeTools::recordedArguments(const QString& argsFile) {
    QStringList arguments = QString::fromUtf8(contentOf(argsFile)).split(QChar(u'\0'));
    arguments.removeLast(); // each argument ends with a NUL
    return arguments;
}

qint64 FakeTools::waitForChildPid(const QString& pidFile) {
    const bool written = QTest::qWaitFor([&] { return QFile(pidFile).size() > 0; }, 5000);
    return written ? contentOf(pidFile).trimmed().toLongLong() : 0;
}

bool processIsAlive(qint64 pid) {
    // A zombie still answers kill(0); only a running process counts.
    const QByteArray line = contentOf(QString("/proc/%1/stat").arg(pid));
    const qsizetype state = line.lastIndexOf(')') + 2;
    return state < line.size() && line.at(state) != 'Z';
}

bool waitForProcessGone(qint64 pid) {
    return QTest::qWaitFor([pid] { return !processIsAlive(pid); }, 5000);
}

void removeSettings(const QStringList& applications) {
    for (const QString& application : applications)
        QFile::remove(SettingsStore(application).fileName());
}

void storePreferences(const QHash<QString, QString>& values) {
    removeSettings({"MorviPreferences"});
    for (auto value = values.begin(); value != values.end(); ++value)
        SettingsStore("MorviPreferences").setString(value.key(), value.value());
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString captureStandardOutput(const std::function<void()>& work) {
    std::fflush(stdout);
    FILE* capture = std::tmpfile();
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(fileno(capture), STDOUT_FILENO);
    work();
    std::fflush(stdout);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    std::rewind(capture);
    QFile file;
    file.open(capture, QIODevice::ReadOnly);
    const QString printed = QString::fromUtf8(file.readAll());
    std::fclose(capture);
    return printed;
}
