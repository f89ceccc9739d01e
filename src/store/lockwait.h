#pragma once

#include <QElapsedTimer>

struct sqlite3;
class QSqlDatabase;

namespace izoku::store {

// How long another program holding ndata.mdb is waited for: longer than any
// save of a colleague's copy of the program, short enough that the agent is
// told soon after the other program has kept the file.
constexpr int kLockWaitMs = 2000;

// Waiting for another program that holds ndata.mdb (a colleague's copy of
// the program saving, a tool reading it): tried again and again for two
// seconds at most (kLockWaitMs), in short pauses during which the program's windows go
// on painting and its clock ticking, so the agent never sits before a
// frozen screen.  Input waits until the write is over, so nothing the agent
// presses meanwhile starts a second write.  Installed as the connection's
// busy handler for as long as it lives.
class LockWait {
  public:
    explicit LockWait(sqlite3 *handle);
    explicit LockWait(const QSqlDatabase &db);
    ~LockWait();
    LockWait(const LockWait &) = delete;
    LockWait &operator=(const LockWait &) = delete;

    // Pauses once and returns true, or returns false once the two seconds
    // since the first pause are over.
    bool pause();

  private:
    static int onBusy(void *wait, int count);

    sqlite3 *m_handle = nullptr;
    QElapsedTimer m_since;
};

} // namespace izoku::store
