#pragma once

#include "BrowserProfiles.h"
#include "Preferences.h"
#include "core/storage/KeyValueStore.h"
#include "core/storage/StoreWriter.h"

#include <QObject>
#include <QStringList>
#include <memory>

class Dialogs;

// The Preferences window's controller: where the downloader takes its cookies from, chosen
// among the browsers installed for the user, their profiles and a cookies.txt file, and kept
// at once. The browsers are looked for off the main thread when the controller is made; until
// they are found, the stored choice shows alone. A stored choice that can no longer be used
// (its profile or file gone) stays chosen and shows as such, with the reason. Lives on the
// main thread.
class PreferencesViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList cookieSources READ cookieSources NOTIFY cookiesChanged)
    Q_PROPERTY(int cookieSourceIndex READ cookieSourceIndex NOTIFY cookiesChanged)
    Q_PROPERTY(QStringList profiles READ profiles NOTIFY cookiesChanged)
    Q_PROPERTY(int profileIndex READ profileIndex NOTIFY cookiesChanged)
    Q_PROPERTY(QString cookiesFile READ cookiesFile NOTIFY cookiesChanged)
    Q_PROPERTY(bool lookingForBrowsers READ lookingForBrowsers NOTIFY cookiesChanged)
    Q_PROPERTY(QString cookieProblem READ cookieProblem NOTIFY cookiesChanged)

public:
    // Without a store the preferences live in their own settings file; the browsers are looked
    // for in folders.
    explicit PreferencesViewModel(
        Dialogs& dialogs, QObject* parent = nullptr, std::unique_ptr<KeyValueStore> store = {},
        const BrowserProfiles::Folders& folders = BrowserProfiles::Folders::ofUser());
    ~PreferencesViewModel() override;

    const Preferences& preferences() const { return chosen; }

    // "None", each installed browser, the chosen browser when it is not among them, and
    // "A cookies.txt file".
    QStringList cookieSources() const;
    int cookieSourceIndex() const;
    // The chosen browser's profiles when it has several; empty otherwise.
    QStringList profiles() const;
    int profileIndex() const;
    // The chosen cookies.txt file; "" when the source is another.
    QString cookiesFile() const { return chosen.cookies.file; }
    bool lookingForBrowsers() const { return looking; }
    // Why the chosen source cannot be used, or why a file was just refused; "" when neither.
    QString cookieProblem() const { return refusal.isEmpty() ? problem : refusal; }

    // Chooses the source at index of cookieSources; a browser with its default profile first.
    // The file entry asks for a file, and the source stays as it was when none is taken.
    void chooseCookieSource(int index);
    void chooseProfile(int index);
    // Asks for a cookies.txt file; see useCookiesFile.
    void chooseCookiesFile();
    // Takes the file as the source when the downloader can read all of it; refuses it with
    // the reason otherwise, and the source stays as it was.
    void useCookiesFile(const QString& path);

signals:
    void cookiesChanged();

private:
    void takeBrowsers(const QList<InstalledBrowser>& found);
    void setCookies(const CookieSource& source);
    // The index in browsers of the installed browser that holds the chosen profile, or -1.
    qsizetype chosenBrowser() const;
    // Whether cookieSources lists the chosen browser on its own, after the installed ones.
    bool listsChosenApart() const;

    Dialogs& dialogs;
    std::unique_ptr<KeyValueStore> store;
    StoreWriter writer;
    Preferences chosen;
    QList<InstalledBrowser> browsers;
    bool looking = true;
    QString problem;
    QString refusal;
};
