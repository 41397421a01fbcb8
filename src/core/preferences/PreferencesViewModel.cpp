#include "PreferencesViewModel.h"

#include "CookieCheck.h"
#include "PreferencesStorage.h"
#include "core/desktop/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrentRun>

PreferencesViewModel::PreferencesViewModel(Dialogs& dialogs, QObject* parent,
                                           std::unique_ptr<KeyValueStore> store,
                                           const BrowserProfiles::Folders& folders)
    : QObject(parent)
    , dialogs(dialogs)
    , store(store ? std::move(store) : PreferencesStorage::open())
    , writer(*this->store)
    , chosen(PreferencesStorage::read(*this->store))
    , problem(CookieCheck::problem(chosen.cookies).value_or("")) {
    // Ends with the controller: a late result finds no one to tell.
    auto* search = new QFutureWatcher<QList<InstalledBrowser>>(this);
    connect(search, &QFutureWatcherBase::finished, this, [this, search] {
        takeBrowsers(search->result());
        search->deleteLater();
    });
    search->setFuture(QtConcurrent::run([folders] { return BrowserProfiles::find(folders); }));
}

PreferencesViewModel::~PreferencesViewModel() = default;

void PreferencesViewModel::takeBrowsers(const QList<InstalledBrowser>& found) {
    browsers = found;
    looking = false;
    emit cookiesChanged();
}

qsizetype PreferencesViewModel::chosenBrowser() const {
    const CookieSource& cookies = chosen.cookies;
    for (qsizetype i = 0; i < browsers.size(); ++i) {
        for (const BrowserProfile& profile : browsers[i].profiles) {
            if (browsers[i].browser == cookies.browser && profile.path == cookies.profile)
                return i;
        }
    }
    return -1;
}

bool PreferencesViewModel::listsChosenApart() const {
    return chosen.cookies.kind == CookieSource::Kind::browser && chosenBrowser() < 0;
}

QStringList PreferencesViewModel::cookieSources() const {
    QStringList sources{tr("None")};
    for (const InstalledBrowser& installed : browsers)
        sources << BrowserProfiles::label(installed);
    if (listsChosenApart()) {
        const QString name = BrowserProfiles::productName(chosen.cookies.browser);
        sources << (problem.isEmpty() ? name : tr("%1 (not found)").arg(name));
    }
    return sources << tr("A cookies.txt file");
}

int PreferencesViewModel::cookieSourceIndex() const {
    switch (chosen.cookies.kind) {
    case CookieSource::Kind::browser:
        return static_cast<int>(listsChosenApart() ? browsers.size() : chosenBrowser()) + 1;
    case CookieSource::Kind::file:
        return static_cast<int>(cookieSources().size()) - 1;
    case CookieSource::Kind::none:
        break;
    }
    return 0;
}

QStringList PreferencesViewModel::profiles() const {
    const qsizetype browser = chosenBrowser();
    QStringList names;
    if (browser >= 0 && browsers[browser].profiles.size() > 1) {
        for (const BrowserProfile& profile : browsers[browser].profiles)
            names << profile.name;
    }
    return names;
}

int PreferencesViewModel::profileIndex() const {
    const qsizetype browser = chosenBrowser();
    if (browser < 0)
        return -1;
    const QList<BrowserProfile>& known = browsers[browser].profiles;
    for (qsizetype i = 0; i < known.size(); ++i) {
        if (known[i].path == chosen.cookies.profile)
            return static_cast<int>(i);
    }
    return -1;
}

void PreferencesViewModel::chooseCookieSource(int index) {
    if (index == cookieSourceIndex())
        return;
    if (index == 0)
        setCookies({});
    else if (index <= browsers.size())
        setCookies(CookieSource::fromBrowser(browsers[index - 1].browser,
                                             browsers[index - 1].profiles.first().path));
    else if (index == cookieSources().size() - 1)
        chooseCookiesFile();
}

void PreferencesViewModel::chooseProfile(int index) {
    const qsizetype browser = chosenBrowser();
    if (browser >= 0 && index >= 0 && index < browsers[browser].profiles.size())
        setCookies(CookieSource::fromBrowser(browsers[browser].browser,
                                             browsers[browser].profiles[index].path));
}

void PreferencesViewModel::chooseCookiesFile() {
    const QString start =
        chosen.cookies.file.isEmpty() ? QDir::homePath() : QFileInfo(chosen.cookies.file).path();
    const QString path = dialogs.chooseFile(start, tr("Cookies files (*.txt);;All files (*)"));
    if (path.isEmpty())
        emit cookiesChanged(); // the view shows the source that stays
    else
        useCookiesFile(path);
}

void PreferencesViewModel::useCookiesFile(const QString& path) {
    if (const std::optional<QString> unfit = CookieCheck::fileProblem(path)) {
        refusal = *unfit;
        emit cookiesChanged();
        return;
    }
    setCookies(CookieSource::fromFile(QFileInfo(path).absoluteFilePath()));
}

void PreferencesViewModel::setCookies(const CookieSource& source) {
    refusal.clear();
    if (chosen.cookies != source) {
        chosen.cookies = source;
        PreferencesStorage::write(writer, chosen);
        problem = CookieCheck::problem(source).value_or("");
    }
    emit cookiesChanged();
}
