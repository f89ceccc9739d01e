#pragma once

// Private copies of the shipped ndata.mdb for tests that change it, and
// what they hold.

#include "store/customerlist.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace izoku::test {

// A copy of the shipped ndata.mdb in `dir`, writable.
inline QString CopyDatabase(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("ndata.mdb"));
    QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// A copy of the shipped ndata.mdb in a folder of its own, removed with it.
class DatabaseCopy {
  public:
    DatabaseCopy()
        : m_path(CopyDatabase(m_dir))
    {
    }
    QString path() const { return m_path; }

  private:
    QTemporaryDir m_dir;
    QString m_path;
};

// The husband's name of every saved household, in the list's order.
inline QStringList SavedHusbands(const QString &path)
{
    const store::CustomerListModel list(path);
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row)
        names << list.record(row).value_or(engine::CustomerRecord()).persons[engine::HouseholdIndex::Husband].name;
    return names;
}

// Makes a file or a folder read-only (or writable again).  Permission bits do not stop
// root, whom CI runs as, so there the file is also made immutable.  Returns
// false when the file could still be written.
inline bool SetReadOnly(const QString &path, bool readOnly)
{
    // A folder keeps its owner's way in, so the file in it can still be read.
    const QFile::Permissions way = QFileInfo(path).isDir() ? QFile::ExeOwner : QFile::Permissions();
    QFile::setPermissions(path, way | (readOnly ? QFile::ReadOwner : QFile::ReadOwner | QFile::WriteOwner));
    if (::geteuid() == 0) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = readOnly ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        if (!ok)
            return !readOnly;
    }
    if (QFileInfo(path).isDir())
        return !readOnly || ::access(QFile::encodeName(path).constData(), W_OK) != 0;
    return !readOnly || !QFile(path).open(QIODevice::ReadWrite);
}

// Keeps a file read-only for as long as it lives, so a failing test leaves
// nothing immutable behind.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(QString path)
        : m_path(std::move(path))
        , m_ok(SetReadOnly(m_path, true))
    {
    }
    ~ReadOnlyFile() { SetReadOnly(m_path, false); }
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    // Whether the file really is read-only now.
    bool ok() const { return m_ok; }

  private:
    QString m_path;
    bool m_ok;
};

} // namespace izoku::test
