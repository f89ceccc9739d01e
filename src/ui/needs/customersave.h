#pragma once

#include <QDate>
#include <QString>

class QWidget;

namespace izoku::engine {
struct FrmhokenForm;
}

namespace izoku::ui {

// 保 存 on the needs-analysis screen: asks "登録します", appends the household
// to 顧客資料 of the file at `databasePath` and, when that fails, says so;
// the form is never changed, so the agent can try again.  Returns whether a
// row was saved.
bool SaveCustomer(QWidget *parent, const engine::FrmhokenForm &form, const QDate &today, const QString &databasePath);

} // namespace izoku::ui
