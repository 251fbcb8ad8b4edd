#include "app/command_line.h"
#include "ui/message_box.h"
#include "ui/report_output.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#ifndef TAVU_VERSION
#define TAVU_VERSION "0"
#endif

namespace app {

using ui::kExitWrongArgument;

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

namespace {

const char kExitStatuses[] = R"(
Without --pdf, --print or --csv the window opens on the book of the working
folder. With one of them there is no window: the book in FOLDER (default the
current folder) is read as it lies, no data file is ever written, and the
output appears whole or not at all.
  tavu --pdf summary|statements|unpaid|receipts|reminders [--out FILE] [FOLDER]
  tavu --print summary|statements|unpaid|receipts|reminders [FOLDER]
  tavu --pdf statements|receipts|reminders --each DIR [FOLDER]
  tavu --pdf|--print receipts [--date YYYY-MM-DD] [FOLDER]
  tavu --csv [payments] [--out FILE] [FOLDER]
  tavu --pdf periods|--csv periods [--from NAME] [--to NAME] [--out FILE] [FOLDER]
--csv payments writes the payments record (集金チェック) instead of the book's
table: a row per member and item with what is owed and received, the date
and the state.
The report periods is the year's totals over the past periods in FOLDER's
kako/ (NAME an archive's folder name), from the oldest to the current period
unless --from and --to say otherwise. The report unpaid (未収一覧) lists the
members who still owe, by roster position. The report receipts (領収書) is a
receipt per member for what came in over the period (with --date only on
that day); reminders (お支払いのお願い) is a slip per member who still owes,
with the line on how to pay kept in ~/.config/tavu/tavu.conf (the window asks
for it). --each DIR writes one PDF per member into DIR (made when missing),
named by number and name (03_佐藤一郎.pdf), never over a file.
Without --out a PDF or CSV goes into FOLDER, named by report and time
(summary-20261208-153000.pdf, book-20261208-153000.csv,
payments-20261208-153000.csv, receipts-..., reminders-...), never over a
file.

Exit status:
  0  done
  1  the working folder cannot be made or entered (window)
  2  a wrong argument
  3  no data file in the folder (or no such folder)
  4  the data file is damaged, cannot be read, or is no book (not a regular
     file, or over 1 MiB)
  5  the output cannot be written (or --out names no regular file)
  6  no printer is installed (--print; use --pdf)
  7  the printer refused the document
  8  nothing to report: nobody owes (unpaid, reminders) or nobody paid
     (receipts, on that day with --date); nothing is made
)";

// Names that hold a book: --out never writes over one.
bool is_data_file_name(const QString& path) {
    static const QStringList names{"allitem.hrm",  "allitem.dat", "allitem.ngs",
                                   "allitem1.hrm", "allitem.sne", "allitem.bak"};
    return names.contains(QFileInfo(path).fileName(), Qt::CaseInsensitive);
}

CommandLine wrong(const QString& message) {
    print(stderr, QStringLiteral("tavu: %1 (tavu --help lists the options)\n").arg(message));
    CommandLine line;
    line.run = false;
    line.exit_code = kExitWrongArgument;
    return line;
}

} // namespace

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
        QStringLiteral("Work in <folder>, made when missing (default: the current folder). "
                       "With --pdf, --print or --csv: the book's folder, which must exist "
                       "(status 3 otherwise)."),
        QStringLiteral("folder"));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QStringLiteral("Write <report> (summary, statements, unpaid, receipts or reminders) of "
                       "the book as a PDF."),
        QStringLiteral("report"));
    const QCommandLineOption to_printer(
        QStringLiteral("print"),
        QStringLiteral("Print <report> (summary, statements, unpaid, receipts or reminders) on "
                       "the default printer."),
        QStringLiteral("report"));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 QStringLiteral("Write the book (or, followed by payments, the "
                                                "payments record) as a CSV table (UTF-8)."));
    const QCommandLineOption out(QStringLiteral("out"),
                                 QStringLiteral("Write the PDF or CSV to <file>, replacing it."),
                                 QStringLiteral("file"));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("periods: start at the archive <name>."),
                                  QStringLiteral("name"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("periods: end at the archive <name>."),
                                QStringLiteral("name"));
    const QCommandLineOption each(
        QStringLiteral("each"),
        QStringLiteral("--pdf statements, receipts or reminders: one PDF per member into <dir>."),
        QStringLiteral("dir"));
    const QCommandLineOption date(
        QStringLiteral("date"),
        QStringLiteral("receipts: only what came in on <date> (YYYY-MM-DD)."),
        QStringLiteral("date"));
    parser.addOptions({folder, pdf, to_printer, csv, out, from, to, each, date});
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
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("With --pdf, --print or --csv: the book's folder."),
                                 QStringLiteral("[FOLDER]"));

    CommandLine line;
    if (!parser.parse(arguments)) return wrong(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object yet the parser does not know the
        // program's name.
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QCoreApplication::applicationName()) +
                          QString::fromUtf8(kExitStatuses));
        line.run = false;
        return line;
    }
    if (parser.isSet(version)) {
        print(stdout, QCoreApplication::applicationName() + QStringLiteral(" ") +
                          QCoreApplication::applicationVersion() + QStringLiteral("\n"));
        line.run = false;
        return line;
    }

    using Output = CommandLine::Output;
    int outputs = 0;
    for (const auto& [option, output] :
         {std::pair{&pdf, Output::Pdf}, {&to_printer, Output::Print}, {&csv, Output::Csv}}) {
        if (!parser.isSet(*option)) continue;
        ++outputs;
        line.output = output;
        if (output == Output::Csv) continue;
        const QString report = parser.value(*option);
        if (report == QStringLiteral("summary"))
            line.report = Report::Summary;
        else if (report == QStringLiteral("statements"))
            line.report = Report::Statements;
        else if (report == QStringLiteral("unpaid"))
            line.report = Report::Unpaid;
        else if (report == QStringLiteral("receipts"))
            line.report = Report::Receipts;
        else if (report == QStringLiteral("reminders"))
            line.report = Report::Reminders;
        else if (report == QStringLiteral("periods"))
            line.periods = true;
        else
            return wrong(QStringLiteral("unknown report \"%1\": summary, statements, unpaid, "
                                        "receipts, reminders or periods")
                             .arg(report));
    }
    if (outputs > 1 || parser.values(pdf).size() + parser.values(to_printer).size() > 1)
        return wrong(QStringLiteral("one of --pdf, --print and --csv, once"));

    QStringList positional = parser.positionalArguments();
    // --csv takes no report, but "periods" or "payments" right after it
    // names one.
    if (line.output == Output::Csv && !positional.isEmpty()) {
        line.periods = positional.constFirst() == QStringLiteral("periods");
        line.payments = positional.constFirst() == QStringLiteral("payments");
        if (line.periods || line.payments) positional.removeFirst();
    }
    if ((parser.isSet(from) || parser.isSet(to)) && !line.periods)
        return wrong(QStringLiteral("--from and --to go with the report periods"));
    const bool papers = line.output == Output::Pdf && !line.periods &&
                        (line.report == Report::Statements || line.report == Report::Receipts ||
                         line.report == Report::Reminders);
    if (parser.isSet(each)) {
        if (!papers)
            return wrong(
                QStringLiteral("--each goes with --pdf statements, receipts or reminders"));
        if (parser.isSet(out)) return wrong(QStringLiteral("--each or --out, not both"));
        if (parser.value(each).isEmpty()) return wrong(QStringLiteral("--each needs a folder"));
        // Taken from where the command was typed, before moving to FOLDER.
        line.each = QFileInfo(expand_home(parser.value(each))).absoluteFilePath();
    }
    if (parser.isSet(date)) {
        if (line.output == Output::Csv || line.periods || line.report != Report::Receipts)
            return wrong(QStringLiteral("--date goes with the report receipts"));
        line.day = QDate::fromString(parser.value(date), Qt::ISODate);
        if (!line.day.isValid())
            return wrong(
                QStringLiteral("--date %1 is no day (YYYY-MM-DD)").arg(parser.value(date)));
    }
    line.from = parser.value(from);
    line.to = parser.value(to);
    if (line.output == Output::Window) {
        if (!positional.isEmpty())
            return wrong(QStringLiteral("unexpected argument: %1").arg(positional.constFirst()));
        if (parser.isSet(out)) return wrong(QStringLiteral("--out goes with --pdf or --csv"));
    } else {
        if (positional.size() + (parser.isSet(folder) ? 1 : 0) > 1)
            return wrong(QStringLiteral("one folder only"));
        if (parser.isSet(out)) {
            if (line.output == Output::Print)
                return wrong(QStringLiteral("--out goes with --pdf or --csv"));
            const QString file = parser.value(out);
            if (file.isEmpty()) return wrong(QStringLiteral("--out needs a file name"));
            if (is_data_file_name(file))
                return wrong(QStringLiteral("--out %1 would overwrite a data file").arg(file));
            // Taken from where the command was typed, before moving to FOLDER.
            line.out = QFileInfo(expand_home(file)).absoluteFilePath();
        }
        if (!positional.isEmpty()) line.folder = expand_home(positional.constFirst());
    }
    if (parser.isSet(folder)) line.folder = expand_home(parser.value(folder));
    return line;
}

bool enter_working_folder(const QString& folder) {
    if (folder.isEmpty()) return true;
    if (QDir().mkpath(folder) && QDir::setCurrent(folder)) return true;
    ui::msg_box(QStringLiteral("作業フォルダの 「%1」 が 使われへんネン ！").arg(folder) +
                    ui::kGap + QStringLiteral("フォルダの 場所と 書き込みの 許可を 見てや ！"),
                ui::Icon::Critical);
    return false;
}

} // namespace app
