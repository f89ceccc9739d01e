#pragma once

#include <QWidget>

#include <array>

class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace izoku::ui {

// The husband's pension record on the survivors' pension screen: his
// membership, the widow's choice, the six pension fields, the reference date
// and the three month calculators.
class PensionInputPanel final : public QWidget {
    Q_OBJECT
  public:
    explicit PensionInputPanel(QWidget *parent = nullptr);

    std::array<QRadioButton *, 2> membership{};     // Option1(0) national, (1) employee
    QFrame *choicePanel = nullptr;                  // shown only for a national pension member
    QRadioButton *chooseEmployeesPension = nullptr; // Option2 遺族厚生年金選択
    QRadioButton *chooseWidowsPension = nullptr;    // Option3 寡婦年金選択
    std::array<QLineEdit *, 6> fields{};            // Text6(0..5)
    std::array<QDateEdit *, 5> dates{};             // DTPicker2(0..4)
    QLabel *nationalMonths = nullptr;               // Num3(41)
    QPushButton *now = nullptr;
    QPushButton *calculateTo2003 = nullptr;   // first "計 算"
    QPushButton *calculateFrom2003 = nullptr; // "計　算"
    QPushButton *calculateNational = nullptr; // second "計 算"
    QPushButton *clearNational = nullptr;     // ①CE
    QPushButton *clearEmployees = nullptr;    // ②CE
    QPushButton *clearPeriods = nullptr;      // 他CE
};

} // namespace izoku::ui
