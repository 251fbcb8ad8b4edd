#include "ui/report_files.h"

#include <QDateTime>
#include <QDir>

namespace ui {

QString report_stamp() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

QString report_file_path(const QString& folder, const QString& report, const QString& stamp, int n,
                         const QString& suffix) {
    const QString name = n <= 1
                             ? QStringLiteral("%1-%2.%3").arg(report, stamp, suffix)
                             : QStringLiteral("%1-%2-%3.%4").arg(report, stamp).arg(n).arg(suffix);
    return QDir(folder).absoluteFilePath(name);
}

} // namespace ui
