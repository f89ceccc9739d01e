#pragma once

#include "engine/basedata/basedata.h"
#include "engine/charts/chartfeed.h"
#include "engine/forms/message.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace izoku::engine {

struct FrmhokenForm;

// One person of the household as the report lists them.
struct ReportPerson {
    QString role;
    QString name;
    QString japaneseBirth; // "昭和61年5月1日"
    QString westernBirth;  // "1986年5月1日"
    QString age;           // the screen's age field
};

// A line of the husband's pension record: what it is and its figure.
struct ReportItem {
    QString label;
    QString value;
};

// One survivors' benefit: the wife's ages it is paid at, the yearly amount
// the screen shows and why it is paid, or why not.
struct ReportBenefit {
    QString benefit;
    QString fromAge; // "" when not paid
    QString toAge;
    QString amount; // "1,234,567円"
    QString reason;
};

// Everything the consultation report shows, taken from the needs-analysis
// screen after its base calculation: page 1 the household and the benefits,
// page 2 the survivors' pensions and the income and expenses, page 3 the
// necessary coverage against the insurance held, page 4 the need by year of
// death against the insurance then in force.
struct ConsultationReport {
    QString customer; // without "様"; may be empty
    QString date;     // "令和8年12月8日（2026年12月8日）"
    std::vector<ReportPerson> household;
    std::vector<ReportItem> pensionRecord;
    std::vector<ReportBenefit> benefits;

    ChartFeed pensionChart;
    ChartFeed incomeChart;
    std::vector<QStringList> incomeTable;
    ChartFeed coverageChart;
    ChartFeed deathYearChart; // FormChart5's feed, its fields and list lines included

    QString reference;          // "妻が64歳になるまで"
    QString coverageNeeded;     // "12,345,678円"
    QString insuranceHeld;      // "20,000,000円"
    QString coverageDifference; // "7,654,322円"
    bool shortfall = false;     // the insurance held falls short of the coverage
    QString coverageWording;    // the sentence the agent reads out

    QString basis; // "平成21年度の額で計算（物価スライド率0.985）"
    QString note;  // the figures are estimates under that fiscal year's law
};

struct ReportOpening {
    Messages messages;
    std::optional<ConsultationReport> report;
};

// "提案書PDF": the report of the household on the screen.  Before a base
// calculation it asks for one; the base calculation and the comparison with
// the insurance held are run again on a copy, so the report's figures are
// the screen's and the screen itself is left as it is.  Stops with the
// comparison's message when it stops.
ReportOpening OpenConsultationReport(const FrmhokenForm &form, const BaseData &baseData, const QDate &today);

} // namespace izoku::engine
