#include "fileondisk.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace izoku::store {

namespace {

// Bytes 18 and 19 of an SQLite header, the file format's write and read
// versions, are 2 in write-ahead-log mode.
constexpr int kHeaderBytes = 20;
constexpr int kWriteVersion = 18;
constexpr int kReadVersion = 19;
constexpr char kWalVersion = 2;

bool writable(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

} // namespace

std::optional<FileIdentity> IdentityOf(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino)};
}

bool WritableInPlace(const QString &path)
{
    return writable(path) && writable(QFileInfo(path).absolutePath());
}

bool InWalMode(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(kHeaderBytes);
    return header.size() == kHeaderBytes && header.startsWith(QByteArrayLiteral("SQLite format 3")) &&
           header[kWriteVersion] == kWalVersion && header[kReadVersion] == kWalVersion;
}

} // namespace izoku::store
