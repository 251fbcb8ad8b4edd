#include "book/cp932.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>

namespace cp932 {

namespace {

// One pair of conversion handles per thread, opened on first use. glibc's
// CP932 tables are loaded once per process; opening per call would cost more
// than converting a whole book.
struct Converters {
    iconv_t to_cp932 = iconv_open("CP932", "UTF-8");
    iconv_t from_cp932 = iconv_open("UTF-8", "CP932");
    Converters() = default;
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;
    ~Converters() {
        if (to_cp932 != iconv_t(-1)) iconv_close(to_cp932);
        if (from_cp932 != iconv_t(-1)) iconv_close(from_cp932);
    }
};

Converters& converters() {
    thread_local Converters c;
    return c;
}

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
int utf8_length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// Runs iconv over all of `in`. A sequence it cannot convert is handed to
// `on_bad` (with the remaining input) which appends what stands for it and
// returns how many input bytes to skip.
template <typename OnBad> QByteArray convert(iconv_t cd, const QByteArray& in, OnBad on_bad) {
    QByteArray out;
    if (cd == iconv_t(-1)) return out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    out.resize(in.size() * 3 + 16);
    char* src = const_cast<char*>(in.constData());
    size_t src_left = size_t(in.size());
    size_t used = 0;
    while (src_left > 0) {
        char* dst = out.data() + used;
        size_t dst_left = size_t(out.size()) - used;
        const size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
        used = size_t(out.size()) - dst_left;
        if (r != size_t(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ, or EINVAL for a sequence cut off at the end.
        QByteArray stand_in;
        size_t skip = on_bad(QByteArrayView(src, qsizetype(src_left)), stand_in);
        if (skip == 0 || skip > src_left) skip = src_left;
        if (used + size_t(stand_in.size()) > size_t(out.size()))
            out.resize(qsizetype(used) + stand_in.size() + out.size());
        memcpy(out.data() + used, stand_in.constData(), size_t(stand_in.size()));
        used += size_t(stand_in.size());
        src += skip;
        src_left -= skip;
    }
    out.resize(qsizetype(used));
    return out;
}

// Encodes without the round-trip check; unconvertible characters are
// replaced and listed.
QByteArray raw_encode(const QByteArray& utf8, const QByteArray& replacement, QString* unencodable) {
    return convert(converters().to_cp932, utf8, [&](QByteArrayView rest, QByteArray& stand_in) {
        const qsizetype len = qMin<qsizetype>(utf8_length(uchar(rest[0])), rest.size());
        if (unencodable) unencodable->append(QString::fromUtf8(rest.first(len)));
        stand_in = replacement;
        return size_t(len);
    });
}

constexpr quint16 kUnknown = 0, kNoForm = 0xFFFF;

// The code page 932 code of a non-ASCII character, or kNoForm. iconv maps a
// few characters one way only (they would come back as another character);
// those have no form either. Looked up once per character and kept.
quint16 code_of(QChar c) {
    thread_local std::unique_ptr<std::array<quint16, 0x10000>> table;
    if (!table) table = std::make_unique<std::array<quint16, 0x10000>>();
    quint16& code = (*table)[c.unicode()];
    if (code != kUnknown) return code;
    const QString one(c);
    QString bad;
    const QByteArray bytes = raw_encode(one.toUtf8(), QByteArray(), &bad);
    code = kNoForm;
    if (bad.isEmpty() && (bytes.size() == 1 || bytes.size() == 2) && from_bytes(bytes) == one)
        code =
            bytes.size() == 1 ? uchar(bytes[0]) : quint16(uchar(bytes[0]) << 8 | uchar(bytes[1]));
    return code;
}

bool all_ascii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

} // namespace

QString fold_lookalikes(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        switch (c.unicode()) {
        case 0x301C:
            c = QChar(0xFF5E);
            break; // wave dash -> full-width tilde
        case 0x2212:
            c = QChar(0xFF0D);
            break; // minus sign -> full-width hyphen-minus
        case 0x2016:
            c = QChar(0x2225);
            break; // double vertical line -> parallel to
        case 0x2014:
            c = QChar(0x2015);
            break; // em dash -> horizontal bar
        case 0x00A2:
            c = QChar(0xFFE0);
            break; // cent
        case 0x00A3:
            c = QChar(0xFFE1);
            break; // pound
        case 0x00AC:
            c = QChar(0xFFE2);
            break; // not
        case 0x00A5:
            c = QChar(0xFFE5);
            break; // yen: iconv would make it a backslash
        case 0x203E:
            c = QChar(0xFFE3);
            break; // overline: iconv would make it a tilde
        default:
            break;
        }
    }
    return out;
}

Encoded encode(const QString& text, const QString& replacement) {
    Encoded result;
    if (all_ascii(text)) {
        result.bytes = text.toLatin1();
        return result;
    }
    const QString folded = fold_lookalikes(text);
    const QByteArray repl = raw_encode(replacement.toUtf8(), QByteArrayLiteral("?"), nullptr);
    result.bytes.reserve(folded.size() * 2);
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const QChar c = folded[i];
        if (c.unicode() < 0x80) {
            result.bytes.append(char(c.unicode()));
            continue;
        }
        const quint16 code = c.isSurrogate() ? kNoForm : code_of(c);
        if (code == kNoForm) {
            // A surrogate pair is one character outside the code page.
            const bool pair =
                c.isHighSurrogate() && i + 1 < folded.size() && folded[i + 1].isLowSurrogate();
            result.unencodable.append(folded.mid(i, pair ? 2 : 1));
            result.bytes.append(repl);
            if (pair) ++i;
        } else if (code < 0x100) {
            result.bytes.append(char(code));
        } else {
            result.bytes.append(char(code >> 8));
            result.bytes.append(char(code & 0xFF));
        }
    }
    return result;
}

QByteArray to_bytes(const QString& text) {
    return encode(text).bytes;
}

QString from_bytes(const QByteArray& bytes) {
    bool ascii = true;
    for (char b : bytes)
        if (uchar(b) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii) return QString::fromLatin1(bytes);
    // A byte that starts no valid character reads as U+FFFD; the next byte
    // is read afresh (trail bytes are never a quote, comma or line end).
    const QByteArray utf8 =
        convert(converters().from_cp932, bytes, [](QByteArrayView, QByteArray& stand_in) {
            stand_in = QByteArrayLiteral("\xEF\xBF\xBD");
            return size_t(1);
        });
    return QString::fromUtf8(utf8);
}

bool can_encode(const QString& text) {
    return encode(text).ok();
}

int byte_length(const QString& text) {
    if (all_ascii(text)) return int(text.size());
    return int(encode(text).bytes.size());
}

QString clip_bytes(const QString& text, int max_bytes) {
    if (max_bytes <= 0) return {};
    if (all_ascii(text)) return text.left(max_bytes);
    const QString folded = fold_lookalikes(text);
    int used = 0;
    qsizetype i = 0;
    while (i < folded.size()) {
        const qsizetype len =
            (folded[i].isHighSurrogate() && i + 1 < folded.size() && folded[i + 1].isLowSurrogate())
                ? 2
                : 1;
        // A character without a form is written as the two-byte "？".
        const int bytes = (len == 1 && is_single_byte(folded[i])) ? 1 : 2;
        if (used + bytes > max_bytes) break;
        used += bytes;
        i += len;
    }
    return text.left(i);
}

bool is_single_byte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return true;
    if (u >= 0xFF61 && u <= 0xFF9F) return true; // half-width katakana
    return !c.isSurrogate() && code_of(c) < 0x100;
}

} // namespace cp932
