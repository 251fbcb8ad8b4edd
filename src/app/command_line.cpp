#include "app/command_line.h"
#include "ui/message_box.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#ifndef TAVU_VERSION
#define TAVU_VERSION "0"
#endif

namespace app {

namespace {

// Qt's own options, with or without a value, which QApplication takes from
// the command line itself.
const char* const kQtValueOptions[] = {"platform",        "platformpluginpath",
                                       "platformtheme",   "plugin",
                                       "display",         "style",
                                       "stylesheet",      "geometry",
                                       "qwindowgeometry", "qwindowtitle",
                                       "qwindowicon",     "session"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString expand_home(const QString& folder) {
    if (folder == QStringLiteral("~")) return QDir::homePath();
    if (folder.startsWith(QStringLiteral("~/"))) return QDir::homePath() + folder.mid(1);
    return folder;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

void name_program() {
    QCoreApplication::setApplicationName(QStringLiteral("tavu"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVU_VERSION));
}

CommandLine read_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("TAVU: collects money from colleagues (集金管理システム ＴＡＶＵ)."));
    // Qt's options are written with one dash and whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QStringLiteral("Work in <folder>, made when missing (default: the current folder)."),
        QStringLiteral("folder"));
    parser.addOption(folder);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine line;
    if (!parser.parse(arguments)) {
        print(stderr, parser.errorText() + QStringLiteral("\n"));
        line.run = false;
        line.exit_code = 2;
        return line;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object yet the parser does not know the
        // program's name.
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QCoreApplication::applicationName()));
        line.run = false;
        return line;
    }
    if (parser.isSet(version)) {
        print(stdout, QCoreApplication::applicationName() + QStringLiteral(" ") +
                          QCoreApplication::applicationVersion() + QStringLiteral("\n"));
        line.run = false;
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("Unexpected argument: %1\n")
                          .arg(parser.positionalArguments().constFirst()));
        line.run = false;
        line.exit_code = 2;
        return line;
    }
    if (parser.isSet(folder)) line.folder = expand_home(parser.value(folder));
    return line;
}

bool enter_working_folder(const QString& folder) {
    if (folder.isEmpty()) return true;
    if (QDir().mkpath(folder) && QDir::setCurrent(folder)) return true;
    ui::msg_box(QStringLiteral("作業フォルダの 「%1」 が 使われへんネン ！").arg(folder) +
                    QStringLiteral("\r\n\r\n") +
                    QStringLiteral("フォルダの 場所と 書き込みの 許可を 見てや ！"),
                ui::Icon::Critical);
    return false;
}

} // namespace app
