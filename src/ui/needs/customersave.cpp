#include "customersave.h"

#include "ui/app/messageservice.h"

#include "engine/needs/customerrecord.h"
#include "store/customers.h"

#include <QCursor>
#include <QGuiApplication>

namespace izoku::ui {

bool SaveCustomer(QWidget *parent, const engine::FrmhokenForm &form, const QDate &today, const QString &databasePath)
{
    if (Messages().ask(parent, engine::RegisterQuestion()) != Answer::Yes)
        return false;
    // Another copy of the program may hold the file for a moment.
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const store::WriteOutcome outcome = store::SaveCustomerRecord(databasePath, engine::CustomerRecordOf(form, today));
    QGuiApplication::restoreOverrideCursor();
    if (outcome.written())
        return true;
    Messages().show(parent, engine::SaveFailedMessage());
    return false;
}

} // namespace izoku::ui
