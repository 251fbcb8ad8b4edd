#include "book/folder_lock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FolderLock::~FolderLock() {
    release();
}

FolderLock::State FolderLock::take() {
    if (held()) return State::Held;
    path_ = QDir::current().absoluteFilePath(QString::fromLatin1(kLockFile));
    const QByteArray path = QFile::encodeName(path_);
    // A holder that ends removes the file after this program opened it: the
    // lock taken is then on a file no longer in the folder, so it tries again.
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int flags = O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
        int fd = ::open(path.constData(), O_RDWR | flags, 0666);
        // Another user's lock file can still be locked through reading.
        if (fd < 0 && errno == EACCES) fd = ::open(path.constData(), O_RDONLY | flags);
        if (fd < 0) return State::Unavailable;
        struct stat opened, named;
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            return State::Unavailable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
        }
        if (::stat(path.constData(), &named) == 0 && named.st_ino == opened.st_ino &&
            named.st_dev == opened.st_dev) {
            fd_ = fd;
            return State::Held;
        }
        ::close(fd);
    }
    return State::HeldElsewhere;
}

void FolderLock::release() {
    if (!held()) return;
    // Removed while still locked, so no other program locks the file that
    // is about to go.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
    fd_ = -1;
}
