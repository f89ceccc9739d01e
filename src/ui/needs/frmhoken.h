#pragma once

#include "slotpanel.h"

#include "engine/needs/customerrecord.h"
#include "engine/needs/frmhokenform.h"
#include "engine/pension/frmravoform.h"
#include "ui/app/formmenu.h"
#include "ui/app/formsession.h"

#include <QWidget>

#include <functional>

class QLabel;
class QScrollArea;

namespace izoku::ui {

class ButtonRow;
class ExpensePanel;
class FamilyPanel;
class IncomePanel;
class InsurancePanel;
class PensionRecordPanel;
class ProcessPanel;
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

    // The key of a household typed from scratch, stored in no row yet.
    static constexpr qint64 kNewCustomer = -1;

    // Where the household stands after "保 存".
    struct SaveResult {
        qint64 customerKey = kNewCustomer; // the stored row that holds it now
        bool saved = false;                // whether it reached the file this time
    };
    // What "保 存" does with the household on screen and the key of the
    // stored row it was reopened from (kNewCustomer for one typed from
    // scratch).  A save is confirmed on the window's status line; one the
    // agent called off or the file refused is not.  The button stays
    // disabled until a handler is given.
    using SaveHandler = std::function<SaveResult(const engine::FrmhokenForm &, qint64 customerKey)>;
    void setSaveHandler(SaveHandler handler);

    // "開く" on the customer list: the saved household `record`, stored
    // at `key`, replaces the one on screen (after asking, when the agent
    // has typed one), the base date becomes today and the window shows
    // with the focus on the base calculation.  Returns whether it did.
    bool reopenCustomer(const engine::CustomerRecord &record, qint64 key);
    // The household typed on the survivors' pension screen replaces the
    // one here; it is a new customer until saved.
    void carryHousehold(const engine::FrmRavoForm &pension);
    // The stored row the household on screen came from, kNewCustomer if none.
    qint64 customerKey() const { return m_customerKey; }

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void installKeys();
    void connectButtons();
    // The base figures a calculation needs; false, after saying why, when
    // they cannot be loaded.
    bool baseFiguresReady();

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
    qint64 m_customerKey = kNewCustomer;

    FamilyPanel *m_family = nullptr;
    PensionRecordPanel *m_pension = nullptr;
    QLabel *m_law = nullptr;          // lblLaw
    QLabel *m_needsCaption = nullptr; // "必要補償額 = ②  - ① "
    IncomePanel *m_income = nullptr;
    ExpensePanel *m_expenses = nullptr;
    InsurancePanel *m_insurance = nullptr;
    ProcessPanel *m_process = nullptr;
    SheetView *m_sheet = nullptr;
    QScrollArea *m_scroll = nullptr; // the whole form above the button row
    int m_scrolledBeforeSheet = 0;
    ButtonRow *m_buttons = nullptr;
};

} // namespace izoku::ui
