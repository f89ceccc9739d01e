#pragma once

#include "engine/pension/frmravoform.h"
#include "ui/app/formmenu.h"

#include <QWidget>

#include <array>

class QPushButton;
class QScrollArea;
class QSplitter;
class QStackedWidget;
class QTabWidget;

namespace izoku::ui {

class BenefitSlotsView;
class ClickLabel;
class FocusMap;
class FormulaPanelView;
class HouseholdPanel;
class PensionInputPanel;
class ReferencePanels;
class SheetModel;
class SheetView;
class WindowRegistry;

// 遺族年金: the agent enters one household and the husband's pension record
// and reads the survivors' pensions year by year.  Every calculation runs on
// the engine's form; the window only copies texts in and out.
class FrmRavo final : public QWidget {
    Q_OBJECT
  public:
    FrmRavo(WindowRegistry &registry, Clock clock, QWidget *parent = nullptr);
    ~FrmRavo() override;

    const engine::FrmRavoForm &form() const { return m_form; }

    // The formula panel shown: 0 "短期要件　改正後", 1 "短期要件　改正前",
    // 2 "長期要件　改正後", 3 "長期要件　改正前".
    int visibleFormulaPanel() const;

  private:
    void buildCalculationTab(QWidget *page);
    void showSchedule(bool shown);
    void buildFocusMap();
    void connectButtons();

    // Copies between the widgets and the form.
    void readForm();
    void writeForm();
    void writeSchedule();

    // Runs an operation on the form with the widgets' texts and shows the
    // result (and its message, if any).
    template <typename Operation> void run(Operation &&operation);
    void showMessage(const engine::Message &message);

    QDate today() const;

    WindowRegistry &m_registry;
    Clock m_clock;
    engine::FrmRavoForm m_form;

    QTabWidget *m_tabs = nullptr;
    HouseholdPanel *m_household = nullptr;
    PensionInputPanel *m_pension = nullptr;
    BenefitSlotsView *m_slots = nullptr;
    QStackedWidget *m_formulaStack = nullptr;
    std::array<FormulaPanelView *, 4> m_formulaPanels{};
    QSplitter *m_splitter = nullptr;
    QScrollArea *m_inputs = nullptr;
    SheetModel *m_scheduleModel = nullptr;
    SheetView *m_scheduleGrid = nullptr;
    ReferencePanels *m_basicReference = nullptr;
    ReferencePanels *m_employeesReference = nullptr;
    FocusMap *m_focusMap = nullptr;
    ClickLabel *m_printer = nullptr;
};

} // namespace izoku::ui
