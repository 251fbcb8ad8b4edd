#include "support/temp_workdir.h"

#include <QDir>
#include <QFile>

void TempWorkdir::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    previous_dir_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
}

void TempWorkdir::TearDown() {
    QDir::setCurrent(previous_dir_);
}

QString TempWorkdir::path(const QString& name) const {
    return dir_.filePath(name);
}

bool TempWorkdir::exists(const QString& name) const {
    return QFile::exists(path(name));
}

QByteArray TempWorkdir::read_bytes(const QString& name) const {
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void TempWorkdir::write_bytes(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QStringList TempWorkdir::files() const {
    return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
