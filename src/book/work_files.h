#pragma once
// File operations on the working folder. Names are plain file names (or
// paths) relative to the current working directory.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// Unconfirmed: the new file has taken its name, but the disk did not
// confirm the folder's flush. The step is done (the rename cannot be taken
// back); a power loss soon after might still lose it.
enum class WriteResult { Ok, Unconfirmed, Failed };

// True when the file took its name (Ok or Unconfirmed).
inline bool is_written(WriteResult result) {
    return result != WriteResult::Failed;
}

// True when a file (not a folder) of exactly this name, case included, is
// present.
bool file_exists(const QString& name);

// Deletes the file. True when it is gone afterwards (also when it was never
// there).
bool delete_file(const QString& name);

// Renames `from` to `to`, replacing `to` if it exists, then flushes the
// folder so the new name survives a crash. True when the rename was done.
bool rename_file(const QString& from, const QString& to);

// Flushes the folder entry of `name` (a file or a folder) to disk, so that
// its creation or rename survives a power loss. False when the disk did not
// confirm it.
bool flush_folder_of(const QString& name);

// The last steps of the recipe below for a file written by other means (a
// PDF drawn by a painter): `temp`, in the folder of `name`, is flushed to
// disk and renamed over `name`, then the folder is flushed. On failure
// before the rename `temp` is left to the caller and `name` stays as it was.
WriteResult replace_with(const QString& temp, const QString& name);
// The same, onto the first free name name_for(1), name_for(2), ... (up to
// 999) as write_new_file takes it.
WriteResult move_to_free_name(const QString& temp, const std::function<QString(int)>& name_for,
                              QString& written);

// Writes `bytes` as the file `name` so that it appears whole or not at all:
// a temporary file in the same folder is written in full, flushed to disk,
// renamed over `name`, then the folder is flushed. On any failure the
// temporary file is removed, the previous file stays as it was and Failed is
// returned. The temporary file is named "." + the file's name + "." + six
// letters or digits. `before_replace`, when given, runs once the new file is
// whole on disk and just before it takes the name; when it returns false
// nothing is replaced and Failed is returned. Once the rename has happened
// the write is done: Ok, or Unconfirmed when the folder's flush failed.
WriteResult write_file_atomically(const QString& name, const QByteArray& bytes,
                                  const std::function<bool()>& before_replace = {});

// Writes `bytes` as a new file, whole or not at all, under the first name
// name_for(1), name_for(2), ... (up to 999) that is not taken: a file that
// is there, or appears meanwhile, is never replaced. The name taken goes to
// `written`. The temporary file follows the pattern above for name_for(1).
WriteResult write_new_file(const std::function<QString(int)>& name_for, const QByteArray& bytes,
                           QString& written);

// Writes `bytes` whole and flushed as a new temporary file of the pattern
// above for `name`, in the folder of `name`, and leaves it there for the
// caller to rename (or remove). Its path goes to `temp`.
WriteResult write_temporary(const QString& name, const QByteArray& bytes, QString& temp);

// Renames whatever bears the name `from` (a file, a folder, a FIFO, a link)
// onto the first free name name_for(1), name_for(2), ... (up to 999),
// never over anything there, without opening it. The name taken goes to
// `taken`.
bool move_entry_to_free_name(const QString& from, const std::function<QString(int)>& name_for,
                             QString& taken);

// Puts the same bytes as `from` in place as `to`, whole or not at all: a
// hard link (or, where the folder has none, a copy) under a temporary name of
// the pattern above is flushed to disk and renamed over `to`. On failure `to`
// stays as it was and no temporary file is left.
WriteResult keep_copy(const QString& from, const QString& to);

// True when `entry` (a plain file name) is a temporary file that an atomic
// write of `file_name` makes and an interrupted one leaves behind.
bool is_temporary_of(const QString& entry, const QString& file_name);

enum class FolderResult { Made, Exists, Failed };
// Makes the folder `name` (its parent must exist) and flushes the parent, so
// the new folder survives a crash. Exists when something of that name is
// already there: it is never taken over.
FolderResult make_folder(const QString& name);

// Reads the whole file; false when it cannot be opened or read, or is no
// regular file of at most 1 MiB (read_checked in file_checks.h).
bool read_whole_file(const QString& name, QByteArray& bytes);
