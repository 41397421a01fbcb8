#include "FakeToolInstaller.h"
#include "RecordingDialogs.h"
#include "Renders.h"
#include "TestHome.h"
#include "platform/LogModel.h"
#include "single/MainWindowView.h"
#include "single/MainWindowViewModel.h"
#include "widgets/LogView.h"
#include "widgets/LogoImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

class TestMainWindowView : public QObject {
    Q_OBJECT
    RecordingDialogs dialogs;
    std::unique_ptr<MainWindowView> view;

    MainWindowViewModel& model() { return *view->viewModel(); }

    template <typename T = QWidget> T* find(const QString& name) {
        T* widget = view->findChild<T*>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }

    QPushButton* button(const QString& text) {
        for (QPushButton* candidate : view->findChildren<QPushButton*>()) {
            if (candidate->text() == text)
                return candidate;
        }
        qFatal("no button %s", qPrintable(text));
    }

    bool waitForToolCheck() {
        return QTest::qWaitFor(
            [&] { return model().logMessages()->entries().last().endsWith("check completed."); },
            5000);
    }

    // Starts a download that runs until stopped, with some log lines and progress.
    void startLongDownload(const QString& progress) {
        QVERIFY(waitForToolCheck());
        FakeTools::install();
        FakeTools::configure(
            {{"FAKE_STDERR", "[youtube] Extracting URL: https://www.youtube.com/watch?v=abc\\n"
                             "[youtube] abc: Downloading webpage\\n"},
             {"FAKE_PROGRESS", progress},
             {"FAKE_SLEEP", "30"}});
        model().setUrlText("https://www.youtube.com/watch?v=abc");
        QTest::mouseClick(button("Download"), Qt::LeftButton);
    }

    bool waitForProgress(double value) {
        return QTest::qWaitFor([&] { return model().downloadProgress() == value; }, 5000);
    }

    void stopAndSettle() {
        model().stopDownload();
        QVERIFY(QTest::qWaitFor([&] { return !dialogs.alerts.isEmpty(); }, 5000));
    }

    // The controls that take clicks, by name or button text; "playlists" is the switch.
    QStringList enabledControls() {
        QStringList enabled;
        for (const char* name : {"urlField", "outputField", "formatMP3", "formatMP4", "formatM4A",
                                 "Audio Quality", "Video Quality"}) {
            if (find(name)->isEnabled())
                enabled << name;
        }
        for (const char* text :
             {"Browse", "Download", "Stop", "Bulk Download", "Media Cutter", "About"}) {
            if (button(text)->isEnabled())
                enabled << text;
        }
        if (view->findChild<QCheckBox*>()->isEnabled())
            enabled << "playlists";
        return enabled;
    }

private slots:
    void init() {
        FakeTools::configure();
        dialogs = RecordingDialogs();
        view = std::make_unique<MainWindowView>(std::make_shared<FakeToolInstaller>(), &dialogs);
        view->resize(760, 760);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    void cleanup() { view.reset(); }

    void showsTheInitialChoices() {
        QVERIFY(find<QPushButton>("formatMP3")->isChecked());
        QVERIFY(!find<QPushButton>("formatMP4")->isChecked());
        QVERIFY(find("Audio Quality")->isVisible());
        QVERIFY(!find("Video Quality")->isVisible());
        QCOMPARE(find<QComboBox>("Audio Quality")->currentText(), "192k");
        QCOMPARE(find<QComboBox>("Video Quality")->currentText(), "1080p");
        QCOMPARE(find<QLineEdit>("outputField")->text(), QDir::homePath() + "/Downloads");
        QCOMPARE(find<QLineEdit>("urlField")->placeholderText(), "Enter YouTube URL here...");
        QCOMPARE(find<QLineEdit>("outputField")->placeholderText(), "Output folder path");
        QVERIFY(!find("progressBlock")->isVisible());
    }

    void controlsFollowTheBusyFlag() {
        const QStringList idle{"urlField",  "outputField",   "formatMP3",     "formatMP4",
                               "formatM4A", "Audio Quality", "Video Quality", "Browse",
                               "Download",  "Bulk Download", "Media Cutter",  "About",
                               "playlists"};
        model().setUrlText("https://youtu.be/abc");
        QCOMPARE(enabledControls(), idle);

        startLongDownload("10");
        QVERIFY(model().isDownloading());
        QCOMPARE(enabledControls(),
                 (QStringList{"Stop", "Bulk Download", "Media Cutter", "About", "playlists"}));
        QVERIFY(find("progressBlock")->isVisible());

        QTest::mouseClick(button("Stop"), Qt::LeftButton);
        QVERIFY(!model().isDownloading());
        QVERIFY(!find("progressBlock")->isVisible());
        QCOMPARE(enabledControls(), idle);
        stopAndSettle();
    }

    void downloadButtonNeedsSomeText() {
        QVERIFY(!button("Download")->isEnabled());
        QTest::keyClicks(find<QLineEdit>("urlField"), "   ");
        QCOMPARE(model().urlText(), "   ");
        QVERIFY(button("Download")->isEnabled());
        find<QLineEdit>("urlField")->selectAll();
        QTest::keyClick(find<QLineEdit>("urlField"), Qt::Key_Backspace);
        QCOMPARE(model().urlText(), QString());
        QVERIFY(!button("Download")->isEnabled());
    }

    void qualityPickerSwapsWithTheFormatAndKeepsTheHiddenValue() {
        auto* video = find<QComboBox>("Video Quality");
        auto* audio = find<QComboBox>("Audio Quality");
        QTest::mouseClick(find<QPushButton>("formatMP4"), Qt::LeftButton);
        QCOMPARE(model().selectedFormat(), "MP4");
        QVERIFY(video->isVisible());
        QVERIFY(!audio->isVisible());

        video->setCurrentIndex(video->findText("Highest"));
        emit video->activated(video->currentIndex());
        QCOMPARE(model().selectedVideoQuality(), "Highest Available");

        QTest::mouseClick(find<QPushButton>("formatM4A"), Qt::LeftButton);
        QCOMPARE(model().selectedFormat(), "M4A");
        QVERIFY(audio->isVisible());
        QVERIFY(!video->isVisible());
        QCOMPARE(audio->currentText(), "192k");
        QCOMPARE(model().selectedVideoQuality(), "Highest Available");

        model().setSelectedFormat("MP4");
        QVERIFY(find<QPushButton>("formatMP4")->isChecked());
        QVERIFY(video->isVisible());
        QCOMPARE(video->currentText(), "Highest");
    }

    void pickersShowTheirLabelsForTheStoredValues() {
        auto* video = find<QComboBox>("Video Quality");
        QStringList labels;
        for (int i = 0; i < video->count(); ++i)
            labels << video->itemText(i);
        QCOMPARE(labels, (QStringList{"Best", "Highest", "2160p", "1440p", "1080p", "720p", "480p",
                                      "360p", "Lowest"}));
        model().setSelectedVideoQuality("Lowest Available");
        QCOMPARE(video->currentText(), "Lowest");
        auto* audio = find<QComboBox>("Audio Quality");
        model().setSelectedMp3Quality("320k");
        QCOMPARE(audio->currentText(), "320k");
        QCOMPARE(audio->count(), 6);
    }

    void fieldsSwitchAndBrowseAreBound() {
        QTest::keyClicks(find<QLineEdit>("outputField"), "/x");
        QCOMPARE(model().outputPath(), QDir::homePath() + "/Downloads/x");
        model().setOutputPath("/elsewhere");
        QCOMPARE(find<QLineEdit>("outputField")->text(), "/elsewhere");
        auto* playlists = view->findChild<QCheckBox*>();
        QCOMPARE(playlists->text(), "Download Playlists");
        playlists->click();
        QVERIFY(model().downloadPlaylists());
        model().setDownloadPlaylists(false);
        QVERIFY(!playlists->isChecked());
        dialogs.folderAnswers = QStringList{"/chosen"};
        QTest::mouseClick(button("Browse"), Qt::LeftButton);
        QCOMPARE(find<QLineEdit>("outputField")->text(), "/chosen");
    }

    void progressBlockShowsTruncatedPercent() {
        startLongDownload("99.99");
        QVERIFY(waitForProgress(99.99));
        QCOMPARE(find<QLabel>("progressLabel")->text(), "99%");
        QCOMPARE(view->findChild<QProgressBar*>()->value(), 9999);
        Renders::save(*view, "main-window-downloading-light");
        view->setPalette(Renders::darkPalette());
        Renders::save(*view, "main-window-downloading-dark");
        stopAndSettle();
    }

    void progressBlockIsGoneAfterSuccess() {
        FakeTools::install();
        FakeTools::configure({{"FAKE_PROGRESS", "50"}});
        model().setUrlText("https://youtu.be/abc");
        QTest::mouseClick(button("Download"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return !model().isDownloading(); }, 5000));
        QCOMPARE(model().downloadProgress(), 100.0);
        QVERIFY(!find("progressBlock")->isVisible());
    }

    void toolCheckRunsEachTimeTheWindowAppears() {
        const QString first = "Checking for updates...";
        QVERIFY(waitForToolCheck());
        view->hide();
        view->show();
        QVERIFY(QTest::qWaitFor([&] { return model().logMessages()->rowCount() >= 10; }, 5000));
        QCOMPARE(model().logMessages()->entries().filter(first).size(), 2);
    }

    void headerButtonsAskForTheirWindows() {
        QSignalSpy spy(view.get(), &MainWindowView::openWindowRequested);
        for (const char* text : {"Bulk Download", "Media Cutter", "About", "About"})
            QTest::mouseClick(button(text), Qt::LeftButton);
        QCOMPARE(spy.count(), 4);
        QStringList identifiers;
        for (const QList<QVariant>& call : spy)
            identifiers << call.first().toString();
        QCOMPARE(identifiers, (QStringList{"bulk-download", "media-cutter", "about", "about"}));
    }

    void logoFollowsThePalette() {
        auto* logo = view->findChild<LogoImage*>();
        QCOMPARE(logo->imageName(), "Logo");
        QCOMPARE(logo->size(), QSize(200, 40));
        view->setPalette(Renders::darkPalette());
        QCOMPARE(logo->imageName(), "LogoDark");
        view->setPalette(QPalette());
        QCOMPARE(logo->imageName(), "Logo");
    }

    void multiLineEntryIsOneRow() {
        auto* log = find<LogView>("logView");
        QTRY_VERIFY(model().logMessages()->rowCount() >= 5);
        model().addLogMessage("first line\nsecond line");
        const int row = model().logMessages()->rowCount() - 1;
        QTRY_VERIFY(log->visualRect(row).isValid());
        QCOMPARE(log->visualRect(row).height(), 2 * log->fontMetrics().lineSpacing());
    }

    void rendersIdleWindow() {
        QVERIFY(waitForToolCheck());
        model().setUrlText("https://www.youtube.com/watch?v=abc");
        QVERIFY(Renders::save(*view, "main-window-idle-light"));
        view->setPalette(Renders::darkPalette());
        QVERIFY(Renders::save(*view, "main-window-idle-dark"));
    }
};

MORVI_TEST_MAIN(TestMainWindowView)
#include "tst_mainwindowview.moc"
