#include "book/new_period.h"
#include "book/data_files.h"
#include "book/payments_file.h"

#include <QDir>
#include <QFileInfo>

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

WriteResult write_archive(const Book& book, const QString& base, Archive& archive) {
    const QString kako = QString::fromLatin1(kArchiveFolder);
    const FolderResult top = make_folder(kako);
    if (top == FolderResult::Failed || !QFileInfo(kako).isDir()) return WriteResult::Failed;
    archive.made_kako = top == FolderResult::Made;

    archive.folder.clear();
    for (int n = 1; n <= 1000 && archive.folder.isEmpty(); ++n) {
        const QString folder =
            kako + QChar(u'/') + (n == 1 ? base : base + QStringLiteral("-%1").arg(n));
        const FolderResult made = make_folder(folder);
        if (made == FolderResult::Failed) break;
        if (made == FolderResult::Made) archive.folder = folder;
    }
    const QString in_archive = archive.folder + QChar(u'/');
    if (archive.folder.isEmpty() ||
        write_file_atomically(in_archive + QString::fromLatin1(kHrmFile),
                              pair_swap(data_text(book))) != WriteResult::Ok ||
        // The payments go with it, so the archive answers who had paid.
        (!book.payments.empty() && write_file_atomically(in_archive + QString::fromLatin1(kPayFile),
                                                         payments_text(book)) != WriteResult::Ok)) {
        remove_archive(archive);
        return WriteResult::Failed;
    }
    return WriteResult::Ok;
}

void remove_archive(const Archive& archive) {
    if (!archive.folder.isEmpty()) {
        delete_file(archive.folder + QChar(u'/') + QString::fromLatin1(kHrmFile));
        delete_file(archive.folder + QChar(u'/') + QString::fromLatin1(kPayFile));
        QDir().rmdir(archive.folder);
    }
    if (archive.made_kako) QDir().rmdir(QString::fromLatin1(kArchiveFolder));
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
