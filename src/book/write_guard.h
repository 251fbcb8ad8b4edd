#pragma once
// Whether a window may write its book, and why not. Every command that
// writes (a save, 新しい期間, deleting or reordering items, name editing)
// asks first (ui::write_allowed, which tells the user why not) and stops
// when it may not. Printing and the CSV only read the book and never ask.
//
// A window that may not write also never tidies its folder: no leftover of
// another program's save is removed, no older file converted or renamed.
// A new reason to open a book read-only is a value of Reason with its words
// in ui/write_refusal.cpp.

class WriteGuard {
public:
    enum class Reason {
        None,          // the book may be written
        HeldByAnother, // another TAVU holds the working folder's lock
        PastPeriod,    // a closed period opened from 過去の期間
    };

    // A book that may be written, in a folder this program may tidy.
    WriteGuard() = default;
    static WriteGuard read_only(Reason reason) {
        WriteGuard guard;
        guard.reason_ = reason;
        guard.tidy_ = false;
        return guard;
    }
    // The folder's lock could not be taken at all (no lock file can be made
    // there): the book may be written as before, the folder is not tidied.
    static WriteGuard without_lock() {
        WriteGuard guard;
        guard.tidy_ = false;
        return guard;
    }

    Reason reason() const { return reason_; }
    bool read_only() const { return reason_ != Reason::None; }
    // Whether start-up may remove leftovers and convert or rename files.
    bool may_tidy_folder() const { return tidy_; }

private:
    Reason reason_ = Reason::None;
    bool tidy_ = true;
};
