#include "book/text_rules.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

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

// Walks a text the way the number reader sees it: blanks, tabs and line
// feeds anywhere are passed over.
class Cursor {
public:
    explicit Cursor(QStringView text) : text_(text) { skip(); }
    QChar peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }
    void advance() {
        ++pos_;
        skip();
    }
    bool digit() const { return peek() >= u'0' && peek() <= u'9'; }

private:
    void skip() {
        while (pos_ < text_.size() && skipped(text_[pos_])) ++pos_;
    }
    QStringView text_;
    qsizetype pos_ = 0;
};

double read_radix(Cursor& c, int radix) {
    double value = 0;
    for (;; c.advance()) {
        const char16_t u = c.peek().unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
    }
    return value;
}

} // namespace

double read_number(const QString& text) {
    return read_number_view(text);
}

double read_number_view(QStringView text) {
    Cursor c(text);
    if (c.peek() == u'&') {
        c.advance();
        const QChar prefix = c.peek().toUpper();
        c.advance();
        if (prefix == u'H') return read_radix(c, 16);
        if (prefix == u'O') return read_radix(c, 8);
        return 0;
    }
    std::string literal;
    if (c.peek() == u'+' || c.peek() == u'-') {
        literal += char(c.peek().unicode());
        c.advance();
    }
    bool any_digit = false;
    for (; c.digit(); c.advance(), any_digit = true) literal += char(c.peek().unicode());
    if (c.peek() == u'.') {
        literal += '.';
        c.advance();
        for (; c.digit(); c.advance(), any_digit = true) literal += char(c.peek().unicode());
    }
    if (!any_digit) return 0;
    const QChar e = c.peek().toUpper();
    if (e == u'E' || e == u'D') {
        c.advance();
        std::string exponent = "e";
        if (c.peek() == u'+' || c.peek() == u'-') {
            exponent += char(c.peek().unicode());
            c.advance();
        }
        if (c.digit()) {
            for (; c.digit(); c.advance()) exponent += char(c.peek().unicode());
            literal += exponent;
        }
    }
    const double value = std::strtod(literal.c_str(), nullptr);
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

QString search_key(const QString& text) {
    QString key = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
    QString out;
    out.reserve(key.size());
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\u3000') continue;
        // Hiragana ぁ..ゖ and their marks ゝゞ sit 0x60 below katakana.
        out += (u >= 0x3041 && u <= 0x3096) || u == 0x309D || u == 0x309E
                   ? QChar(char16_t(u + 0x60))
                   : c;
    }
    return out;
}
