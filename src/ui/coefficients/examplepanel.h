#pragma once

#include "engine/coefficients/coefficientexamples.h"

#include <QFrame>

#include <map>

class QLineEdit;
class QPushButton;

namespace izoku::ui {

class ClickLabel;

// One worked example of the calculator as the customer sees it: the
// question, the inputs with their captions and units, the light-yellow
// results, the 計算 button and the "CE" label.
class ExamplePanel final : public QFrame {
    Q_OBJECT
  public:
    ExamplePanel(engine::CoefficientExample example, QWidget *parent = nullptr);

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
