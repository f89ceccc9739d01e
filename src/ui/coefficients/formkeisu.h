#pragma once

#include "engine/coefficients/coefficientsform.h"
#include "ui/app/formsession.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace izoku::ui {

class ClickLabel;
class ExamplePanel;

// 基本係数: the calculator of the six compound-interest coefficients, one
// tab per coefficient with its worked examples.  The window only moves
// texts between its fields and the form and shows the form's messages.
class Formkeisu final : public QWidget {
    Q_OBJECT
  public:
    explicit Formkeisu(QWidget *parent = nullptr);

    // One tab per coefficient.
    static constexpr int kTabs = 6;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QWidget *newTab(int tab);
    void installKeys();
    void fieldFocus(int index, bool entering);
    bool buttonKey(ExamplePanel *panel, const QKeyEvent *event);
    bool calculate(engine::CoefficientExample example);
    void clearEntry(engine::CoefficientExample example);

    // Copies between the panels and the form; the session runs on m_form.
    void readForm();
    void writeForm();

    engine::CoefficientsForm m_form;
    FormSession<engine::CoefficientsForm> m_session;
    QTabWidget *m_tabs = nullptr;
    std::array<ExamplePanel *, engine::kCoefficientExampleCount> m_panels{};
    std::array<QLineEdit *, engine::KeisuNum1::Count> m_fields{};
    std::array<QPushButton *, kTabs> m_closeButtons{};
    int m_returningTo = -1;
};

} // namespace izoku::ui
