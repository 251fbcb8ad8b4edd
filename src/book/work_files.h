#pragma once
// File operations on the working folder. Names are plain file names (or
// paths) relative to the current working directory.

#include <QByteArray>
#include <QString>

enum class WriteResult { Ok, Failed };

// True when a file (not a folder) of exactly this name, case included, is
// present.
bool file_exists(const QString& name);

// Deletes the file. True when it is gone afterwards (also when it was never
// there).
bool delete_file(const QString& name);

// Renames `from` to `to`, replacing `to` if it exists, then flushes the
// folder so the new name survives a crash. True when the rename was done.
bool rename_file(const QString& from, const QString& to);

// Writes `bytes` as the file `name` so that it appears whole or not at all:
// a temporary file in the same folder is written in full, flushed to disk,
// renamed over `name`, then the folder is flushed. On any failure the
// temporary file is removed, the previous file stays as it was and Failed is
// returned.
WriteResult write_file_atomically(const QString& name, const QByteArray& bytes);

// Reads the whole file; false when it cannot be opened or read.
bool read_whole_file(const QString& name, QByteArray& bytes);
