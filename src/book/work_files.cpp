#include "book/work_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Flushes the folder entry of `name` to disk, so that a rename or a new
// file survives a power loss.
bool sync_folder_of(const QString& name) {
    const QByteArray folder = QFile::encodeName(QFileInfo(name).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    int r;
    do {
        r = ::fsync(fd);
    } while (r != 0 && errno == EINTR);
    ::close(fd);
    return r == 0;
}

} // namespace

bool file_exists(const QString& name) {
    const QFileInfo info(name);
    if (!info.exists() || info.isDir()) return false;
    // On a folder that ignores case, "ALLITEM.SNE" would also find
    // "allitem.sne"; only the exact name counts.
    const QStringList found = info.absoluteDir().entryList(
        {info.fileName()}, QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
    return found.contains(info.fileName());
}

bool delete_file(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    if (::unlink(path.constData()) == 0) return true;
    return errno == ENOENT;
}

bool rename_file(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::rename(source.constData(), target.constData()) != 0) return false;
    // The rename has happened; a failed folder flush cannot undo it.
    sync_folder_of(to);
    return true;
}

WriteResult write_file_atomically(const QString& name, const QByteArray& bytes) {
    QSaveFile file(name);
    // Writing straight into the target when no temporary file can be made
    // would tear the user's file on a failure.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return WriteResult::Failed;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return WriteResult::Failed;
    }
    // QSaveFile syncs too but ignores the result; a failed fsync means the
    // bytes may not be on disk, so the old file must stay.
    int r;
    do {
        r = ::fsync(file.handle());
    } while (r != 0 && errno == EINTR);
    if (r != 0) {
        file.cancelWriting();
        file.commit();
        return WriteResult::Failed;
    }
    if (!file.commit()) return WriteResult::Failed; // QSaveFile removed its temporary file
    return sync_folder_of(name) ? WriteResult::Ok : WriteResult::Failed;
}

bool read_whole_file(const QString& name, QByteArray& bytes) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}
