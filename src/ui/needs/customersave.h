#pragma once

#include "frmhoken.h"

#include <QDate>
#include <QString>

class QWidget;

namespace izoku::ui {

class WindowRegistry;

// "開く" on the customer list: reads row `key` of the file at
// `databasePath` afresh and reopens it on the registry's needs-analysis
// screen; a row that cannot be read is said.  Returns whether the household
// is now on the screen.
bool OpenCustomer(QWidget *parent, WindowRegistry &registry, const QString &databasePath, qint64 key);

// 保 存 on the needs-analysis screen: asks "登録します", appends the household
// to 顧客資料 of the file at `databasePath` and, when that fails, says why;
// the form is never changed, so the agent can try again.  A household
// reopened from row `customerKey` may instead be saved over that row.
// Returns whether it was saved and the key of the row that holds the
// household now: the new row, or `customerKey` when nothing was saved (-1
// when another file has replaced the one the row was in).
Frmhoken::SaveResult SaveCustomer(QWidget *parent, const engine::FrmhokenForm &form, const QDate &today,
                                  const QString &databasePath, qint64 customerKey = Frmhoken::kNewCustomer);

} // namespace izoku::ui
