#include "book/split_share.h"

#include "book/text_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The digit a character spells, half- or full-width, or -1.
int digit_of(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'０' && u <= u'９') return u - u'０';
    return -1;
}

constexpr int kExamined = 20; // characters looked at by the examination

bool fits_long(double r) {
    return r >= double(std::numeric_limits<qint32>::min()) &&
           r <= double(std::numeric_limits<qint32>::max());
}

} // namespace

DigitCheck examine_digits(const QString& text) {
    const QString t = trim_blanks(text);
    if (t.isEmpty()) return {false, QString()};

    const double value = read_number(t);
    const bool round_trips = t.size() == trim_blanks(number_text(value)).size();
    if (round_trips && value != 0) return {false, t};

    QString digits;
    const qsizetype n = std::min<qsizetype>(t.size(), kExamined);
    for (qsizetype i = 0; i < n; ++i) {
        const int d = digit_of(t[i]);
        if (d < 0) return {true, QStringLiteral("-1")};
        digits.append(QChar(u'0' + d));
    }
    return {false, digits.isEmpty() ? t : digits};
}

bool is_refusal(const QString& converted) {
    return read_number(converted) == -1;
}

std::optional<qint32> split_share(double total, double heads) {
    if (heads == 0 || !fits_long(round_half_even(total))) return std::nullopt;
    const double q = round_half_even(total / heads);
    double share = q;
    if (std::fmod(q, 100) != 0) {
        const double q2 = round_half_even(std::floor(total) / heads);
        share = (std::floor(q2 / 100) + 1) * 100;
    }
    if (!fits_long(share)) return std::nullopt;
    return qint32(share);
}

bool member_amount_in_range(double value) {
    const double r = round_half_even(value);
    return r >= kKingakuMin && r <= kKingakuMax;
}

bool share_in_range(double value) {
    const double r = round_half_even(value);
    return r >= kWariMin && r <= kWariMax;
}

bool total_in_range(double value) {
    return fits_long(round_half_even(value));
}

qint32 to_long_clamped(double value) {
    const double r = round_half_even(value);
    if (std::isnan(r)) return 0;
    return qint32(std::clamp(r, double(std::numeric_limits<qint32>::min()),
                             double(std::numeric_limits<qint32>::max())));
}

qint16 to_integer_clamped(double value) {
    const double r = round_half_even(value);
    if (std::isnan(r)) return 0;
    return qint16(std::clamp(r, -32768.0, 32767.0));
}
