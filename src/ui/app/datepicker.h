#pragma once

#include <QDate>
#include <QLineEdit>

#include <optional>

class QCalendarWidget;
class QFrame;
class QToolButton;

namespace izoku::ui {

// The date a date field's text names, as agents type dates: "1985/6/1",
// "1985/06/01", "1985/6/01" or "19850601", in half- or full-width figures,
// blanks around it ignored.  Nothing for a text that names no day between
// 1900/1/1 and 9999/12/31 ("1985/2/30", "1985/6", "850601").
std::optional<QDate> ReadTypedDate(const QString &typed);

// The date field of every screen: the date written "yyyy/MM/dd", typed as
// a whole in any form ReadTypedDate reads, with a calendar beside it (its
// button, F4 or Alt+Down).  However the agent enters the field its whole
// text is selected, so the date typed replaces the one shown; one Tab
// leaves it.  A text that names no date is never taken for another one:
// Enter and Tab keep the focus in the field and say so, and leaving it by
// the mouse puts back the date it held and says so.
class DatePicker final : public QLineEdit {
    Q_OBJECT
  public:
    // `name` is the control's object name, e.g. "DTPicker1(2)".
    explicit DatePicker(const QString &name, QWidget *parent = nullptr);

    // The date the field shows: the one typed as soon as it reads as a
    // date, else the one it held before.
    QDate date() const;
    void setDate(const QDate &date);

    // The pop-up's calendar (made the first time it is asked for).
    QCalendarWidget *calendarWidget();

  signals:
    void dateChanged(const QDate &date);

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    // Takes the date typed, written in the one form; false (and the text
    // left as typed) when it names none.
    bool take();
    void refuse(bool later);
    void showCalendar();

    QDate m_date;
    // Entered by a click: the press that placed the caret selects the date.
    bool m_clickedIn = false;
    QToolButton *m_calendarButton = nullptr;
    QFrame *m_popup = nullptr;
    QCalendarWidget *m_calendar = nullptr;
};

} // namespace izoku::ui
