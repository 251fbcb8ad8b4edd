#include "book/safety_copy.h"
#include "book/data_files.h"

WriteResult dat_to_hrm_keeping_bak() {
    const QString hrm = QString::fromLatin1(kHrmFile);
    const QString dat = QString::fromLatin1(kDatFile);
    QByteArray bytes;
    WriteResult result = WriteResult::Failed;
    if (read_whole_file(dat, bytes)) {
        result = write_file_atomically(hrm, pair_swap(bytes), [&hrm] {
            return !file_exists(hrm) ||
                   keep_copy(hrm, QString::fromLatin1(kBakFile)) == WriteResult::Ok;
        });
    }
    delete_file(dat);
    return result;
}
