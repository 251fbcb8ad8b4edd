#pragma once
// How an amount typed into 集金チェック reads. Digits are half- or
// full-width, as on the sheet; a leading minus (money paid out) and a
// trailing 円 may be there; thousands may be grouped with commas ("1,000",
// "１，０００"), every group after the first then holding three digits. Blanks
// at both ends do not count. An empty entry is 0 (the payment is taken back).
// Anything else (a decimal point, an exponent, a hexadecimal prefix, a
// letter, a misplaced comma, more than 999,999,999) reads as nothing, so the
// caller can refuse it and change nothing.

#include <QString>
#include <optional>

std::optional<qint64> typed_amount(const QString& text);
