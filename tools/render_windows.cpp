// Renders each window in the light and the dark look as FOLDER/<window>-<look>.png, and
// drawn for a 2× screen as FOLDER/<window>-<look>-2x.png. Runs offscreen, in a home of
// its own, so that no real queue, settings or tools are read.
#include "DarkPalette.h"
#include "FakeToolInstaller.h"
#include "QueueTesting.h"
#include "RecordingDialogs.h"
#include "ScriptedEngine.h"
#include "TestHome.h"
#include "core/app/Translations.h"
#include "core/cutter/MediaCutterViewModel.h"
#include "core/installer/SigningKey.h"
#include "core/preferences/PreferencesViewModel.h"
#include "core/single/MainWindowViewModel.h"
#include "core/toolstore/FileManagerHelper.h"
#include "core/toolstore/ToolFinding.h"
#include "gui/app/AboutView.h"
#include "gui/cutter/MediaCutterView.h"
#include "gui/preferences/PreferencesView.h"
#include "gui/queue/BulkDownloadView.h"
#include "gui/single/MainWindowView.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>

namespace {

bool save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    QCoreApplication::processEvents(); // what the next turn of the event loop would show
    bool saved = true;
    for (const auto& [look, palette] : {std::pair{"light", QPalette()}, {"dark", darkPalette()}}) {
        window.setPalette(palette);
        QCoreApplication::processEvents();
        for (const auto& [scale, suffix] : {std::pair{1, ""}, {2, "-2x"}}) {
            QPixmap picture(window.size() * scale);
            picture.setDevicePixelRatio(scale);
            window.render(&picture);
            saved =
                picture.save(QString("%1/%2-%3%4.png").arg(folder, name, look, suffix)) && saved;
        }
    }
    return saved;
}

// One item of each status in the stored queue.
void storeQueue() {
    QList<BulkDownloadItem> items;
    for (const DownloadStatus status : allDownloadStatuses)
        items << QueueTesting::item("https://youtu.be/" + rawValue(status), status,
                                    status == DownloadStatus::completed ? 100 : 0);
    QueueTesting::storeItems(items);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestHome home;
    QApplication app(argc, argv);
    // In the language the environment asks for, LANGUAGE=de for German.
    const Translations translations;
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_windows FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    RecordingDialogs dialogs;
    bool saved = true;

    auto engine = std::make_unique<ScriptedEngine>();
    ScriptedEngine* downloads = engine.get();
    MainWindowView main(std::make_shared<FakeToolInstaller>(), &dialogs, nullptr,
                        std::move(engine));
    main.resize(760, 760);
    main.viewModel()->setUrlText("https://www.youtube.com/watch?v=abc");
    saved = save(main, folder, "main-window-idle") && saved;
    main.viewModel()->startDownload();
    downloads->log("[youtube] abc: Downloading webpage\n");
    downloads->progress(DownloadProgress{42.4, 48 * 1048576.0, false, 2.1 * 1048576, 17});
    saved = save(main, folder, "main-window-downloading") && saved;
    main.viewModel()->stopDownload();

    storeQueue();
    BulkDownloadView queue(&dialogs);
    queue.viewModel()->setUrlsText("https://youtu.be/next-one\n");
    queue.resize(900, 800);
    saved = save(queue, folder, "bulk-download") && saved;

    MediaCutterView cutter(&dialogs);
    cutter.resize(600, 760);
    cutter.viewModel().setSelectedFilePath(QDir::homePath() + "/long.wav");
    cutter.viewModel().setStartTime("00:10:00");
    cutter.viewModel().addLogMessage("Ready to cut long.wav");
    saved = save(cutter, folder, "media-cutter") && saved;

    // As a tool check that installed the runtime and a verified downloader leaves them.
    const FileManagerHelper tools;
    FakeTools::installOne("yt-dlp");
    ToolFinding{{{}, tools.ytDlpPath, "2023.03.04", SigningKey::ytDlpRelease().fingerprint},
                {"deno", tools.jsRuntimePath, "2.5.6"}}
        .write(tools.toolsFolderPath);
    AboutView about(&dialogs);
    const auto* downloader = about.findChild<QLabel*>("toolCredityt-dlp");
    saved = QTest::qWaitFor([downloader] { return downloader->text().contains("2023"); }) && saved;
    saved = save(about, folder, "about") && saved;

    // Two Firefox profiles, the second chosen; a file refused.
    writeFile(QDir::homePath() + "/.mozilla/firefox/profiles.ini",
              "[Profile0]\nName=default-release\nPath=a\n[Profile1]\nName=work\nPath=b\n");
    for (const char* profile : {"a", "b"})
        QDir().mkpath(QDir::homePath() + "/.mozilla/firefox/" + profile);
    PreferencesView preferences(&dialogs);
    PreferencesViewModel* choices = preferences.viewModel();
    saved = QTest::qWaitFor([choices] { return !choices->lookingForBrowsers(); }) && saved;
    choices->chooseCookieSource(1);
    choices->chooseProfile(1);
    choices->useCookiesFile(QDir::homePath() + "/missing/cookies.txt");
    // Every page, with options chosen and a template refused.
    choices->setRateLimit(true, 2.5);
    choices->setFileNameTemplate("%(uploader)s - %(title)");
    choices->setSubtitles(DownloadOptions::Subtitles::embedded);
    choices->setSubtitleLanguages("en, de");
    choices->setSponsorBlock(DownloadOptions::SponsorBlock::remove);
    auto* pages = preferences.findChild<QTabWidget*>();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        saved = save(preferences, folder, QString("preferences-%1").arg(page + 1)) && saved;
    }
    return saved ? 0 : 1;
}
