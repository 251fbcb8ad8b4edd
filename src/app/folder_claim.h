#pragma once
// Start-up of the window on a working folder: this program takes the
// folder's lock; when another TAVU holds it, the user chooses between
// opening the book read-only and stopping.

#include "book/folder_lock.h"
#include "book/write_guard.h"

namespace app {

// Takes the lock of the current working folder and sets `guard` for the
// window. False when the user chose to stop.
bool claim_working_folder(FolderLock& lock, WriteGuard& guard);

} // namespace app
