#pragma once

#include <QDateEdit>

namespace izoku::ui {

// The date picker of every screen: "yyyy/MM/dd" with a calendar pop-up.
// However it is entered (Enter, Tab or a click) the agent can type the whole
// date at once, "19830720" or "1983/07/20", the year, month and day filling
// in turn; a click must not leave the caret inside a full year, where every
// digit typed would be refused.
class DatePicker final : public QDateEdit {
    Q_OBJECT
  public:
    // `name` is the control's object name, e.g. "DTPicker1(2)".
    DatePicker(const QString &name, QWidget *parent = nullptr);

  protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool m_enteredByClick = false;
};

} // namespace izoku::ui
