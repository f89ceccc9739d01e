#pragma once

#include <QMap>
#include <QString>

class QLabel;
class QWidget;

// The panels beside and under a chart: the benefit tables, the insured
// periods, the insurance held and the fixed notes the agent hands over with
// the printout.
namespace izoku::ui {

// The numbered display fields a window's panels create; the window writes
// the feed's copied fields into them.
struct ChartFields {
    QMap<int, QLabel *> fields;  // Num1(i)
    QMap<int, QLabel *> periods; // Num2(i), the insured periods of the pension screen
};

// A panel of a chart window, made by one of the functions below.
using ChartPanel = QWidget *(*)(QWidget *parent, ChartFields &fields);

// A fixed text of a chart window, shown as written.
QLabel *FixedText(const QString &text, QWidget *parent);

// FormChart: the benefits ① to ⑥ with the wife's ages and yearly amounts,
// the insured periods, and the notes on ages counted in whole years.
QWidget *PensionBenefitPanel(QWidget *parent, ChartFields &fields);

// FormChart4: the same benefits as the needs-analysis screen determined
// them, with the pension record beside them.
QWidget *NeedsBenefitPanel(QWidget *parent, ChartFields &fields);

// FormChart2: the life insurance held, the notes on what the necessary
// coverage leaves out, and the agent's diagnosis.
QWidget *InsuranceSummaryPanel(QWidget *parent, ChartFields &fields);

// FormChart5: the largest shortfall and the husband's age at it, and what
// the curve assumes.
QWidget *DeathYearSummaryPanel(QWidget *parent, ChartFields &fields);

// FormChart3, beside the chart: which items make up income and expenses.
QWidget *CashFlowLegend(QWidget *parent, ChartFields &fields);

// FormChart3, under its item table: what the chart leaves out.
QWidget *CashFlowNotes(QWidget *parent, ChartFields &fields);

} // namespace izoku::ui
