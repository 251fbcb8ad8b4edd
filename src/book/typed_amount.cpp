#include "book/typed_amount.h"

namespace {

constexpr qint64 kLargest = 999'999'999;

int digit_of(char16_t u) {
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'０' && u <= u'９') return u - u'０';
    return -1;
}

bool is_blank(char16_t u) {
    return u == u' ' || u == u'\u3000' || u == u'\t';
}

} // namespace

std::optional<qint64> typed_amount(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && is_blank(text[from].unicode())) ++from;
    while (to > from && is_blank(text[to - 1].unicode())) --to;
    if (from == to) return qint64(0);
    if (text[to - 1] == u'円') --to;
    if (from == to) return std::nullopt;

    bool negative = false;
    const char16_t first = text[from].unicode();
    if (first == u'-' || first == u'－' || first == u'−') {
        negative = true;
        ++from;
    }
    qint64 value = 0;
    int digits = 0; // in the whole number
    int group = 0;  // in the current group
    bool grouped = false;
    for (qsizetype i = from; i < to; ++i) {
        const char16_t u = text[i].unicode();
        if (u == u',' || u == u'，') {
            // The first group holds 1 to 3 digits, every later one 3.
            if (group == 0 || group > 3 || (grouped && group != 3)) return std::nullopt;
            grouped = true;
            group = 0;
            continue;
        }
        const int d = digit_of(u);
        if (d < 0) return std::nullopt;
        value = value * 10 + d;
        ++digits;
        ++group;
        if (value > kLargest) return std::nullopt;
    }
    if (digits == 0 || (grouped && group != 3)) return std::nullopt;
    return negative ? -value : value;
}
