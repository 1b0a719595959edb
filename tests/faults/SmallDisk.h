#pragma once

// A small tmpfs of its own, mounted for one test, that a test fills up to leave as
// much room as it wants. Mounting needs root; without it the test skips itself.

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kivora::test {

class SmallDisk : public ::testing::Test
{
protected:
    // Size of the file system in kilobytes: room for a program folder seeded with the
    // default data.
    explicit SmallDisk(int kilobytes = 16384)
        : m_kilobytes(kilobytes)
    { }

    void SetUp() override;
    void TearDown() override;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const;
    void writeBytes(const QString &name, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &name) const;
    // Fills the disk with a dummy file so that about freeBytes stay free (whole pages).
    void fill(qint64 freeBytes = 0);
    // The reason a failed write gives for a full disk, in the program's language.
    static QString noSpace();

private:
    int m_kilobytes;
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace kivora::test
