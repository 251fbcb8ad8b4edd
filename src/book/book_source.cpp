#include "book/book_source.h"
#include "book/text_rules.h"

BookSource find_book_source() {
    // Anything of the name counts, so that a folder or a FIFO named like the
    // book is reported instead of passed over.
    if (entry_exists(QString::fromLatin1(kNgsFile)))
        return {QString::fromLatin1(kNgsFile), true, {}};
    const QString names[] = {QString::fromLatin1(kHrmFile), QString::fromLatin1(kSpareHrmFile),
                             QStringLiteral("allitem.sne"), QStringLiteral("Allitem.sne"),
                             QStringLiteral("ALLITEM.SNE"), QString::fromLatin1(kDatFile)};
    for (const QString& name : names)
        if (entry_exists(name)) return {name, false, {}};
    return {};
}

ReadResult read_book_in_place(Book& book, BookSource& source) {
    source = find_book_source();
    if (source.file.isEmpty()) return ReadResult::Missing;
    for (int k = 0; k < kItems; ++k) book.komoku_mode[k] = 1;
    QByteArray bytes;
    const ReadResult read = read_checked(source.file, bytes);
    if (read != ReadResult::Ok) return read;
    if (source.older_layout) {
        const ReadResult read = parse_old_data_text(pair_swap(bytes), book);
        // The conversion writes a blank period or person in charge as one blank.
        if (is_blank(book.nengetu)) book.nengetu = QStringLiteral(" ");
        if (is_blank(book.motojime)) book.motojime = QStringLiteral(" ");
        return read;
    }
    // Only the working file lies unswapped.
    const bool swapped = source.file != QString::fromLatin1(kDatFile);
    const ReadResult parsed = parse_data_text(swapped ? pair_swap(bytes) : bytes, book);
    // The payments beside it, matched against the names and titles just read.
    source.payments = payments_read(book);
    return parsed;
}
