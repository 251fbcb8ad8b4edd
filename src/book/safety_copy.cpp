#include "book/safety_copy.h"
#include "book/data_files.h"

#include <QFileInfo>
#include <unistd.h>

BakProblem why_bak_not_kept(const QString& bak) {
    const QFileInfo info(bak);
    if (info.isDir()) return BakProblem::Folder;
    if (info.exists() && info.ownerId() != ::geteuid()) return BakProblem::NotOurs;
    return BakProblem::Other;
}

namespace {

// Keeps the file `target` ("allitem.hrm" or the file its link leads to) as
// "allitem.bak".
bool keep_bak(const QString& hrm, const QString& target, const QString& bak) {
    if (target == hrm) return is_written(keep_copy(hrm, bak));
    // A hard link to the link would keep the link, not the book.
    QByteArray old;
    return read_whole_file(target, old) && is_written(write_file_atomically(bak, old));
}

} // namespace

SavedFile dat_to_hrm_keeping_bak(const std::function<bool()>& may_replace) {
    const QString hrm = QString::fromLatin1(kHrmFile);
    const QString bak = QString::fromLatin1(kBakFile);
    const QString dat = QString::fromLatin1(kDatFile);
    const QString target = write_target_of(hrm);
    SavedFile saved;
    QByteArray bytes;
    if (read_whole_file(dat, bytes)) {
        saved.written = write_file_atomically(target, pair_swap(bytes), [&] {
            if (may_replace && !may_replace()) return false;
            if (file_exists(target) && !keep_bak(hrm, target, bak))
                saved.bak = why_bak_not_kept(bak);
            return true;
        });
        if (!is_written(saved.written)) saved.bak = BakProblem::None;
    }
    delete_file(dat);
    return saved;
}
