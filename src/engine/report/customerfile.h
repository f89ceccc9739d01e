#pragma once

#include <QDate>
#include <QString>

namespace izoku::engine {

struct FrmhokenForm;

// The customer the consultation is for: the husband's name as typed, or the
// wife's when his is left empty; empty when neither is given.
QString CustomerName(const FrmhokenForm &form);

// The name a file for the customer is proposed under, e.g.
// "提案書_山田太郎_2026-12-08.pdf"; without a name, "提案書_2026-12-08.pdf".
QString CustomerFileName(const QString &kind, const FrmhokenForm &form, const QDate &today, const QString &suffix);

} // namespace izoku::engine
