#pragma once
// One TAVU writes a working folder at a time. The program that holds the
// folder's lock (an flock on ".allitem.lock" beside the book) saves and
// tidies it; any other opens the book read-only. The system drops an flock
// when its program ends in any way, so a crashed program leaves no lock
// behind, only a file that the next start locks again.

#include <QString>

inline const char* const kLockFile = ".allitem.lock";

class FolderLock {
public:
    enum class State {
        Held,          // this program holds the lock
        HeldElsewhere, // another program holds it
        Unavailable,   // no lock file can be made or opened here
    };

    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Tries once, without waiting, to lock the current working folder.
    State take();
    bool held() const { return fd_ >= 0; }
    // Removes the lock file and lets the lock go (also done on destruction).
    void release();

private:
    int fd_ = -1;
    QString path_;
};
