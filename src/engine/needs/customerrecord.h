#pragma once

#include "engine/forms/calculationoutcome.h"
#include "engine/forms/household.h"
#include "engine/forms/message.h"
#include "engine/needs/frmhokenslots.h"

#include <QDate>
#include <QString>

#include <array>

namespace izoku::engine {

struct FrmhokenForm;

// One person of a saved household, each field the text it is saved as.
struct SavedPerson {
    QString name;
    QString birth; // "yyyy/mm/dd"
    QString age;   // as the age field showed it

    bool operator==(const SavedPerson &) const = default;
};

// The husband's pension record as the needs-analysis screen held it.
struct SavedPensionRecord {
    QString nationalMonths;             // 国民年金だけの期間
    QString employeeMonthsTo2003;       // 平成15年3月までの期間
    QString averageMonthlyRemuneration; // 平均標準報酬月額
    QString employeeMonthsFrom2003;     // 平成15年4月以降の期間
    QString averageRemuneration;        // 平均標準報酬額

    bool operator==(const SavedPensionRecord &) const = default;
};

// A term policy: the husband's ages it runs from and to, its sum in 万円.
struct SavedTermPolicy {
    QString fromAge;
    QString toAge;
    QString amount;

    bool operator==(const SavedTermPolicy &) const = default;
};

// A whole-life policy runs to the end of life: no end age.
struct SavedWholeLifePolicy {
    QString fromAge;
    QString amount;

    bool operator==(const SavedWholeLifePolicy &) const = default;
};

// A household as 保 存 writes it: the family, the husband's pension record
// and the insurance held, never the calculation results.  Every field is
// the text it is stored as, so a household reopened from a hand-edited
// file shows what the file holds.
struct CustomerRecord {
    QString savedOn; // the day of saving, "yyyy/mm/dd"
    std::array<SavedPerson, HouseholdIndex::Count> persons;
    // The marks of 子1 … 子5: "1" for a disabled child, "0" otherwise.
    std::array<QString, HokenNum1::kChildren> childMarks;
    SavedPensionRecord pensionRecord;
    QString company;
    std::array<SavedTermPolicy, HokenNum4::kTermPolicies> termPolicies;
    std::array<SavedWholeLifePolicy, HokenNum4::kWholeLifePolicies> wholeLifePolicies;
    // The husband's membership (Option1) and the widow's choice (Option2 /
    // Option3), by their names; empty in a household saved before they were
    // kept.
    QString membership;
    QString survivorChoice;

    bool operator==(const CustomerRecord &) const = default;
};

// 保 存: the household from the screen's texts as they stand (nothing is
// checked: an agent may save a household half typed and complete it
// later), saved on `today`.
CustomerRecord CustomerRecordOf(const FrmhokenForm &form, const QDate &today);

// "開く" on the customer list: the saved household `record` into the form,
// the base date set to today.  Texts are taken as they were stored, so a
// hand-edited value that does not read as a number reaches the
// calculation, which reports it as usual.  A child counts (対象) when
// anything of it was typed: a name, an age above 0 or a birth date other
// than the saving date, which is what an untouched date picker held when
// the row was saved.  The results of the household on screen before are
// cleared.
CalculationOutcome ReopenCustomer(FrmhokenForm &form, const CustomerRecord &record, const QDate &today);

// Whether a saved child counts (対象) by the rule above, for a household
// saved on `savedOn`.
bool SavedChildCounts(const SavedPerson &child, const QString &savedOn);

// Whether the form holds a household the agent typed, which reopening a
// saved one would replace: a name, an age above 0 or a ticked child.
bool HoldsHousehold(const FrmhokenForm &form);

// Asked before a saved household replaces the one on screen.
Message ReplaceHouseholdQuestion();

// 保 存 on a reopened household: over its row, as a new one, or not at all.
Message SaveAgainQuestion();

// 削除 on the customer list: a removed household cannot be brought back.
Message DeleteCustomerQuestion();
Message DeleteFailedMessage();
// The list or a row of it could not be read.
Message ReadFailedMessage();

// The one date format of a saved household.
QString RecordDate(const QDate &date);

// A save that did not reach the disk says so; the screen keeps what was
// typed so the agent can try again.
Message SaveFailedMessage();

} // namespace izoku::engine
