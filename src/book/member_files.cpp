#include "book/member_files.h"

#include <QDir>
#include <QFileInfo>

QString member_file_name(int member, const QString& name, const QString& suffix) {
    static const QString kUnsafe = QStringLiteral("/\\:*?\"<>|");
    QString safe;
    for (const QChar c : name) {
        if (c.isSpace() || c == QChar(0x3000)) continue;
        safe += (kUnsafe.contains(c) || c.category() == QChar::Other_Control) ? QChar(u'_') : c;
    }
    const QString number = QStringLiteral("%1").arg(member + 1, 2, 10, QChar(u'0'));
    return (safe.isEmpty() ? number : number + u'_' + safe) + u'.' + suffix;
}

QString free_file_path(const QString& folder, const QString& file_name) {
    const QDir dir(folder);
    const QFileInfo info(file_name);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    QString candidate = file_name;
    for (int n = 2; QFileInfo::exists(dir.filePath(candidate)) ||
                    QFileInfo(dir.filePath(candidate)).isSymLink();
         ++n)
        candidate = base + QStringLiteral("-%1").arg(n) + suffix;
    return dir.filePath(candidate);
}
