#pragma once

// The worked pension record the tests share: a husband in the employees'
// pension with 120 months to March 2003 at 300,000 yen a month and 60 months
// from April 2003 at 400,000 yen, the slide rate 0.985, and a wife of the
// given age, on the survivors' pension screen as it opens.

#include "engine/basedata/basedata.h"
#include "engine/pension/frmravoform.h"

#include <QDate>
#include <QString>

namespace izoku::test {

inline engine::FrmRavoForm WorkedPensionForm(const QString &wifeAge, const QDate &today,
                                             const engine::BaseData &baseData = engine::kBaseData2009)
{
    engine::FrmRavoForm form;
    engine::OpenFrmRavo(form, baseData, today);
    form.household.members[0].birth = QDate(1960, 5, 1);
    form.household.members[1].age = wifeAge;
    form.text6 = {QString(),
                  QStringLiteral("120"),
                  QStringLiteral("300000"),
                  QStringLiteral("60"),
                  QStringLiteral("400000"),
                  QStringLiteral("0.985")};
    return form;
}

} // namespace izoku::test
