#include "databaseconnection.h"

#include "fileondisk.h"
#include "lockwait.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUrl>

namespace izoku::store {

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("ndata-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString busyTimeout()
{
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kLockWaitMs);
}

QString fileUri(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

// The driver opens lazily; the first read shows whether the file can be
// read at all.  The error that stopped it, if any.
QSqlError openWith(QSqlDatabase &db, const QString &name, const QString &options)
{
    db.setDatabaseName(name);
    db.setConnectOptions(options);
    if (!db.open())
        return db.lastError();
    QSqlQuery probe(db);
    if (probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) && probe.next())
        return {};
    QSqlError error = probe.lastError();
    if (!error.isValid())
        error = QSqlError(QStringLiteral("ndata.mdb cannot be read"), name, QSqlError::ConnectionError);
    probe.finish();
    db.close();
    return error;
}

} // namespace

DatabaseConnection::DatabaseConnection(const QString &path, Access access)
    : m_name(nextConnectionName())
{
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // The SQLite driver would create a missing file; the program never does.
    if (!QFileInfo(path).isFile()) {
        m_error = QSqlError(QStringLiteral("ndata.mdb not found"), path, QSqlError::ConnectionError);
        return;
    }
    if (access == Access::ReadOnly)
        openReadOnly(path);
    else
        openReadWrite(path);
}

void DatabaseConnection::openReadOnly(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    const QString readOnly = busyTimeout() + QStringLiteral(";QSQLITE_OPEN_READONLY");
    // A save that another program left cut short (killed, the power gone)
    // leaves its journal, which a reader cannot roll back: it would read
    // nothing.  Where the file may be written, a writer's connection rolls
    // it back first; SQLite leaves the journal of a save still going alone.
    if (QFileInfo(path + QStringLiteral("-journal")).size() > 0 && WritableInPlace(path)) {
        const DatabaseConnection writer(path, Access::ReadWrite);
        QSqlQuery(writer.database()).exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
    }
    // A file in rollback-journal mode is read under its locks, as always.
    if (!InWalMode(path)) {
        m_error = openWith(db, path, readOnly);
        return;
    }
    // A reader of a file in write-ahead-log mode creates the -wal and -shm
    // files if they are missing and, being a reader, can never remove them;
    // where the folder cannot be written it cannot read at all.  Without a
    // -wal file no one is writing and every committed row is in the file
    // itself, which is then read as it stands.  While a writer has both
    // open, its uncheckpointed rows are read through them.
    const bool walInUse =
        QFileInfo::exists(path + QStringLiteral("-wal")) && QFileInfo::exists(path + QStringLiteral("-shm"));
    if (walInUse && !openWith(db, path, readOnly).isValid())
        return;
    m_error =
        openWith(db, fileUri(path) + QStringLiteral("?immutable=1"), readOnly + QStringLiteral(";QSQLITE_OPEN_URI"));
}

void DatabaseConnection::openReadWrite(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    // The URI's mode keeps SQLite from creating a file that vanished after
    // the check for it.
    db.setDatabaseName(fileUri(path) + QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;") + busyTimeout());
    if (!db.open()) {
        m_error = db.lastError();
        return;
    }
    {
        QSqlQuery synchronous(db);
        if (!synchronous.exec(QStringLiteral("PRAGMA synchronous = FULL")))
            m_error = synchronous.lastError();
    }
    if (m_error.isValid())
        db.close();
}

DatabaseConnection::~DatabaseConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

bool DatabaseConnection::isOpen() const
{
    return QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase DatabaseConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

} // namespace izoku::store
