#pragma once

#include "engine/pension/frmravoform.h"
#include "ui/app/formmenu.h"
#include "ui/app/formsession.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTabWidget;

namespace izoku::ui {

class BenefitSlotsView;
class ClickLabel;
class FormulaPanelStack;
class HouseholdPanel;
class PensionRecordPanel;
class ReferencePanels;
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

  private:
    void buildCalculationTab(QWidget *page);
    void showSchedule(bool shown);
    void installKeys();
    void connectButtons();
    // Another fiscal year in use: its slide rate and law on the screen.
    void takeBaseFigures(const engine::BaseData &baseData);

    // Copies between the panels and the form; the session runs on m_form.
    void readForm();
    void writeForm();
    void writeSchedule();

    QDate today() const;

    // The window's own buttons; the pension record's are on its panel.
    struct Buttons {
        QPushButton *ages = nullptr;           // 年齢計算
        QPushButton *clearHousehold = nullptr; // AC
        QPushButton *eraTable = nullptr;       // 西暦/和暦
        QPushButton *calculate = nullptr;      // 年金計算
        QPushButton *showSheet = nullptr;      // 計算ｼｰﾄ表示
        QPushButton *hideSheet = nullptr;      // ｼｰﾄ閉じる
        QPushButton *clearResults = nullptr;   // 表示 CE
        QPushButton *needs = nullptr;          // 必要補償額算出
        QPushButton *chart = nullptr;          // グラフの表示
        QPushButton *close = nullptr;          // 閉じる
    };

    WindowRegistry &m_registry;
    Clock m_clock;
    engine::FrmRavoForm m_form;
    FormSession<engine::FrmRavoForm> m_session;
    Buttons m_buttons;

    QTabWidget *m_tabs = nullptr;
    HouseholdPanel *m_household = nullptr;
    PensionRecordPanel *m_pension = nullptr;
    QLabel *m_law = nullptr; // lblLaw
    BenefitSlotsView *m_slots = nullptr;
    FormulaPanelStack *m_formulaPanels = nullptr;
    QSplitter *m_splitter = nullptr;
    QScrollArea *m_inputs = nullptr;
    SheetView *m_scheduleGrid = nullptr;
    ReferencePanels *m_basicReference = nullptr;
    ReferencePanels *m_employeesReference = nullptr;
    ClickLabel *m_printer = nullptr;
};

} // namespace izoku::ui
