#pragma once
// The text and number rules every screen and file routine shares.

#include <QString>
#include <optional>

// Removes half-width blanks (U+0020) at both ends; U+3000 counts as text.
QString trim_blanks(const QString& text);

// True when the text is empty after trim_blanks.
bool is_blank(const QString& text);

// The value of the number at the start of the text. Blanks, tabs and line
// feeds anywhere are skipped; sign, digits, decimals, E/D exponent, &H and &O
// prefixes; the first other character ends the number; no number reads 0.
double read_number(const QString& text);
// The same on a part of a text, without copying it.
double read_number_view(QStringView text);

// " 12" for 12, "-3" for -3: one leading blank when 0 or more.
QString number_text(double n);
// "12", "-3": the same without the leading blank.
QString plain_number_text(double n);

// Nearest whole number, ties to even (12.5 -> 12, 13.5 -> 14).
double round_half_even(double value);

// The rounded value when it fits the type, nothing when it does not.
std::optional<qint16> to_int16(double value);
std::optional<qint32> to_int32(double value);

// The text with every half-width blank removed: how names are compared.
QString name_key(const QString& text);

// A name as a search compares it: blanks of either width gone, half- and
// full-width forms alike, hiragana as katakana and letters in one case, so
// that ﾊﾔｼ, ハヤシ and はやし all find 林 written ハヤシ and "佐藤3" finds "佐藤 3".
QString search_key(const QString& text);
