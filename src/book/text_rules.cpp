#include "book/text_rules.h"

#include <cmath>
#include <limits>

QString trim_blanks(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return text.mid(begin, end - begin);
}

bool is_blank(const QString& text) {
    for (QChar c : text)
        if (c != u' ') return false;
    return true;
}

namespace {

bool skipped(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The text without the characters the reader skips.
QString packed(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!skipped(c)) out.append(c);
    return out;
}

double read_radix(const QString& s, qsizetype pos, int radix) {
    double value = 0;
    for (; pos < s.size(); ++pos) {
        int digit = -1;
        const char16_t c = s[pos].unicode();
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
    }
    return value;
}

bool is_digit(const QString& s, qsizetype pos) {
    return pos < s.size() && s[pos] >= u'0' && s[pos] <= u'9';
}

} // namespace

double read_number(const QString& text) {
    const QString s = packed(text);
    qsizetype pos = 0;
    if (s.size() >= 2 && s[0] == u'&') {
        const QChar p = s[1].toUpper();
        if (p == u'H') return read_radix(s, 2, 16);
        if (p == u'O') return read_radix(s, 2, 8);
        return 0;
    }
    QByteArray literal;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-'))
        literal.append(char(s[pos++].unicode()));
    bool any_digit = false;
    while (is_digit(s, pos)) {
        literal.append(char(s[pos++].unicode()));
        any_digit = true;
    }
    if (pos < s.size() && s[pos] == u'.') {
        literal.append('.');
        ++pos;
        while (is_digit(s, pos)) {
            literal.append(char(s[pos++].unicode()));
            any_digit = true;
        }
    }
    if (!any_digit) return 0;
    if (pos < s.size() && (s[pos].toUpper() == u'E' || s[pos].toUpper() == u'D')) {
        qsizetype exp = pos + 1;
        QByteArray exponent = "e";
        if (exp < s.size() && (s[exp] == u'+' || s[exp] == u'-'))
            exponent.append(char(s[exp++].unicode()));
        if (is_digit(s, exp)) {
            while (is_digit(s, exp)) exponent.append(char(s[exp++].unicode()));
            literal.append(exponent);
        }
    }
    const double value = std::strtod(literal.constData(), nullptr);
    return std::isfinite(value) ? value
                                : (value > 0 ? std::numeric_limits<double>::max()
                                             : std::numeric_limits<double>::lowest());
}

QString plain_number_text(double n) {
    if (n == std::floor(n) && std::fabs(n) < 1e15) return QString::number(qint64(n));
    return QString::number(n, 'g', 15);
}

QString number_text(double n) {
    const QString plain = plain_number_text(n);
    return n >= 0 ? u' ' + plain : plain;
}

double round_half_even(double value) {
    return std::nearbyint(value);
}

std::optional<qint16> to_int16(double value) {
    const double r = round_half_even(value);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return qint16(r);
}

std::optional<qint32> to_int32(double value) {
    const double r = round_half_even(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
    return qint32(r);
}

QString name_key(const QString& text) {
    QString out = text;
    out.remove(u' ');
    return out;
}
