#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace izoku::test {

// A private copy of the shipped ndata.mdb, so a test can change it freely.
inline QString CopyDatabase(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("ndata.mdb"));
    QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

} // namespace izoku::test
