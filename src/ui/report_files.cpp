#include "ui/report_files.h"
#include "ui/message_box.h"

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

WriteResult write_report_csv(const QByteArray& bytes, const QString& report, const QString& out,
                             const QString& folder, QString& written) {
    if (!out.isEmpty()) {
        written = out;
        return write_file_atomically(out, bytes);
    }
    // A working folder that is gone has no path; nothing goes elsewhere.
    if (folder.isEmpty() || !QDir(folder).exists()) return WriteResult::Failed;
    const QString stamp = report_stamp();
    return write_new_file(
        [&](int n) { return report_file_path(folder, report, stamp, n, QStringLiteral("csv")); },
        bytes, written);
}

void write_csv_and_tell(const QByteArray& bytes, const QString& report, const QString& what) {
    QString written;
    if (!is_written(write_report_csv(bytes, report, QString(), QDir::currentPath(), written))) {
        msg_box(QStringLiteral("ＣＳＶ が 書かれへんかってん ！") + kGap +
                    QStringLiteral("フォルダ「%1」の 空きと 書き込みの 許可を 見てや ！")
                        .arg(QDir::toNativeSeparators(QDir::currentPath())),
                Icon::Critical);
        return;
    }
    msg_box(what + QStringLiteral("ＣＳＶ に 書き出したで ！") + kGap +
                QDir::toNativeSeparators(written),
            Icon::Information);
}

} // namespace ui
