#include "customerfile.h"

#include "engine/needs/frmhokenform.h"

namespace izoku::engine {

QString CustomerName(const FrmhokenForm &form)
{
    for (int index : {HouseholdIndex::Husband, HouseholdIndex::Wife}) {
        const QString name = form.household.members[index].name.trimmed();
        if (!name.isEmpty())
            return name;
    }
    return {};
}

QString CustomerFileName(const QString &kind, const FrmhokenForm &form, const QDate &today, const QString &suffix)
{
    QStringList parts{kind};
    const QString name = CustomerName(form);
    if (!name.isEmpty())
        parts << name;
    parts << today.toString(Qt::ISODate);
    return parts.join(u'_') + u'.' + suffix;
}

} // namespace izoku::engine
