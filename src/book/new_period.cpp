#include "book/new_period.h"
#include "book/balance.h"
#include "book/cp932.h"
#include "book/data_files.h"
#include "book/payments.h"
#include "book/payments_file.h"
#include "book/payments_pair.h"
#include "book/split_share.h"
#include "book/text_rules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

bool is_blank_char(QChar c) {
    return c == QChar(u' ') || c == QChar(u'\u3000') || c == QChar(u'\t');
}

// Characters that would make a path, trouble a shell or a shared folder.
bool is_refused_char(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F ||
           QStringLiteral("/\\:*?\"<>|$`'&;!").contains(c);
}

QString usable_folder_name(const QString& period) {
    qsizetype first = 0, last = period.size();
    while (first < last && is_blank_char(period[first])) ++first;
    while (last > first && is_blank_char(period[last - 1])) --last;
    QString name;
    bool in_blanks = false;
    for (qsizetype i = first; i < last; ++i) {
        const QChar c = period[i];
        if (is_refused_char(c) && !is_blank_char(c)) return {};
        if (is_blank_char(c)) {
            if (!in_blanks) name += QChar(u'_');
            in_blanks = true;
            continue;
        }
        in_blanks = false;
        name += c;
    }
    // Hidden, or read as an option on a command line.
    if (name.isEmpty() || name.startsWith(QChar(u'.')) || name.startsWith(QChar(u'-'))) return {};
    if (name.toUtf8().size() > 200) return {};
    return name;
}

} // namespace

QString archive_base_name(const QString& period, const QDate& today) {
    const QString name = usable_folder_name(period);
    if (!name.isEmpty()) return name;
    return QStringLiteral("%1-%2").arg(today.year()).arg(today.month(), 2, 10, QChar(u'0'));
}

QList<ArchiveFile> archive_files(const Book& book) {
    QList<ArchiveFile> files{{QString::fromLatin1(kHrmFile), pair_swap(data_text(book))}};
    // The payments go with it, so the archive answers who had paid.
    if (!book.payments.empty())
        files.append(
            {QString::fromLatin1(kPayFile), payments_text(book, book_id_of(files.front().bytes))});
    return files;
}

namespace {

const QString kKako = QString::fromLatin1(kArchiveFolder);
// An archive is filled in kako/.archive.XXXXXX, then renamed into place.
const QString kUnfinished = QStringLiteral("archive");

QString archive_folder(const QString& base, int n) {
    return kKako + QChar(u'/') + (n == 1 ? base : base + QStringLiteral("-%1").arg(n));
}

// True when `folder` holds each of the files with exactly its bytes.
bool holds_files(const QString& folder, const QList<ArchiveFile>& files) {
    for (const ArchiveFile& file : files) {
        const QString path = folder + QChar(u'/') + file.name;
        // Sizes first: nothing is read that could not be the same file.
        const QFileInfo info(path);
        if (!info.isFile() || info.size() != file.bytes.size()) return false;
        QByteArray bytes;
        if (!read_whole_file(path, bytes) || bytes != file.bytes) return false;
    }
    return true;
}

// A new empty folder kako/.archive.XXXXXX; empty when none could be made.
QString make_unfinished_folder() {
    QByteArray name = QFile::encodeName(kKako + QStringLiteral("/.") + kUnfinished) + ".XXXXXX";
    if (!::mkdtemp(name.data())) return {};
    // mkdtemp makes it private; an archive is a folder like the others.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(name.constData(), 0777 & ~mask);
    return QFile::decodeName(name);
}

bool is_archive_file(const QString& name) {
    return name.startsWith(QStringLiteral("allitem.")) ||
           name.startsWith(QStringLiteral(".allitem."));
}

// Removes an archive folder TAVU made: the book's files and their
// temporary files (names starting "allitem." or ".allitem."), then the
// folder. A folder that holds anything else is left whole.
bool remove_archive_folder(const QString& folder) {
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries)
        if (!entry.isFile() || entry.isSymLink() || !is_archive_file(entry.fileName()))
            return false;
    for (const QFileInfo& entry : entries) delete_file(entry.filePath());
    return QDir().rmdir(folder);
}

// Renames the filled folder `from` onto the first free archive name from
// kako/<base>[-first] on; the name taken goes to `taken`.
bool rename_to_free_folder(const QString& from, const QString& base, int first, QString& taken) {
    const QByteArray source = QFile::encodeName(from);
    for (int n = first; n <= 1000; ++n) {
        const QString folder = archive_folder(base, n);
        const QByteArray target = QFile::encodeName(folder);
        // Never over an existing folder, even an empty one.
        int r = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                            RENAME_NOREPLACE);
        if (r != 0 && (errno == EINVAL || errno == ENOSYS)) {
            if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink()) continue;
            r = ::rename(source.constData(), target.constData());
        }
        if (r == 0) {
            taken = folder;
            return true;
        }
        if (errno != EEXIST && errno != ENOTEMPTY) return false;
    }
    return false;
}

} // namespace

int archive_number_for(const QList<ArchiveFile>& files, const QString& base) {
    for (int n = 1; n <= 1000; ++n) {
        const QString folder = archive_folder(base, n);
        const QFileInfo info(folder);
        if (!info.exists() && !info.isSymLink()) return n;
        if (info.isDir() && !info.isSymLink() && holds_files(folder, files)) return n;
    }
    return 0;
}

WriteResult write_archive(const QList<ArchiveFile>& files, const QString& base, Archive& archive) {
    archive = Archive{};
    const FolderResult top = make_folder(kKako);
    if (top == FolderResult::Failed || !QFileInfo(kKako).isDir()) return WriteResult::Failed;
    archive.made_kako = top == FolderResult::Made;

    // The first free name; on the way, an archive of exactly these files is
    // taken again.
    int first_free = 0;
    for (int n = 1; n <= 1000 && first_free == 0; ++n) {
        const QString folder = archive_folder(base, n);
        const QFileInfo info(folder);
        if (!info.exists() && !info.isSymLink()) {
            first_free = n;
        } else if (info.isDir() && !info.isSymLink() && holds_files(folder, files)) {
            archive.folder = folder;
            archive.reused = true;
            return WriteResult::Ok;
        }
    }

    const QString unfinished = first_free == 0 ? QString() : make_unfinished_folder();
    bool ok = !unfinished.isEmpty();
    for (const ArchiveFile& file : files) {
        if (!ok) break;
        ok = is_written(write_file_atomically(unfinished + QChar(u'/') + file.name, file.bytes));
    }
    if (ok) ok = rename_to_free_folder(unfinished, base, first_free, archive.folder);
    if (!ok) {
        if (!unfinished.isEmpty()) remove_archive_folder(unfinished);
        archive.folder.clear();
        remove_archive(archive);
        return WriteResult::Failed;
    }
    return flush_folder_of(archive.folder) ? WriteResult::Ok : WriteResult::Unconfirmed;
}

void remove_archive(const Archive& archive) {
    if (!archive.folder.isEmpty() && !archive.reused) {
        // Out of its name first: what an interruption leaves is then an
        // unfinished archive, which start-up removes.
        const QString unfinished = make_unfinished_folder();
        if (!unfinished.isEmpty() && !rename_file(archive.folder, unfinished)) {
            QDir().rmdir(unfinished);
            remove_archive_folder(archive.folder);
        } else if (!unfinished.isEmpty()) {
            remove_archive_folder(unfinished);
        } else {
            remove_archive_folder(archive.folder);
        }
    }
    if (archive.made_kako) QDir().rmdir(kKako);
}

bool is_unfinished_archive(const QString& entry) {
    return is_temporary_of(entry, kUnfinished);
}

int remove_unfinished_archives() {
    int removed = 0;
    const QFileInfoList entries = QDir(kKako).entryInfoList(
        QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries)
        if (is_unfinished_archive(entry.fileName()) && remove_archive_folder(entry.filePath()))
            ++removed;
    return removed;
}

void clear_items(Book& book) {
    for (int k = 0; k <= kItems; ++k) {
        book.komoku_name[k].clear();
        book.komoku_mode[k] = 1;
        book.komoku_kingaku[k] = 0;
        book.komoku_nin[k] = 0;
        book.komoku_sogaku[k] = 0;
        for (int m = 0; m <= kMembers; ++m) {
            book.mark[m][k] = 0;
            book.member_kingaku[m][k] = 0;
        }
    }
    book.payments = PaymentRecord{};
}

namespace {
const QString kCarryOverTitle = QStringLiteral("前期未収");
} // namespace

CarryOver carry_over_of(const Book& closed, const QString& period_name, int number) {
    CarryOver carry;
    const QString suffix = number > 1 ? QStringLiteral("-%1").arg(number) : QString();
    // The suffix survives the cut: it is what tells two closes apart.
    carry.title = trim_blanks(cp932::clip_bytes(kCarryOverTitle + period_name,
                                                20 - int(suffix.toLatin1().size()))) +
                  suffix;
    for (int m = 0; m < kMembers; ++m) {
        const qint64 owed = still_owed(closed, m);
        if (owed == 0) continue;
        if (!member_amount_in_range(double(owed))) carry.fits = false;
        carry.amount[m] = qint32(std::min(owed, qint64(kKingakuMax)));
        ++carry.members;
        carry.total += owed;
    }
    return carry;
}

bool is_archive_folder(const QString& folder) {
    const QFileInfo info(QDir::cleanPath(folder));
    const QString real = info.canonicalFilePath();
    const QFileInfo where(real.isEmpty() ? info.absoluteFilePath() : real);
    return where.dir().dirName() == QLatin1String(kArchiveFolder) && !where.fileName().isEmpty();
}

bool is_carried_item(const QString& title) {
    return trim_blanks(title).startsWith(kCarryOverTitle);
}

bool is_carried_item(const Book& book, int k) {
    return is_carried_item(book.komoku_name[k]);
}

bool carry_over_asked(const Book& book) {
    if (!book.payments.empty()) return true;
    for (int k = 0; k < kItems; ++k)
        if (is_carried_item(book.komoku_name[k])) return true;
    return false;
}

void start_with_carry_over(Book& book, const CarryOver& carry) {
    book.komoku_name[0] = carry.title;
    book.komoku_mode[0] = 0;
    for (int m = 0; m < kMembers; ++m) book.member_kingaku[m][0] = carry.amount[m];
}
