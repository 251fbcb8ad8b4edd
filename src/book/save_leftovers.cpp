#include "book/save_leftovers.h"
#include "book/data_files.h"
#include "book/payments_file.h"
#include "book/safety_copy.h"

#include <QDateTime>
#include <QDir>
#include <unistd.h>

int remove_save_leftovers(qint64 min_age_seconds) {
    const QDateTime before = QDateTime::currentDateTime().addSecs(-min_age_seconds);
    const QStringList written = {QString::fromLatin1(kDatFile), QString::fromLatin1(kHrmFile),
                                 QString::fromLatin1(kBakFile), QString::fromLatin1(kPayFile),
                                 QString::fromLatin1(kPayBakFile)};
    int removed = 0;
    // Symbolic links and folders are never taken for a leftover.
    const QFileInfoList entries =
        QDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        for (const QString& name : written) {
            if (is_temporary_of(entry.fileName(), name)) {
                if (min_age_seconds > 0 &&
                    (entry.ownerId() != ::geteuid() || entry.lastModified() > before))
                    break;
                if (delete_file(entry.fileName())) ++removed;
                break;
            }
        }
    }
    return removed;
}
