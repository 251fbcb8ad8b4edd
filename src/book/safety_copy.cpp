#include "book/safety_copy.h"
#include "book/data_files.h"

WriteResult dat_to_hrm_keeping_bak(const std::function<bool()>& may_replace) {
    const QString hrm = QString::fromLatin1(kHrmFile);
    const QString bak = QString::fromLatin1(kBakFile);
    const QString dat = QString::fromLatin1(kDatFile);
    const QString target = write_target_of(hrm);
    QByteArray bytes;
    WriteResult result = WriteResult::Failed;
    if (read_whole_file(dat, bytes)) {
        result = write_file_atomically(target, pair_swap(bytes), [&] {
            if (may_replace && !may_replace()) return false;
            if (!file_exists(target)) return true;
            if (target == hrm) return keep_copy(hrm, bak) == WriteResult::Ok;
            // A hard link to the link would keep the link, not the book.
            QByteArray old;
            return read_whole_file(target, old) &&
                   write_file_atomically(bak, old) == WriteResult::Ok;
        });
    }
    delete_file(dat);
    return result;
}
