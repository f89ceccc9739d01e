#include "lockwait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>

namespace izoku::store {

namespace {

// A pause between tries: short, so the file is taken soon after it is let go.
constexpr int kPauseMs = 10;

sqlite3 *nativeHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

// On the thread of the windows the pause runs their events, input aside;
// anywhere else it only sleeps.
void pauseFor(int milliseconds)
{
    const QCoreApplication *application = QCoreApplication::instance();
    if (!application || application->thread() != QThread::currentThread()) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

LockWait::LockWait(sqlite3 *handle)
    : m_handle(handle)
{
    if (m_handle)
        sqlite3_busy_handler(m_handle, &LockWait::onBusy, this);
}

LockWait::LockWait(const QSqlDatabase &db)
    : LockWait(nativeHandle(db))
{
}

LockWait::~LockWait()
{
    if (m_handle)
        sqlite3_busy_handler(m_handle, nullptr, nullptr);
}

bool LockWait::pause()
{
    if (!m_since.isValid())
        m_since.start();
    const qint64 left = kLockWaitMs - m_since.elapsed();
    if (left <= 0)
        return false;
    pauseFor(static_cast<int>(std::min<qint64>(left, kPauseMs)));
    return true;
}

int LockWait::onBusy(void *wait, int)
{
    return static_cast<LockWait *>(wait)->pause() ? 1 : 0;
}

} // namespace izoku::store
