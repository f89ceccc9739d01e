#pragma once

#include "slotpanel.h"

#include "engine/charts/chartfeed.h"
#include "engine/needs/frmhokenform.h"
#include "ui/app/formmenu.h"
#include "ui/app/formsession.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QScrollArea;

namespace izoku::ui {

class ClickLabel;
class ExpensePanel;
class FamilyPanel;
class IncomePanel;
class InsurancePanel;
class PensionRecordPanel;
class ProcessPanel;
class SheetModel;
class SheetView;
class WindowRegistry;

// 保険診断: the agent enters the household, the husband's pension record,
// the survivors' income and expenses and the life insurance held, and reads
// the necessary coverage year by year.  The window is made of one panel per
// block of the form; every calculation runs on the engine's form through
// one FormSession.  It hides when closed so nothing typed is lost, and its
// close box is refused: the agent closes it with "閉じる".
class Frmhoken final : public QWidget {
    Q_OBJECT
  public:
    Frmhoken(WindowRegistry &registry, Clock clock, QWidget *parent = nullptr);
    ~Frmhoken() override;

    // The form as the last operation left it (the chart windows read it).
    const engine::FrmhokenForm &form() const { return m_form; }

    // What "保 存" does with the household on screen; the button stays
    // disabled until one is given.
    using SaveHandler = std::function<void(const engine::FrmhokenForm &)>;
    void setSaveHandler(SaveHandler handler);

  signals:
    // A chart button opened its chart window `key` (already shown) with
    // what the chart must show; `table` is the cash-flow chart's own table.
    void chartOpened(const QString &key, QWidget *window, const engine::ChartFeed &feed,
                     const std::vector<QStringList> &table);

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    QWidget *buildButtonRow(QWidget *parent);
    void connectButtons();
    void setTabOrder();

    void readForm(engine::FrmhokenForm &form) const;
    void writeForm(const engine::FrmhokenForm &form);

    // Runs one operation of the form with the fields as they are typed.
    template <typename Operation> engine::CalculationOutcome run(Operation &&operation)
    {
        return m_session.run(std::forward<Operation>(operation));
    }
    // A chart button: its calculation first, then the chart window when
    // the calculation opened a chart.
    template <typename Operation> void openChart(const QString &key, Operation &&operation);
    void setSheetShown(bool shown);
    // "CSV出力": the projection sheet into a file the agent chooses.
    void exportCsv();
    // "提案書PDF": the consultation report of the household on screen.
    void writeReport();
    // The calculation process and the insurance held take turns in the
    // right-hand panel.
    void showProcess(bool shown);

    QDate today() const;

    WindowRegistry &m_registry;
    Clock m_clock;
    engine::FrmhokenForm m_form;
    FrmhokenFields m_fields;
    FormSession<engine::FrmhokenForm> m_session;
    SaveHandler m_save;

    QScrollArea *m_scroll = nullptr;
    FamilyPanel *m_family = nullptr;
    PensionRecordPanel *m_pension = nullptr;
    IncomePanel *m_income = nullptr;
    ExpensePanel *m_expenses = nullptr;
    InsurancePanel *m_insurance = nullptr;
    ProcessPanel *m_process = nullptr;
    SheetModel *m_sheetModel = nullptr;
    SheetView *m_sheet = nullptr;
    ClickLabel *m_printer = nullptr;
    QPushButton *m_base = nullptr;
    QPushButton *m_showSheet = nullptr;
    QPushButton *m_hideSheet = nullptr;
    QPushButton *m_clearAll = nullptr;
    QPushButton *m_era = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_csv = nullptr;
    QPushButton *m_report = nullptr;
};

} // namespace izoku::ui
