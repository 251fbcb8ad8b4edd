#pragma once
// The book as a table for spreadsheets: UTF-8 with a byte-order mark (so that
// spreadsheets take the Japanese text as UTF-8), records ended by CR LF,
// fields quoted when they hold a comma, a double quote or a line break.
//
//   期間,<period>,担当,<person in charge>
//   番号,名前,<title of every titled item, in item order>,合計
//   <member number>,<name>,<what the member owes for each item>,<member total>
//   ...one row per named member...
//   ,合計,<item totals>,<grand total>
//
// Amounts are plain whole yen ("1300", "-500") so that they are numbers in a
// spreadsheet; an amount of 0 is an empty field, as the reports print nothing
// for it. A text that a spreadsheet would take for a formula (it starts with
// =, +, -, @, a tab or a carriage return) is written with a "'" before it.

#include "book/book.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One field as RFC 4180 writes it.
QString csv_field(const QString& text);

// One record: the fields as csv_field writes them, joined by commas, ended
// by CR LF.
QString csv_record(const QStringList& fields);

// The characters that make a spreadsheet take a cell for a formula when they
// start it: =, +, -, @, a tab, a carriage return.
inline const QString kStartsFormula = QStringLiteral("=+-@\t\r");
// Text as a spreadsheet takes it as text: one that would start a formula
// gets a "'" before it, so that a name like "=1+1" is not computed, nor
// anything worse.
QString text_field(const QString& text);

// An amount as the tables write it: 0 is an empty cell.
QString amount_field(qint64 amount);

// The file's bytes: a UTF-8 byte order mark, so that a spreadsheet on
// Windows takes the text as UTF-8, then the text.
QByteArray csv_bytes(const QString& text);

// The table from print_charge and the print sums: print_syukei has run.
QByteArray csv_text(const Book& book);

// The roster as a table, in the same conventions: a header 番号,名前 and a row
// <member number>,<name> per named member. The roster reader takes it back.
QByteArray roster_csv_text(const Book& book);
