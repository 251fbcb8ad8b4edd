#include "book/safety_copy.h"
#include "book/data_files.h"

#include <QFileInfo>
#include <unistd.h>

namespace {

BakProblem why_not_kept(const QString& bak) {
    const QFileInfo info(bak);
    if (info.isDir()) return BakProblem::Folder;
    if (info.exists() && info.ownerId() != ::geteuid()) return BakProblem::NotOurs;
    return BakProblem::Other;
}

} // namespace

SavedHrm dat_to_hrm_keeping_bak() {
    const QString hrm = QString::fromLatin1(kHrmFile);
    const QString bak = QString::fromLatin1(kBakFile);
    SavedHrm saved;
    QByteArray bytes;
    if (read_whole_file(QString::fromLatin1(kDatFile), bytes)) {
        saved.written = write_file_atomically(hrm, pair_swap(bytes), [&] {
            if (file_exists(hrm) && !is_written(keep_copy(hrm, bak))) saved.bak = why_not_kept(bak);
            return true;
        });
        if (!is_written(saved.written)) saved.bak = BakProblem::None;
    }
    delete_file(QString::fromLatin1(kDatFile));
    return saved;
}
