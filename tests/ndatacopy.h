#pragma once

// Private copies of the shipped ndata.mdb for tests that change it, and
// what they hold.

#include "engine/basedata/basedata.h"
#include "store/customerlist.h"
#include "store/databaseconnection.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace izoku::test {

// The newest row of the shipped ndata.mdb, the figures the program computes
// with from its first start.
inline constexpr engine::BaseData kShipped2026{2026, 1, 847300, 243800, 81300, 844900, 1.082};

// The shape of a copy: as shipped, or as files were written before the
// rows of today's law came: the 2009 row alone, and no column for B′ or the
// 従前額改定率.
enum class Shape { Shipped, Fiscal2009Only };

// Makes the file at `path` one written before today's law.
inline bool MakeFiscal2009Only(const QString &path)
{
    const store::DatabaseConnection connection(path, store::Access::ReadWrite);
    QSqlQuery query(connection.database());
    for (const char *sql :
         {"DELETE FROM \"基礎DATA\" WHERE \"年度\" <> 2009", "ALTER TABLE \"基礎DATA\" DROP COLUMN \"基礎年金昭31前\"",
          "ALTER TABLE \"基礎DATA\" DROP COLUMN \"従前額改定率\""}) {
        if (!query.exec(QString::fromUtf8(sql)))
            return false;
    }
    return true;
}

// A copy of the shipped ndata.mdb in `dir`, writable.
inline QString CopyDatabase(const QTemporaryDir &dir, Shape shape = Shape::Shipped)
{
    const QString path = dir.filePath(QStringLiteral("ndata.mdb"));
    QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    if (shape == Shape::Fiscal2009Only && !MakeFiscal2009Only(path))
        QFile::remove(path);
    return path;
}

// A copy of the shipped ndata.mdb in a folder of its own, removed with it.
class DatabaseCopy {
  public:
    explicit DatabaseCopy(Shape shape = Shape::Shipped)
        : m_path(CopyDatabase(m_dir, shape))
    {
    }
    QString path() const { return m_path; }

  private:
    QTemporaryDir m_dir;
    QString m_path;
};

// One query's first value, read on a connection of its own (nothing when the
// query fails or gives no row).
inline QVariant Scalar(const QString &path, const QString &sql)
{
    const store::DatabaseConnection connection(path, store::Access::ReadOnly);
    QSqlQuery query(connection.database());
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}

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
