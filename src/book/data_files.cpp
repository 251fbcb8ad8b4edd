// The data file routines on the files of the working folder.

#include "book/data_files.h"
#include "book/text_rules.h"

namespace {

ReadResult read_dat(Book& book, ReadResult (*parse)(const QByteArray&, Book&)) {
    if (!file_exists(kDatFile)) return ReadResult::Missing;
    QByteArray bytes;
    if (!read_whole_file(kDatFile, bytes)) return ReadResult::Damaged;
    return parse(bytes, book);
}

// Pair-swaps `from` into `to`. The source is deleted only once the target
// is safely in place; when the write fails both stay as they were.
WriteResult swap_file(const char* from, const char* to) {
    QByteArray bytes;
    if (!read_whole_file(from, bytes)) return WriteResult::Failed;
    if (write_file_atomically(to, pair_swap(bytes)) != WriteResult::Ok) return WriteResult::Failed;
    // A source that cannot be deleted is stale but harmless: the next load
    // or save replaces it before it is read.
    delete_file(from);
    return WriteResult::Ok;
}

} // namespace

ReadResult data_read(Book& book) {
    return read_dat(book, parse_data_text);
}

ReadResult hrm_read(Book& book) {
    if (!file_exists(kHrmFile)) return ReadResult::Missing;
    QByteArray bytes;
    if (!read_whole_file(kHrmFile, bytes)) return ReadResult::Damaged;
    return parse_data_text(pair_swap(bytes), book);
}

ReadResult old_data_read(Book& book) {
    return read_dat(book, parse_old_data_text);
}

WriteResult dat_write(const Book& book) {
    return write_file_atomically(kDatFile, data_text(book));
}

WriteResult convert_write(Book& book) {
    if (is_blank(book.nengetu)) book.nengetu = QStringLiteral(" ");
    if (is_blank(book.motojime)) book.motojime = QStringLiteral(" ");
    return write_file_atomically(kDatFile, data_text(book, true));
}

WriteResult hrm_to_dat() {
    return swap_file(kHrmFile, kDatFile);
}

WriteResult dat_to_hrm() {
    return swap_file(kDatFile, kHrmFile);
}

QByteArray pair_swap(const QByteArray& bytes) {
    QByteArray kept;
    kept.reserve(bytes.size());
    for (char b : bytes)
        if (b != 0) kept.append(b);
    const qsizetype n = kept.size();
    char* p = kept.data();
    for (qsizetype i = 0; i + 1 < n; i += 2) std::swap(p[i], p[i + 1]);
    return kept;
}
