#include "book/work_files.h"
#include "book/file_checks.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool sync_fd(int fd) {
    int r;
    do {
        r = ::fsync(fd);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

bool write_all(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= n;
    }
    return true;
}

mode_t current_umask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Flushes the folder entry of `name` to disk, so that a rename or a new
// file survives a power loss.
bool sync_folder_of(const QString& name) {
    const QByteArray folder = QFile::encodeName(QFileInfo(name).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = sync_fd(fd);
    ::close(fd);
    return ok;
}

// The letters mkostemp fills its six X with.
const char kTempLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// ".<name>.XXXXXX" in the folder of `name`.
QByteArray temp_template(const QString& name) {
    const QFileInfo info(name);
    return QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()) +
           ".XXXXXX";
}

// Hard-links `from` under a new temporary name of the pattern of `to`; the
// name is left in `temp`. mkostemp cannot make a link, so the six letters are
// drawn here.
bool link_to_temporary(const QByteArray& from, const QString& to, QByteArray& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = temp_template(to);
        for (qsizetype i = temp.size() - 6; i < temp.size(); ++i)
            temp[i] = kTempLetters[QRandomGenerator::system()->bounded(62)];
        if (::link(from.constData(), temp.constData()) == 0) return true;
        if (errno != EEXIST) return false;
    }
    return false;
}

bool sync_file(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = sync_fd(fd);
    return ::close(fd) == 0 && ok;
}

// Gives the whole, flushed file `temp` the name `name`, then flushes the
// folder. Where `temp` and `name` were already one file (hard links left by
// an interrupted save), rename does nothing and succeeds: the temporary
// name is then removed here.
WriteResult rename_into_place(const QByteArray& temp, const QString& name) {
    if (::rename(temp.constData(), QFile::encodeName(name).constData()) != 0) {
        ::unlink(temp.constData());
        return WriteResult::Failed;
    }
    ::unlink(temp.constData());
    return sync_folder_of(name) ? WriteResult::Ok : WriteResult::Unconfirmed;
}

// Renames the whole, flushed file `temp` onto the first free name of
// name_for, never over a file that is there or appears meanwhile.
WriteResult rename_to_free_name(const QByteArray& temp, const std::function<QString(int)>& name_for,
                                QString& written) {
    for (int n = 1; n < 1000; ++n) {
        const QString name = name_for(n);
        const QByteArray target = QFile::encodeName(name);
        // Renamed only onto a free name; where the folder cannot do that, a
        // hard link, which also takes only a free name.
        bool taken = ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(),
                                 RENAME_NOREPLACE) == 0;
        if (!taken && (errno == EINVAL || errno == ENOSYS) &&
            ::link(temp.constData(), target.constData()) == 0) {
            ::unlink(temp.constData());
            taken = true;
        }
        if (taken) {
            written = name;
            return sync_folder_of(name) ? WriteResult::Ok : WriteResult::Unconfirmed;
        }
        if (errno != EEXIST) break;
    }
    return WriteResult::Failed;
}

} // namespace

bool file_exists(const QString& name) {
    const QFileInfo info(name);
    if (!info.exists() || info.isDir()) return false;
    // On a folder that ignores case, "ALLITEM.SNE" would also find
    // "allitem.sne"; only the exact name counts.
    // Compared name by name: a name filter would build a pattern each time.
    QDirIterator entries(info.absolutePath(), QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext())
        if (entries.nextFileInfo().fileName() == info.fileName()) return true;
    return false;
}

bool delete_file(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    if (::unlink(path.constData()) == 0) return true;
    return errno == ENOENT;
}

bool flush_folder_of(const QString& name) {
    return sync_folder_of(name);
}

bool rename_file(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::rename(source.constData(), target.constData()) != 0) return false;
    // The rename has happened; a failed folder flush cannot undo it.
    sync_folder_of(to);
    return true;
}

WriteResult replace_with(const QString& temp, const QString& name) {
    const QByteArray path = QFile::encodeName(temp);
    if (!sync_file(path)) return WriteResult::Failed;
    return rename_into_place(path, name);
}

WriteResult move_to_free_name(const QString& temp, const std::function<QString(int)>& name_for,
                              QString& written) {
    const QByteArray path = QFile::encodeName(temp);
    if (!sync_file(path)) return WriteResult::Failed;
    return rename_to_free_name(path, name_for, written);
}

WriteResult write_file_atomically(const QString& name, const QByteArray& bytes,
                                  const std::function<bool()>& before_replace) {
    // By hand rather than with QSaveFile: QSaveFile ignores the result of
    // its flush and adds a second one, and each flush to disk is the bulk of
    // the cost of a save.
    QByteArray temp = temp_template(name);
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return WriteResult::Failed;
    bool ok = ::fchmod(fd, 0666 & ~current_umask()) == 0 && write_all(fd, bytes) && sync_fd(fd);
    ok = ::close(fd) == 0 && ok;
    // Only a complete, flushed file takes the name; otherwise the old file
    // stays and the temporary file goes.
    if (ok && before_replace) ok = before_replace();
    if (!ok) {
        ::unlink(temp.constData());
        return WriteResult::Failed;
    }
    return rename_into_place(temp, name);
}

WriteResult write_new_file(const std::function<QString(int)>& name_for, const QByteArray& bytes,
                           QString& written) {
    QByteArray temp = temp_template(name_for(1));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return WriteResult::Failed;
    bool ok = ::fchmod(fd, 0666 & ~current_umask()) == 0 && write_all(fd, bytes) && sync_fd(fd);
    ok = ::close(fd) == 0 && ok;
    const WriteResult result =
        ok ? rename_to_free_name(temp, name_for, written) : WriteResult::Failed;
    if (result == WriteResult::Failed) ::unlink(temp.constData());
    return result;
}

WriteResult write_temporary(const QString& name, const QByteArray& bytes, QString& temp) {
    QByteArray path = temp_template(name);
    const int fd = ::mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0) return WriteResult::Failed;
    bool ok = ::fchmod(fd, 0666 & ~current_umask()) == 0 && write_all(fd, bytes) && sync_fd(fd);
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(path.constData());
        return WriteResult::Failed;
    }
    temp = QFile::decodeName(path);
    return WriteResult::Ok;
}

bool move_entry_to_free_name(const QString& from, const std::function<QString(int)>& name_for,
                             QString& taken) {
    const QByteArray source = QFile::encodeName(from);
    for (int n = 1; n < 1000; ++n) {
        const QString name = name_for(n);
        const QByteArray target = QFile::encodeName(name);
        int r = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                            RENAME_NOREPLACE);
        if (r != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // No such rename here: the name is looked at first (one program
            // writes the folder at a time).
            struct stat st;
            if (::lstat(target.constData(), &st) == 0) continue;
            r = ::rename(source.constData(), target.constData());
        }
        if (r == 0) {
            taken = name;
            sync_folder_of(name);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

WriteResult keep_copy(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    QByteArray temp;
    if (link_to_temporary(source, to, temp)) {
        // The link shares the file's bytes; flushed in case they never were.
        if (!sync_file(temp)) {
            ::unlink(temp.constData());
            return WriteResult::Failed;
        }
        return rename_into_place(temp, to);
    }
    // A folder without hard links (a memory stick, a network share): a copy.
    QByteArray bytes;
    if (!read_whole_file(from, bytes)) return WriteResult::Failed;
    return write_file_atomically(to, bytes);
}

FolderResult make_folder(const QString& name) {
    if (::mkdir(QFile::encodeName(name).constData(), 0777) != 0)
        return errno == EEXIST ? FolderResult::Exists : FolderResult::Failed;
    return sync_folder_of(name) ? FolderResult::Made : FolderResult::Failed;
}

bool is_temporary_of(const QString& entry, const QString& file_name) {
    const QString prefix = QStringLiteral(".") + file_name + QStringLiteral(".");
    if (entry.size() != prefix.size() + 6 || !entry.startsWith(prefix)) return false;
    for (qsizetype i = prefix.size(); i < entry.size(); ++i) {
        const char16_t c = entry[i].unicode();
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

bool read_whole_file(const QString& name, QByteArray& bytes) {
    return read_checked(name, bytes) == ReadResult::Ok;
}
