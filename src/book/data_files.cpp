// The data file routines on the files of the working folder.

#include "book/data_files.h"
#include "book/text_rules.h"

#include <memory>

namespace {

using Parser = ReadResult (*)(const QByteArray&, Book&);

// Reads the file `name` into the book, pair-swapping it first when it is
// stored swapped.
ReadResult read_data_file(const char* name, bool swapped, Parser parse, Book& book,
                          FileStamp* stamp = nullptr) {
    if (!entry_exists(name)) {
        if (stamp) *stamp = FileStamp{};
        return ReadResult::Missing;
    }
    QByteArray bytes;
    const ReadResult read = read_checked(name, bytes, stamp);
    if (read != ReadResult::Ok) return read;
    return parse(swapped ? pair_swap(bytes) : bytes, book);
}

// Pair-swaps `from` into `to`. The source is deleted only once the target
// is safely in place; when the write fails both stay as they were.
WriteResult swap_file(const char* from, const char* to) {
    QByteArray bytes;
    if (!read_whole_file(from, bytes)) return WriteResult::Failed;
    const WriteResult written = write_file_atomically(to, pair_swap(bytes));
    if (!is_written(written)) return WriteResult::Failed;
    // A source that cannot be deleted is stale but harmless: the next load
    // or save replaces it before it is read.
    delete_file(from);
    return written;
}

} // namespace

ReadResult data_read(Book& book) {
    return read_data_file(kDatFile, false, parse_data_text, book);
}

ReadResult hrm_read(Book& book, FileStamp* stamp) {
    return read_data_file(kHrmFile, true, parse_data_text, book, stamp);
}

ReadResult old_data_read(Book& book) {
    return read_data_file(kDatFile, false, parse_old_data_text, book);
}

WriteResult dat_write(const Book& book) {
    return write_file_atomically(kDatFile, data_text(book));
}

namespace {

void blank_header_fields(Book& book) {
    if (is_blank(book.nengetu)) book.nengetu = QStringLiteral(" ");
    if (is_blank(book.motojime)) book.motojime = QStringLiteral(" ");
}

} // namespace

WriteResult convert_write(Book& book) {
    blank_header_fields(book);
    return write_file_atomically(kDatFile, data_text(book, true));
}

Conversion ngs_convert(Book& book) {
    QByteArray bytes;
    const ReadResult refused = read_checked(kNgsFile, bytes);
    if (refused != ReadResult::Ok) return {refused, false};
    // Converted on a copy: a book that never reached the disk is not shown
    // as if it had.
    auto converted = std::make_unique<Book>(book);
    const ReadResult read = parse_old_data_text(pair_swap(bytes), *converted);
    blank_header_fields(*converted);
    if (!is_written(write_file_atomically(kHrmFile, pair_swap(data_text(*converted, true)))))
        return {read, false};
    book = *converted;
    delete_file(kNgsFile);
    return {read, true};
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
