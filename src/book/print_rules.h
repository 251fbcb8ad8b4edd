#pragma once
// Pure rules of the printed reports: the print calculation, how amounts are
// written, and how an item title is cut into the two heading lines of the
// summary table.

#include "book/book.h"

#include <QString>
#include <utility>

// Fills print_charge and the print sums from the marks and amounts, after
// clearing the marks and amounts of members without a name (this changes
// the book). Items with an empty title charge nobody. Sums are 64-bit.
void print_syukei(Book& book);

// The amount's digits grouped by "," with "-" in front when negative; "" for 0.
QString grouped_amount(qint64 amount);

// An amount as printed: the grouped text padded with leading blanks to 10
// characters; "" for 0; a grouped text of 10 or more characters unpadded.
QString kingaku_text(qint64 amount);

// What a cell of the summary table shows: kingaku_text when the grouped
// text has 1 to 9 characters, else nothing (ten million or more, minus one
// million or less, and 0 leave the cell empty).
QString table_amount_text(qint64 amount);

// A text that must stay within `width` millimetres: at `points` when it
// fits, else in a smaller type (in half points, not below `min_points`), and
// cut when even that is too wide. A code page 932 byte is reckoned half as
// wide as the type is high, as a full-width character is that high.
struct FittedText {
    QString text;
    double points;
};
FittedText fit_text(const QString& text, double points, double min_points, double width);

// Bytes of the first heading line of a title: 10, or 9 when the 10th byte of
// its code page 932 form would start a double-byte character (a character
// past the end counts as double-byte).
int midasi_len(const QString& text);

// The two heading lines of a prepared title: bytes 1..n and n+1..20 of its
// code page 932 form, n = midasi_len. A double-byte character cut by the
// 20-byte end is left out.
std::pair<QString, QString> midasi_lines(const QString& text);

// Summary pages 1..8: page p covers members 24 * ((p + 1) / 2 - 1) onwards
// and items 0..9 (odd p) or 10..19 (even p).
int zentai_first_member(int page);
int zentai_first_item(int page);
// A page is printed when its members' half-sums add up to more than 0.
bool zentai_page_wanted(const Book& book, int page);
// "ＴＡＶＵ  NO g-h" for page p.
QString zentai_page_label(int page);
