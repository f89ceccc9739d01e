#include "customersave.h"

#include "frmhoken.h"

#include "ui/app/formmenu.h"
#include "ui/app/messageservice.h"
#include "ui/app/windowregistry.h"

#include "engine/needs/customerrecord.h"
#include "store/customers.h"

#include <QCursor>
#include <QGuiApplication>

namespace izoku::ui {

bool OpenCustomer(QWidget *parent, WindowRegistry &registry, const QString &databasePath, qint64 key)
{
    const std::optional<engine::CustomerRecord> record = store::ReadCustomerRecord(databasePath, key);
    if (!record) {
        Messages().show(parent, engine::ReadFailedMessage());
        return false;
    }
    auto *needs = qobject_cast<Frmhoken *>(registry.window(screen::Needs));
    return needs && needs->reopenCustomer(*record, key);
}

Frmhoken::SaveResult SaveCustomer(QWidget *parent, const engine::FrmhokenForm &form, const QDate &today,
                                  const QString &databasePath, qint64 customerKey)
{
    enum { Overwrite, SaveAsNew, Cancel };
    int choice = SaveAsNew;
    if (customerKey >= 0) {
        choice = Messages().choose(
            parent, engine::SaveAgainQuestion(),
            {QStringLiteral("上書き保存"), QStringLiteral("新規に保存"), QStringLiteral("キャンセル")});
    } else if (Messages().ask(parent, engine::RegisterQuestion()) != Answer::Yes) {
        choice = Cancel;
    }
    if (choice != Overwrite && choice != SaveAsNew)
        return {customerKey, false};
    const engine::CustomerRecord record = engine::CustomerRecordOf(form, today);
    // Another copy of the program may hold the file for a moment; the window
    // goes on painting meanwhile.
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const store::WriteOutcome outcome = choice == Overwrite
                                            ? store::OverwriteCustomerRecord(databasePath, customerKey, record)
                                            : store::SaveCustomerRecord(databasePath, record);
    QGuiApplication::restoreOverrideCursor();
    if (outcome.written())
        return {outcome.key, true};
    Messages().show(parent, store::WriteFailedMessage(outcome.failure, store::WriteKind::Save, databasePath));
    // The row reopened was a row of the file another has replaced: the
    // household is saved as a new one into the file now in use.
    return {outcome.failure == store::WriteFailure::Replaced ? Frmhoken::kNewCustomer : customerKey, false};
}

} // namespace izoku::ui
