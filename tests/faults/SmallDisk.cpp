#include "SmallDisk.h"

#include "core/MessageCatalog.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>

namespace kivora::test {

void SmallDisk::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    const QByteArray options = "size=" + QByteArray::number(m_kilobytes) + "k,mode=0755";
    if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    m_mounted = true;
}

void SmallDisk::TearDown()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString SmallDisk::filePath(const QString &name) const
{
    return QDir(m_dir.path()).filePath(name);
}

void SmallDisk::writeBytes(const QString &name, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(filePath(name)).absolutePath());
    QFile file(filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray SmallDisk::readBytes(const QString &name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void SmallDisk::fill(qint64 freeBytes)
{
    QFile filler(filePath(QStringLiteral("filler.bin")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered));
    const QByteArray page(4096, 'x');
    while (filler.write(page) == page.size()) { }
    if (freeBytes > 0) {
        const qint64 pages = (freeBytes + 4095) / 4096;
        ASSERT_TRUE(filler.resize(std::max<qint64>(0, filler.size() - pages * 4096)));
    }
}

QString SmallDisk::noSpace()
{
    return MessageCatalog()("Str400");
}

} // namespace kivora::test
