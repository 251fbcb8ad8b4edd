#include "book/payments_pair.h"
#include "book/work_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

const QByteArray kBookLine = "# book ";
const char* const kPayName = "allitem.pay";
const char* const kPayBakName = "allitem.pay.bak";

// Calls `each(start, end)` for every line of the text; a line ends at LF, CR
// or CR LF. Stops when `each` returns false.
template <typename F> void for_each_line(const QByteArray& text, F each) {
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != '\n' && text[end] != '\r') ++end;
        if (!each(start, end)) return;
        start = end + 1;
        if (end < n && text[end] == '\r' && start < n && text[start] == '\n') ++start;
    }
}

BookId parse_book_line(QByteArrayView line) {
    BookId id;
    const QList<QByteArray> parts = line.toByteArray().split(' ');
    if (parts.size() != 4) return id;
    bool ok = false;
    const qint64 size = parts[2].toLongLong(&ok);
    const QByteArray sha = QByteArray::fromHex(parts[3]);
    if (!ok || size < 0 || parts[3].size() != 64 || sha.size() != 32) return id;
    id.size = size;
    id.sha256 = sha;
    return id;
}

QString in_folder(const QString& folder, const char* name) {
    const QString file = QString::fromLatin1(name);
    return folder.isEmpty() ? file : folder + u'/' + file;
}

// The newest complete temporary file of the payments file `target` that
// names `id`.
bool temporary_naming(const QString& target, const BookId& id, PayCandidate& found) {
    const QFileInfo info(target);
    const QString file = info.fileName();
    QDateTime newest;
    const QFileInfoList entries =
        QDir(info.absolutePath()).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (!is_temporary_of(entry.fileName(), file) || entry.size() > kMaxPayFileSize) continue;
        QByteArray bytes;
        if (read_checked(entry.filePath(), bytes, nullptr, kMaxPayFileSize) != ReadResult::Ok ||
            named_book(bytes) != id)
            continue;
        if (newest.isValid() && entry.lastModified() < newest) continue;
        newest = entry.lastModified();
        found.path = entry.filePath();
        found.bytes = bytes;
        found.origin = PayOrigin::Temporary;
    }
    return newest.isValid();
}

} // namespace

BookId book_id_of(const QByteArray& book_file_bytes) {
    return {book_file_bytes.size(), stamp_hash(book_file_bytes)};
}

BookId book_id_of(const FileStamp& stamp) {
    if (stamp.state != ReadResult::Ok || stamp.hash.size() != 32) return {};
    return {stamp.size, stamp.hash};
}

BookId named_book(const QByteArray& text) {
    BookId id;
    bool header = true;
    for_each_line(text, [&](qsizetype start, qsizetype end) {
        if (header) {
            header = false;
            return true;
        }
        const QByteArrayView line(text.constData() + start, end - start);
        if (!line.startsWith('#')) return false; // the line leads the entries
        if (line.startsWith(kBookLine)) {
            id = parse_book_line(line);
            return false;
        }
        return true;
    });
    return id;
}

QByteArray naming_book(const QByteArray& text, const BookId& id) {
    const QByteArray line = kBookLine + QByteArray::number(id.size) + ' ' + id.sha256.toHex();
    QByteArray out;
    out.reserve(text.size() + line.size() + 1);
    bool header = true, placed = false;
    for_each_line(text, [&](qsizetype start, qsizetype end) {
        const QByteArrayView view(text.constData() + start, end - start);
        if (header) {
            out += view;
            out += '\n';
            out += line;
            out += '\n';
            header = false;
            placed = true;
            return true;
        }
        if (!view.startsWith(kBookLine)) {
            out += view;
            out += '\n';
        }
        return true;
    });
    if (!placed) out = QByteArray("tavu-payments 1\n") + line + '\n';
    return out;
}

QString payments_target(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    struct stat st;
    if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
    if (::stat(path.constData(), &st) == 0 && !S_ISREG(st.st_mode)) return name;
    return write_target_of(name);
}

PayCandidate find_payments_of(const QString& folder, const BookId& id) {
    PayCandidate found;
    const QString name = in_folder(folder, kPayName);
    QByteArray bytes;
    found.read = read_checked(name, bytes, nullptr, kMaxPayFileSize);
    const QString target = payments_target(name);
    // A save cut short leaves the payments of the book it wrote complete
    // under a temporary name beside the file.
    const auto temporary = [&] { return id.valid() && temporary_naming(target, id, found); };

    if (found.read == ReadResult::Missing) {
        if (!temporary()) found = PayCandidate{};
        return found;
    }
    if (found.read != ReadResult::Ok) {
        if (!temporary()) found.origin = PayOrigin::Refused;
        return found;
    }
    found.path = name;
    found.bytes = bytes;
    found.origin = PayOrigin::File;
    const BookId named = named_book(bytes);
    if (!id.valid() || named == id) return found;
    if (temporary()) return found;
    if (!named.valid()) return found; // written before the rule
    QByteArray bak;
    const QString bak_name = in_folder(folder, kPayBakName);
    if (read_checked(bak_name, bak, nullptr, kMaxPayFileSize) == ReadResult::Ok &&
        named_book(bak) == id) {
        found.origin = PayOrigin::Bak;
        found.path = bak_name;
        found.bytes = bak;
        return found;
    }
    found.origin = PayOrigin::OtherBook;
    return found;
}
