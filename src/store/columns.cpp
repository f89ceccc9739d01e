#include "columns.h"

#include <utility>

namespace izoku::store {

namespace {

using engine::HouseholdIndex;
using engine::SavedPensionRecord;

QString numbered(const QString &stem, int number)
{
    return stem + QString::number(number);
}

const QString kNameStem = QStringLiteral("氏名");

// 生保 followed by the policy's number (the term policies first, then the
// whole-life ones) and the number of the field within it.
QString policyColumn(int policy, int field)
{
    return QStringLiteral("生保%1%2").arg(policy).arg(field);
}

// The columns later versions added, last in the table.
const QString kMembershipColumn = QStringLiteral("加入年金");
const QString kSurvivorChoiceColumn = QStringLiteral("遺族選択");

const std::pair<const char *, QString SavedPensionRecord::*> kPensionRecordColumns[] = {
    {"国保期間", &SavedPensionRecord::nationalMonths},
    {"厚生期間1", &SavedPensionRecord::employeeMonthsTo2003},
    {"金額1", &SavedPensionRecord::averageMonthlyRemuneration},
    {"厚生期間2", &SavedPensionRecord::employeeMonthsFrom2003},
    {"金額2", &SavedPensionRecord::averageRemuneration},
};

// Every column of 顧客資料 in table order, with the field of `record` it
// holds: `visit(column, text)`, `text` null for a column no field fills.
template <typename Record, typename Visit> void visitColumns(Record &record, Visit visit)
{
    using Text = decltype(&record.savedOn);
    visit(QStringLiteral("日付"), &record.savedOn);
    for (int k = 1; k <= HouseholdIndex::Count; ++k)
        visit(numbered(kNameStem, k), &record.persons[static_cast<size_t>(k - 1)].name);
    for (int k = 1; k <= HouseholdIndex::Count; ++k)
        visit(numbered(QStringLiteral("生年月日"), k), &record.persons[static_cast<size_t>(k - 1)].birth);
    for (int k = 1; k <= HouseholdIndex::Count; ++k)
        visit(numbered(QStringLiteral("年齢"), k), &record.persons[static_cast<size_t>(k - 1)].age);
    // 印1 … 印5 are the marks of 子1 … 子5, not of persons 1 to 5.
    const int marks = static_cast<int>(record.childMarks.size());
    for (int k = 1; k <= HouseholdIndex::Count; ++k)
        visit(numbered(QStringLiteral("印"), k), k <= marks ? &record.childMarks[static_cast<size_t>(k - 1)] : Text());
    for (const auto &[column, member] : kPensionRecordColumns)
        visit(QString::fromUtf8(column), &(record.pensionRecord.*member));
    visit(QStringLiteral("保険会社"), &record.company);
    int policy = 0;
    for (auto &term : record.termPolicies) {
        ++policy;
        visit(policyColumn(policy, 1), &term.fromAge);
        visit(policyColumn(policy, 2), &term.toAge);
        visit(policyColumn(policy, 3), &term.amount);
    }
    for (auto &wholeLife : record.wholeLifePolicies) {
        ++policy;
        visit(policyColumn(policy, 1), &wholeLife.fromAge);
        visit(policyColumn(policy, 2), &wholeLife.amount);
    }
    visit(kMembershipColumn, &record.membership);
    visit(kSurvivorChoiceColumn, &record.survivorChoice);
}

QStringList columnsOf(bool savedOnly)
{
    const engine::CustomerRecord record;
    QStringList columns;
    visitColumns(record, [&columns, savedOnly](const QString &column, const QString *text) {
        if (text || !savedOnly)
            columns << column;
    });
    return columns;
}

} // namespace

QString BaseTable()
{
    return QStringLiteral("基礎DATA");
}

const QStringList &BaseFigureColumns()
{
    static const QStringList columns = {FiscalYearColumn(),
                                        QStringLiteral("スライド率"),
                                        QStringLiteral("基礎年金"),
                                        QStringLiteral("加算1"),
                                        QStringLiteral("加算2"),
                                        QStringLiteral("基礎年金昭31前"),
                                        QStringLiteral("従前額改定率")};
    return columns;
}

QString FiscalYearColumn()
{
    return QStringLiteral("年度");
}

QString CustomerTable()
{
    return QStringLiteral("顧客資料");
}

const QStringList &CustomerColumns()
{
    static const QStringList columns = columnsOf(false);
    return columns;
}

const QStringList &AddedCustomerColumns()
{
    static const QStringList columns = {kMembershipColumn, kSurvivorChoiceColumn};
    return columns;
}

const QStringList &NameColumns()
{
    static const QStringList columns = [] {
        QStringList names;
        for (int k = 1; k <= HouseholdIndex::Count; ++k)
            names << numbered(kNameStem, k);
        return names;
    }();
    return columns;
}

const QStringList &SavedCustomerColumns()
{
    static const QStringList columns = columnsOf(true);
    return columns;
}

QStringList SavedCustomerTexts(const engine::CustomerRecord &record)
{
    QStringList texts;
    visitColumns(record, [&texts](const QString &, const QString *text) {
        if (text)
            texts << *text;
    });
    return texts;
}

engine::CustomerRecord CustomerRecordOfRow(const QStringList &texts)
{
    engine::CustomerRecord record;
    qsizetype column = 0;
    visitColumns(record, [&texts, &column](const QString &, QString *text) {
        if (text && column < texts.size())
            *text = texts[column];
        ++column;
    });
    return record;
}

} // namespace izoku::store
