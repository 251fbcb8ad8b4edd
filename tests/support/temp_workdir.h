#pragma once
// Every test runs in a working folder of its own, as the program does.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class TempWorkdir : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Path of a file in the working folder.
    QString path(const QString& name) const;
    bool exists(const QString& name) const;
    QByteArray read_bytes(const QString& name) const;
    void write_bytes(const QString& name, const QByteArray& bytes) const;
    // Names of the files in the working folder, sorted.
    QStringList files() const;

private:
    QTemporaryDir dir_;
    QString previous_dir_;
};
