// libFuzzer target for the roster reader: any bytes, read in every encoding
// and format, must give lines whose taken names the roster can hold (at most
// 12 bytes of code page 932, no line breaks or other controls, none twice),
// and their placement must fill only empty rows, undo to the book as it was,
// and leave at most 96 members.

#include "book/cp932.h"
#include "book/roster_placement.h"
#include "book/text_rules.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void check(const Book& before, RosterFile file) {
    auto book = std::make_unique<Book>(before);
    const RosterPlacement placement = place_roster(*book, file.lines);
    QStringList names;
    for (const RosterLine& line : file.lines) {
        if (!line.taken()) continue;
        if (line.name.isEmpty() || cp932::byte_length(line.name) > 12 ||
            !cp932::can_encode(line.name) || names.contains(line.name))
            abort();
        for (QChar c : line.name)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F) abort();
        names << line.name;
        if (line.slot < 0 || line.slot >= kMembers) abort();
    }
    const RosterUndo undo = apply_roster(*book, placement);
    for (int slot : placement.filled)
        if (!is_blank(before.member_name[slot])) abort();
    if (!undo_roster(*book, undo) || book->member_name != before.member_name ||
        book->mark != before.mark)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // A roster in use: names in every third row, one of them a name files often hold.
    auto book = std::make_unique<Book>();
    for (int i = 0; i < kMembers; i += 3) book->member_name[i] = QStringLiteral("会員%1").arg(i);
    book->member_name[1] = QStringLiteral("山田");
    book->mark[4][2] = 1;

    check(*book, read_roster(bytes));
    for (RosterEncoding e : {RosterEncoding::Utf8, RosterEncoding::Utf16, RosterEncoding::Cp932})
        for (RosterFormat f : {RosterFormat::Csv, RosterFormat::Tsv, RosterFormat::Lines})
            check(*book, read_roster(bytes, e, f));

    std::vector<RosterLine> pasted = pasted_names(QString::fromUtf8(bytes));
    std::array<QString, kMembers> rows;
    for (int i = 0; i < kMembers; ++i) rows[i] = book->member_name[i];
    place_pasted(rows, int(size % kMembers), pasted);
    return 0;
}
