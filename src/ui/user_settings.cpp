#include "ui/user_settings.h"
#include "book/file_checks.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

namespace ui {

namespace {

constexpr qint64 kMaxSettingsSize = 64 * 1024;

QString settings_path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tavu/tavu.conf");
}

bool safe_to_read(const QString& path) {
    if (!entry_exists(path)) return true;
    QByteArray bytes;
    const ReadResult read = read_checked(path, bytes, nullptr, kMaxSettingsSize);
    return read == ReadResult::Ok || read == ReadResult::Missing;
}

} // namespace

std::unique_ptr<QSettings> user_settings() {
    const QString path = settings_path();
    if (safe_to_read(path))
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("tavu"), QStringLiteral("tavu"));
    static QTemporaryDir for_this_run;
    static bool told = false;
    if (!told) {
        std::fprintf(stderr,
                     "%s: ふつうの 小さい ファイルや あらへんから 読まへんで。"
                     "選んだ 設定は 今回だけや\n",
                     qPrintable(path));
        told = true;
    }
    return std::make_unique<QSettings>(for_this_run.filePath(QStringLiteral("tavu.conf")),
                                       QSettings::IniFormat);
}

} // namespace ui
