#include "book/file_checks.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ReadResult problem_of_errno(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return ReadResult::Missing;
    case ELOOP:
        return ReadResult::NotRegular;
    default:
        return ReadResult::Unreadable;
    }
}

ReadResult problem_of_stat(const struct stat& st, qint64 limit) {
    if (!S_ISREG(st.st_mode)) return ReadResult::NotRegular;
    if (st.st_size > limit) return ReadResult::TooLarge;
    return ReadResult::Ok;
}

// Reads at most limit + 1 bytes: a file that grew past the limit since its
// size was looked at is still refused, without reading all of it.
ReadResult read_fd(int fd, QByteArray& bytes, qint64 limit) {
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ReadResult::Unreadable;
        if (n == 0) return ReadResult::Ok;
        bytes.append(buffer, n);
        if (bytes.size() > limit) return ReadResult::TooLarge;
    }
}

} // namespace

ReadResult read_checked(const QString& name, QByteArray& bytes, FileStamp* stamp, qint64 limit) {
    const QByteArray path = QFile::encodeName(name);
    FileStamp seen;
    bytes.clear();
    // The type is looked at before opening: opening some devices acts.
    struct stat st;
    if (::stat(path.constData(), &st) != 0) {
        seen.state = problem_of_errno(errno);
    } else if ((seen.state = problem_of_stat(st, limit)) == ReadResult::Ok) {
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            seen.state = problem_of_errno(errno);
        } else {
            // What was opened may not be what was looked at.
            if (::fstat(fd, &st) != 0)
                seen.state = ReadResult::Unreadable;
            else if ((seen.state = problem_of_stat(st, limit)) == ReadResult::Ok)
                seen.state = read_fd(fd, bytes, limit);
            ::close(fd);
        }
    }
    if (seen.state == ReadResult::Ok) {
        seen.size = bytes.size();
        seen.mtime_ns = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        if (stamp) seen.hash = stamp_hash(bytes); // only a caller that compares later
    } else {
        bytes.clear();
    }
    if (stamp) *stamp = seen;
    return seen.state;
}

FileStamp stamp_file(const QString& name) {
    QByteArray bytes;
    FileStamp stamp;
    read_checked(name, bytes, &stamp);
    return stamp;
}

QByteArray stamp_hash(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

bool entry_exists(const QString& name) {
    const QFileInfo info(name);
    struct stat st;
    if (::lstat(QFile::encodeName(name).constData(), &st) != 0) return false;
    // On a folder that ignores case only the exact name counts.
    QDirIterator entries(info.absolutePath(),
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext())
        if (entries.nextFileInfo().fileName() == info.fileName()) return true;
    return false;
}

bool is_regular_file(const QString& name) {
    struct stat st;
    return ::stat(QFile::encodeName(name).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString write_target_of(const QString& name) {
    const QFileInfo info(name);
    if (!info.isSymLink()) return name;
    // A link to nothing yet: the file it names is made.
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}
