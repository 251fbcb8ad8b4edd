#pragma once
// Reading a file of the working folder without trusting what bears its name.
// A FIFO would hang an ordinary read, a link to a device would feed it
// without end, a folder reads as nothing: only regular files are read,
// opened without blocking, and none beyond the size limit.

#include <QByteArray>
#include <QString>

// What became of a read: the first three from reading the file, Damaged from
// parsing what was read.
enum class ReadResult { Ok, Damaged, Missing, NotRegular, TooLarge, Unreadable };

// A full book is under 10 kB; nothing near this size is one.
inline constexpr qint64 kMaxDataFileSize = qint64(1) << 20;

// The state of a file when it was read: a save compares it with the file on
// disk, so that a book changed by another program is never replaced unseen.
struct FileStamp {
    ReadResult state = ReadResult::Missing;
    qint64 size = 0;
    qint64 mtime_ns = 0;
    QByteArray hash; // SHA-256 of the bytes
    bool operator==(const FileStamp&) const = default;
};

// Reads the whole file `name` (links followed) when it is a regular file of
// at most `limit` bytes. Ok, Missing (nothing of that name, or a link to
// nothing), NotRegular (a folder, FIFO, device, socket, a loop of links),
// TooLarge, or Unreadable (no permission, an input/output error). `stamp`,
// when given, receives the file's state as read.
ReadResult read_checked(const QString& name, QByteArray& bytes, FileStamp* stamp = nullptr,
                        qint64 limit = kMaxDataFileSize);

// The state of the file now, read as above.
FileStamp stamp_file(const QString& name);

// The SHA-256 of bytes, as a stamp holds it.
QByteArray stamp_hash(const QByteArray& bytes);

// True when anything at all has this exact name (case included): a file, a
// folder, a FIFO, a link, even one to nothing.
bool entry_exists(const QString& name);

// True when the name leads (through links) to a regular file.
bool is_regular_file(const QString& name);

// Where a write of `name` must go so that a symbolic link stays a link: the
// file it ends at (absolute), or `name` itself when it is no link.
QString write_target_of(const QString& name);
