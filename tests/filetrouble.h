#pragma once

// What befalls a customer file beside the program, for the tests of what
// the program then does: another program holding or abandoning it, a
// damaged page.

#include "store/databaseconnection.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QString>
#include <QTest>

namespace izoku::test {

// Another program on the file: the sqlite3 shell, stopped after `script`
// with whatever it holds, until it is killed or let go.
class OtherProgram {
  public:
    OtherProgram(const QString &path, const QString &script)
    {
        m_shell.start(QStringLiteral(IZOKU_SQLITE3), {QStringLiteral("-bail"), path});
        m_shell.write((script + QStringLiteral("\n.print held\n")).toUtf8());
        while (!m_shell.readAllStandardOutput().contains("held") && m_shell.waitForReadyRead(10000)) {
        }
    }
    ~OtherProgram() { kill(); }
    OtherProgram(const OtherProgram &) = delete;
    OtherProgram &operator=(const OtherProgram &) = delete;

    // As a crash or a power cut ends it: nothing is cleaned up.
    void kill()
    {
        m_shell.kill();
        m_shell.waitForFinished();
    }
    // It ends as a program closing the file does.
    void letGo()
    {
        m_shell.closeWriteChannel();
        m_shell.waitForFinished();
    }

  private:
    QProcess m_shell;
};

// Overwrites one leaf page of 顧客資料 in the middle of the table, which
// needs a few hundred households.
inline void DamageCustomerPage(const QString &path)
{
    qint64 page = 0;
    qint64 pageSize = 0;
    {
        const store::DatabaseConnection connection(path, store::Access::ReadOnly);
        QSqlQuery query(connection.database());
        QVERIFY(query.exec(QStringLiteral("SELECT pageno FROM dbstat WHERE name = '顧客資料' AND pagetype = 'leaf'"
                                          " ORDER BY pageno LIMIT 1 OFFSET 3")) &&
                query.next());
        page = query.value(0).toLongLong();
        QVERIFY(query.exec(QStringLiteral("PRAGMA page_size")) && query.next());
        pageSize = query.value(0).toLongLong();
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek((page - 1) * pageSize));
    QCOMPARE(file.write(QByteArray(static_cast<int>(pageSize), '\xff')), pageSize);
}

} // namespace izoku::test
