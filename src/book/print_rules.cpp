#include "book/print_rules.h"
#include "book/cp932.h"
#include "book/text_rules.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int kHalf = kItems / 2; // items of one half of the summary table
constexpr int kPageMembers = 24;  // members of one summary page
constexpr int kHeadingBytes = 20; // bytes of a heading, both lines

bool is_lead_byte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The text of whole characters among the bytes; a lead byte without its
// trail byte is dropped.
QString whole_characters(const QByteArray& bytes) {
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype len = is_lead_byte(uchar(bytes[end])) ? 2 : 1;
        if (end + len > bytes.size()) break;
        end += len;
    }
    return cp932::from_bytes(bytes.left(end));
}

} // namespace

void print_syukei(Book& book) {
    for (int m = 0; m < kMembers; ++m) {
        book.print_total[m] = book.print_total1[m] = book.print_total2[m] = 0;
        book.print_charge[m].fill(0);
    }
    for (int k = 0; k < kItems; ++k) book.print_komoku_total[k] = 0;

    for (int m = 0; m < kMembers; ++m) {
        if (!trim_blanks(book.member_name[m]).isEmpty()) continue;
        for (int k = 0; k < kItems; ++k) {
            book.mark[m][k] = 0;
            book.member_kingaku[m][k] = 0;
        }
    }

    for (int k = 0; k < kItems; ++k) {
        if (book.komoku_name[k].isEmpty()) continue;
        for (int m = 0; m < kMembers; ++m) {
            if (book.komoku_mode[k] == 1)
                book.print_charge[m][k] = book.mark[m][k] == 1 ? book.komoku_kingaku[k] : 0;
            else
                book.print_charge[m][k] = book.member_kingaku[m][k];
        }
    }

    for (int m = 0; m < kMembers; ++m) {
        qint64 first = 0, second = 0;
        for (int k = 0; k < kHalf; ++k) first += book.print_charge[m][k];
        for (int k = kHalf; k < kItems; ++k) second += book.print_charge[m][k];
        book.print_total1[m] = first;
        book.print_total2[m] = second;
        book.print_total[m] = first + second;
    }
    for (int k = 0; k < kItems; ++k) {
        qint64 sum = 0;
        for (int m = 0; m < kMembers; ++m) sum += book.print_charge[m][k];
        book.print_komoku_total[k] = sum;
    }
}

QString grouped_amount(qint64 amount) {
    if (amount == 0) return {};
    // The magnitude of the most negative value still fits unsigned.
    quint64 rest = amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
    char16_t buffer[32];
    qsizetype at = std::size(buffer);
    for (int count = 0; rest > 0; ++count, rest /= 10) {
        if (count > 0 && count % 3 == 0) buffer[--at] = u',';
        buffer[--at] = char16_t(u'0' + rest % 10);
    }
    if (amount < 0) buffer[--at] = u'-';
    return QString(reinterpret_cast<const QChar*>(buffer + at), std::size(buffer) - at);
}

QString kingaku_text(qint64 amount) {
    const QString grouped = grouped_amount(amount);
    if (grouped.isEmpty() || grouped.size() >= 10) return grouped;
    return QString(10 - grouped.size(), u' ') + grouped;
}

QString table_amount_text(qint64 amount) {
    const QString text = kingaku_text(amount);
    return text.size() == 10 && text.front() == u' ' ? text : QString();
}

int midasi_len(const QString& text) {
    const QByteArray bytes = cp932::to_bytes(text);
    // Walk whole characters up to the 10th byte (index 9).
    qsizetype at = 0;
    while (at < 9) at += at < bytes.size() && !is_lead_byte(uchar(bytes[at])) ? 1 : 2;
    if (at > 9) return 10; // a double-byte character spans bytes 9 and 10
    const bool double_byte = at >= bytes.size() || is_lead_byte(uchar(bytes[at]));
    return double_byte ? 9 : 10;
}

std::pair<QString, QString> midasi_lines(const QString& text) {
    const QByteArray bytes = cp932::to_bytes(text);
    const int n = midasi_len(text);
    return {whole_characters(bytes.left(n)), whole_characters(bytes.mid(n, kHeadingBytes - n))};
}

int zentai_first_member(int page) {
    return kPageMembers * ((page + 1) / 2 - 1);
}

int zentai_first_item(int page) {
    return page % 2 == 1 ? 0 : kHalf;
}

bool zentai_page_wanted(const Book& book, int page) {
    const int first = zentai_first_member(page);
    qint64 sum = 0;
    for (int m = first; m < first + kPageMembers; ++m)
        sum += page % 2 == 1 ? book.print_total1[m] : book.print_total2[m];
    return sum > 0;
}

QString zentai_page_label(int page) {
    return QStringLiteral("ＴＡＶＵ  NO %1-%2").arg((page + 1) / 2).arg(page % 2 == 1 ? 1 : 2);
}

FittedText fit_text(const QString& text, double points, double min_points, double width) {
    constexpr double kMmPerPoint = 25.4 / 72;
    const int bytes = cp932::byte_length(text);
    const auto fits = [&](double pt) { return bytes * pt * kMmPerPoint / 2 <= width; };
    if (fits(points)) return {text, points};
    const double smaller = std::floor(2 * width / (bytes * kMmPerPoint / 2)) / 2;
    if (smaller >= min_points) return {text, std::min(smaller, points)};
    const int room = int(width / (min_points * kMmPerPoint / 2));
    return {cp932::clip_bytes(text, room), min_points};
}
