#pragma once
// Code page 932 through iconv ("CP932": "SHIFT_JIS" would turn \ and ~ into
// yen and overline). Look-alikes that input methods produce (wave dash, minus
// sign, double vertical line, cent, pound, not) are folded into the forms the
// code page holds before encoding.

#include <QByteArray>
#include <QString>

namespace cp932 {

// The text with look-alikes folded into their code page 932 forms.
QString fold_lookalikes(const QString& text);

struct Encoded {
    QByteArray bytes;
    QString unencodable; // the characters that had no code page 932 form, in order
    bool ok() const { return unencodable.isEmpty(); }
};

// Text to bytes; each character without a form is written as the
// replacement (default "？", full-width) and reported in `unencodable`.
Encoded encode(const QString& text, const QString& replacement = QStringLiteral("？"));
QByteArray to_bytes(const QString& text); // encode(text).bytes
QString from_bytes(const QByteArray& bytes);

// True when every character of the text has a code page 932 form.
bool can_encode(const QString& text);
// Length of the code page 932 form in bytes.
int byte_length(const QString& text);
// The first `max_bytes` bytes of the text, dropping a half of a double-byte
// character that the limit would cut.
QString clip_bytes(const QString& text, int max_bytes);
// True when the character is one byte in code page 932 (ASCII, half-width kana).
bool is_single_byte(QChar c);

} // namespace cp932
