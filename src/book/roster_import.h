#pragma once
// A roster from outside: a CSV file, tab-separated text (what a spreadsheet
// copies) or plain text with one name per line, in UTF-8 (with or without a
// byte-order mark), UTF-16 with its byte-order mark, or code page 932 (what
// spreadsheets in Japan write). Reading decides encoding and format from the
// bytes; the caller may override either. Every name line is checked the way
// name editing checks a typed name.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

enum class RosterEncoding { Utf8, Utf16, Cp932 };
enum class RosterFormat { Csv, Tsv, Lines };

// What can be wrong with one line of the file (bits).
enum RosterFlag : unsigned {
    kRosterTooLong = 1,     // over 12 bytes: stored cut
    kRosterUnencodable = 2, // characters code page 932 cannot hold: not taken
    kRosterDuplicate = 4,   // the same name on an earlier line: not taken
    kRosterBlank = 8,       // no name on the line: not taken
    kRosterNoRoom = 16,     // no free row left in the roster: not taken
};

struct RosterLine {
    int line = 0;        // 1-based line of the file where the record starts
    QString text;        // the names cell, blanks at both ends removed
    QString name;        // the name as the roster would hold it (cut to 12 bytes)
    QString unencodable; // the characters without a code page 932 form
    unsigned flags = 0;
    int slot = -1;     // the member slot it takes (placement), -1 for none
    bool kept = false; // already in the roster: the member keeps the row

    // The line gives a name to a row.
    bool taken() const {
        return (flags & (kRosterUnencodable | kRosterDuplicate | kRosterBlank | kRosterNoRoom)) ==
               0;
    }
};

struct RosterFile {
    RosterEncoding encoding = RosterEncoding::Utf8;
    bool bom = false;
    RosterFormat format = RosterFormat::Lines;
    int column = 0;      // the names column, 0-based
    int header_line = 0; // the line of the header record, 0 when there is none
    // Each column as the user knows it: its header cell, else its first
    // cell with text (for choosing another names column).
    QStringList column_titles;
    std::vector<RosterLine> lines;
};

// The largest file read as a roster: a few columns for 96 people fit many
// times over, and a wrong pick (a picture, a database) is refused unread.
inline constexpr qsizetype kRosterFileLimit = 1 << 20;

RosterEncoding detect_roster_encoding(const QByteArray& bytes);
RosterFormat detect_roster_format(const QString& text);

// The records of the text, each with the line it starts on. Trailing empty
// lines make no record.
struct RosterRecord {
    int line = 0;
    QStringList fields;
};
std::vector<RosterRecord> split_roster_records(const QString& text, RosterFormat format);

// The file's lines as names, checked (flags, cut names); the placement has not
// run yet (slots -1). `column` overrides the names column found.
RosterFile read_roster(const QByteArray& bytes, std::optional<RosterEncoding> encoding = {},
                       std::optional<RosterFormat> format = {}, std::optional<int> column = {});

// True for a spreadsheet's own workbook (.xlsx, .ods: a zip; .xls: a compound
// document), which holds no text to read: it must be saved as CSV first.
bool is_workbook(const QByteArray& bytes);

// Reads a regular file of at most kRosterFileLimit bytes; false otherwise.
bool read_roster_bytes(const QString& path, QByteArray& bytes);

// Names pasted into name editing: the text read as the lines of a file would
// be (a column copied from a spreadsheet, or several columns as tab-separated
// text), checked against each other.
std::vector<RosterLine> pasted_names(const QString& text);
