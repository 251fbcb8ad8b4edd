#pragma once
// Pure rules of entering an item: the digit examination every typed number
// passes through, the equal-split share, and the ranges an amount must keep
// so that it fits the data file and the sums of the printed reports.

#include <QString>
#include <QtGlobal>
#include <optional>

// Outcome of the digit examination of a typed number.
struct DigitCheck {
    bool refused = false; // the text holds a non-digit (the caller shows the message)
    QString text;         // the number's text, or "-1" when refused
};

// Blanks at both ends are ignored; an empty entry gives "". A text already in
// the form the number reader writes back (1500, -300, 12.5) passes as it is.
// Anything else is examined character by character (the first 20 only):
// half- and full-width digits are kept in half-width form, any other
// character refuses the entry. A passing entry gives its digits, or itself
// when it has none.
DigitCheck examine_digits(const QString& text);

// True when a converted text stands for the refusal (its value is -1).
bool is_refusal(const QString& converted);

// The per-person share of an equal split: total / heads rounded to whole
// yen (ties to even); a whole-yen quotient that is not a multiple of 100 is
// raised to the next multiple of 100 above floor(total) / heads, rounded the
// same way. Nothing when the total or the share does not fit 32 bits, or
// heads is 0. Heads is the number read from the box, so it may have decimals.
std::optional<qint32> split_share(double total, double heads);

// Limits of what the book stores. An individual amount is written to the
// data file in at most 6 characters; a per-person amount is 0 or more and
// at most 6 digits; a total is a 32-bit number. Values are checked after
// rounding to whole yen.
inline constexpr double kKingakuMin = -99999, kKingakuMax = 999999;
inline constexpr double kWariMin = 0, kWariMax = 999999;

bool member_amount_in_range(double value);
bool share_in_range(double value);
bool total_in_range(double value);

// A whole-yen value for a box that has passed every check: rounded, and
// held to the type's range so that an unchecked box cannot overflow.
qint32 to_long_clamped(double value);
qint16 to_integer_clamped(double value);
