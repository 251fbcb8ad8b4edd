// The program's options: the working folder (from the menu "~/TAVU"), the
// answers that end the program at once, and Qt's own options let through.
#include "app/command_line.h"
#include "support/temp_workdir.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFile>

namespace {

TEST(CommandLine, OptionsGiveTheFolderOrEndTheProgram) {
    struct Case {
        QStringList arguments;
        bool run;
        int exit_code;
        QString folder;
    };
    const QString home = QDir::homePath();
    const Case cases[] = {
        {{}, true, 0, {}},
        {{"--folder", "kako/2026-12"}, true, 0, "kako/2026-12"},
        {{"--folder=/srv/集金"}, true, 0, "/srv/集金"},
        {{"--folder", "~/TAVU"}, true, 0, home + "/TAVU"}, // as the desktop menu starts it
        {{"--folder", "~"}, true, 0, home},
        {{"--folder", "~other/x"}, true, 0, "~other/x"},
        {{"-platform", "offscreen", "-style", "fusion", "-reverse"}, true, 0, {}},
        {{"--version"}, false, 0, {}},
        {{"-v"}, false, 0, {}},
        {{"--help"}, false, 0, {}},
        {{"--bogus"}, false, 2, {}},
        {{"--folder"}, false, 2, {}},
        {{"somefile"}, false, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const app::CommandLine line = app::read_command_line(QStringList{"tavu"} + c.arguments);
        EXPECT_EQ(line.run, c.run);
        EXPECT_EQ(line.exit_code, c.exit_code);
        EXPECT_EQ(line.folder, c.folder);
    }
}

TEST(CommandLine, ReportOptionsNameOutputReportFileAndFolder) {
    using Output = app::CommandLine::Output;
    struct Case {
        QStringList arguments;
        int exit_code;
        Output output;
        Report report;
        QString out; // relative to the folder the command was typed in
        QString folder;
    };
    const Case cases[] = {
        {{"--pdf", "summary"}, 0, Output::Pdf, Report::Summary, {}, {}},
        {{"--pdf", "statements", "--out", "a.pdf", "kako"},
         0,
         Output::Pdf,
         Report::Statements,
         "a.pdf",
         "kako"},
        {{"--print", "summary", "~/TAVU"},
         0,
         Output::Print,
         Report::Summary,
         {},
         QDir::homePath() + "/TAVU"},
        {{"--csv", "--out=表.csv", "--folder", "x"},
         0,
         Output::Csv,
         Report::Summary,
         "表.csv",
         "x"},
        {{"--print", "unpaid", "x"}, 0, Output::Print, Report::Unpaid, {}, "x"},
        {{"--pdf", "total"}, 2, Output::Window, Report::Summary, {}, {}},
        {{"--pdf"}, 2, Output::Window, Report::Summary, {}, {}},
        {{"--pdf", "summary", "--csv"}, 2, Output::Window, Report::Summary, {}, {}},
        {{"--pdf", "summary", "--pdf", "summary"}, 2, Output::Window, Report::Summary, {}, {}},
        {{"--print", "summary", "--out", "a.pdf"}, 2, Output::Window, Report::Summary, {}, {}},
        {{"--out", "a.pdf"}, 2, Output::Window, Report::Summary, {}, {}},
        {{"--csv", "a", "b"}, 2, Output::Window, Report::Summary, {}, {}},
        {{"--csv", "--folder", "a", "b"}, 2, Output::Window, Report::Summary, {}, {}},
        // Never over a data file, whatever its folder or spelling.
        {{"--csv", "--out", "kako/ALLITEM.HRM"}, 2, Output::Window, Report::Summary, {}, {}},
        {{"--pdf", "summary", "--out", "allitem.ngs"}, 2, Output::Window, Report::Summary, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const app::CommandLine line = app::read_command_line(QStringList{"tavu"} + c.arguments);
        EXPECT_EQ(line.run, c.exit_code == 0);
        EXPECT_EQ(line.exit_code, c.exit_code);
        if (!line.run) continue;
        EXPECT_EQ(line.output, c.output);
        EXPECT_EQ(line.report, c.report);
        EXPECT_EQ(line.out, c.out.isEmpty() ? QString() : QDir::current().absoluteFilePath(c.out));
        EXPECT_EQ(line.folder, c.folder);
    }
}

using WorkingFolder = TempWorkdir;

TEST_F(WorkingFolder, IsMadeWhenMissingAndEnteredOrRefusedWithAMessage) {
    ui::MessageScript script;
    const QString start = QDir::currentPath();
    EXPECT_TRUE(app::enter_working_folder(QString()));
    EXPECT_EQ(QDir::currentPath(), start);

    EXPECT_TRUE(app::enter_working_folder(QStringLiteral("TAVU/kako")));
    EXPECT_EQ(QDir::currentPath(), start + QStringLiteral("/TAVU/kako"));
    EXPECT_TRUE(app::enter_working_folder(start + QStringLiteral("/TAVU"))); // there already
    EXPECT_EQ(QDir::currentPath(), start + QStringLiteral("/TAVU"));
    EXPECT_TRUE(script.shown.empty());

    // A file where the folder should be.
    QDir::setCurrent(start);
    write_bytes(QStringLiteral("plain"), "x");
    EXPECT_FALSE(app::enter_working_folder(QStringLiteral("plain")));
    EXPECT_EQ(QDir::currentPath(), start);
    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_TRUE(script.shown[0].text.contains(QStringLiteral("plain")));
    EXPECT_EQ(script.shown[0].icon, ui::Icon::Critical);
}

} // namespace
