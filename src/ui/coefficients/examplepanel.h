#pragma once

#include "engine/coefficients/coefficientexamples.h"
#include "ui/app/keytable.h"

#include <QFrame>

#include <map>
#include <vector>

class QLineEdit;
class QPushButton;

namespace izoku::engine {
struct CoefficientsForm;
}

namespace izoku::ui {

class ClickLabel;

// One worked example of the calculator as the customer sees it: the
// question, the inputs with their captions and units, the light-yellow
// results, the 計算 button and the "CE" label.
class ExamplePanel final : public QFrame {
    Q_OBJECT
  public:
    ExamplePanel(engine::CoefficientExample example, QWidget *parent = nullptr);

    // The 計算 button as the key rows name it, beside the Num1 indexes.
    static constexpr int kCalculateButton = engine::KeisuNum1::Count;

    void read(engine::CoefficientsForm &form) const;
    void write(const engine::CoefficientsForm &form);

    // Enter walks the inputs in order and ends on the 計算 button, the
    // arrows walk them without the button; every input takes figures only
    // and selects its text.
    std::vector<KeyRow<int>> keyRows() const;
    // A Num1 field of this example or its 計算 button.
    QWidget *widget(int slot) const;

    engine::CoefficientExample example() const { return m_example; }
    // The Num1 field with this index; it belongs to this example.
    QLineEdit *field(int index) const { return m_fields.at(index); }
    QPushButton *calculateButton() const { return m_calculate; }
    ClickLabel *clearLabel() const { return m_clear; }

  private:
    QLineEdit *newField(int index);

    engine::CoefficientExample m_example;
    std::map<int, QLineEdit *> m_fields;
    QPushButton *m_calculate = nullptr;
    ClickLabel *m_clear = nullptr;
};

} // namespace izoku::ui
