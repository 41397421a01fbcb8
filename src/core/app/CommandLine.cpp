#include "CommandLine.h"

#include "BuildInfo.h"
#include "core/text/WebAddress.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

// Qt's standard options, which QApplication takes out of the command line itself.
const QStringList qtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin",      "qwindowgeometry",
    "geometry", "qwindowtitle",       "title",         "qwindowicon", "session",
    "style",    "stylesheet",         "display",       "name",        "visual"};
const QStringList qtFlags = {"reverse", "testability", "widgetcount", "nograb", "dograb"};

void addQtOptions(QCommandLineParser& parser) {
    for (const QString& name : qtOptionsWithValue) {
        QCommandLineOption option(name, QString(), "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : qtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

CommandLine::CommandLine(Action action, const QString& error, const QStringList& addresses)
    : chosen(action)
    , problem(error)
    , urls(addresses) {}

CommandLine CommandLine::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-platform"), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);

    if (!parser.parse(arguments))
        return {Action::Refuse, parser.errorText()};
    const QStringList addresses = parser.positionalArguments();
    for (const QString& address : addresses) {
        if (!isWebAddress(address))
            return {Action::Refuse, tr("'%1' is not a web address (http or https).").arg(address)};
    }
    if (parser.isSet(help))
        return {Action::ShowHelp, QString()};
    if (parser.isSet(version))
        return {Action::ShowVersion, QString()};
    return {Action::OpenWindows, QString(), addresses};
}

int CommandLine::answer() const {
    switch (chosen) {
    case Action::ShowHelp:
        QTextStream(stdout) << usage();
        return 0;
    case Action::ShowVersion:
        QTextStream(stdout) << versionLine() << '\n';
        return 0;
    case Action::Refuse:
        QTextStream(stderr) << "morvi: " << problem << "\n\n" << usage();
        return 2;
    case Action::OpenWindows:
        break;
    }
    return 0;
}

QString CommandLine::usage() {
    return tr("Usage: morvi [--help | --version] [ADDRESS...]\n"
              "\n"
              "Morvi downloads online videos and their audio with yt-dlp and ffmpeg,\n"
              "keeps a download queue and cuts media files. Started without options,\n"
              "it opens its main window. One web address (http or https) goes into the\n"
              "main window's address field; two or more go into the queue window's\n"
              "address box. Nothing starts downloading by itself. When Morvi runs\n"
              "already, its running window takes the addresses.\n"
              "\n"
              "Options:\n"
              "  -h, --help   Show this help and exit.\n"
              "  --version    Show the version and exit.\n"
              "\n"
              "Qt's standard options, such as -platform and -style, are accepted too.\n");
}

QString CommandLine::versionLine() {
    //: The answer to --version: the version and the build's number.
    return tr("Morvi %1 (build %2)").arg(BuildInfo::version(), BuildInfo::buildNumber());
}
