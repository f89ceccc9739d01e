#include "datepicker.h"

#include "inputfilters.h"
#include "messageservice.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

namespace izoku::ui {

namespace {

const QString kShownFormat = QStringLiteral("yyyy/MM/dd");
// The days a picker takes: from the first year of the pension records
// anyone still alive can hold, to the end of the calendar Qt counts.
const QDate kEarliest(1900, 1, 1);
const QDate kLatest(9999, 12, 31);
// "yyyy/mm/dd", the longest form a date is typed in.
constexpr int kLongestTyped = 10;

QString plainText(const QString &typed)
{
    // Full-width figures and slashes, as a Japanese input method types
    // them, read as the half-width ones.
    return typed.normalized(QString::NormalizationForm_KC).trimmed();
}

// Takes the keys a date is typed with and refuses the rest, so a letter
// never gets into the field.
class TypedDateValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        const QString text = plainText(input);
        if (text.size() > kLongestTyped)
            return Invalid;
        for (const QChar c : text) {
            if ((c < u'0' || c > u'9') && c != u'/')
                return Invalid;
        }
        return ReadTypedDate(text) ? Acceptable : Intermediate;
    }
};

engine::Message notADate(const QString &field)
{
    return engine::Warning(QStringLiteral("日付を正しく入力してください。\n例: 1985/6/1 または 19850601"),
                           QStringLiteral("日付"), field, true);
}

} // namespace

std::optional<QDate> ReadTypedDate(const QString &typed)
{
    static const QRegularExpression withSlashes(QStringLiteral("^(\\d{4})/(\\d{1,2})/(\\d{1,2})$"));
    static const QRegularExpression figuresOnly(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    const QString text = plainText(typed);
    QRegularExpressionMatch match = withSlashes.match(text);
    if (!match.hasMatch())
        match = figuresOnly.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid() || date < kEarliest || date > kLatest)
        return std::nullopt;
    return date;
}

DatePicker::DatePicker(const QString &name, QWidget *parent)
    : QLineEdit(parent)
    , m_calendarButton(new QToolButton(this))
{
    setObjectName(name);
    setValidator(new TypedDateValidator(this));
    // The date typed replaces the whole date shown, however the agent came in.
    (new SelectAllOnFocus(SelectAllOnFocus::Entry::AnyWay, this))->attach(this);

    m_calendarButton->setObjectName(QStringLiteral("Calendar"));
    m_calendarButton->setArrowType(Qt::DownArrow);
    m_calendarButton->setAutoRaise(true);
    m_calendarButton->setFocusPolicy(Qt::NoFocus);
    m_calendarButton->setCursor(Qt::ArrowCursor);
    m_calendarButton->setToolTip(QStringLiteral("カレンダー"));
    connect(m_calendarButton, &QToolButton::clicked, this, &DatePicker::showCalendar);
    setTextMargins(0, 0, m_calendarButton->sizeHint().width(), 0);
    // Room for the whole date and the button, as the pickers always had.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00 ")) +
                    m_calendarButton->sizeHint().width() + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
}

QDate DatePicker::date() const
{
    return ReadTypedDate(text()).value_or(m_date);
}

void DatePicker::setDate(const QDate &date)
{
    const bool changed = date != m_date;
    m_date = date;
    const QString shown = date.toString(kShownFormat);
    if (text() != shown)
        setText(shown);
    if (changed)
        emit dateChanged(date);
}

QCalendarWidget *DatePicker::calendarWidget()
{
    if (!m_calendar) {
        m_popup = new QFrame(this, Qt::Popup);
        m_popup->setFrameShape(QFrame::StyledPanel);
        auto *layout = new QVBoxLayout(m_popup);
        layout->setContentsMargins(0, 0, 0, 0);
        m_calendar = new QCalendarWidget(m_popup);
        m_calendar->setDateRange(kEarliest, kLatest);
        layout->addWidget(m_calendar);
        const auto choose = [this](const QDate &chosen) {
            m_popup->hide();
            setDate(chosen);
        };
        connect(m_calendar, &QCalendarWidget::activated, this, choose);
        connect(m_calendar, &QCalendarWidget::clicked, this, choose);
    }
    return m_calendar;
}

void DatePicker::showCalendar()
{
    QCalendarWidget *calendar = calendarWidget();
    calendar->setSelectedDate(date());
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(rect().bottomLeft()));
    m_popup->show();
    calendar->setFocus(Qt::PopupFocusReason);
}

bool DatePicker::take()
{
    const std::optional<QDate> typed = ReadTypedDate(text());
    if (!typed)
        return false;
    setDate(*typed);
    return true;
}

void DatePicker::refuse(bool later)
{
    if (later) {
        ShowMessageLater(window(), notADate(objectName()));
        return;
    }
    ShowMessage(window(), notADate(objectName()), this);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool calendarKey =
        event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
    if (calendarKey) {
        showCalendar();
        event->accept();
        return;
    }
    if (enter && !take()) {
        refuse(false);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool DatePicker::focusNextPrevChild(bool next)
{
    if (!take()) {
        refuse(false);
        return true;
    }
    return QLineEdit::focusNextPrevChild(next);
}

void DatePicker::focusInEvent(QFocusEvent *event)
{
    m_clickedIn = event->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event);
}

void DatePicker::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    // A click into the field selects the whole date, as entering it by a key
    // does, so the date typed replaces it; a click inside it places the caret.
    if (m_clickedIn)
        selectAll();
    m_clickedIn = false;
}

void DatePicker::focusOutEvent(QFocusEvent *event)
{
    // The calendar, a message box or another window taking the focus for a
    // while is not leaving the field: the agent comes back to it.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !take()) {
        setDate(m_date);
        refuse(true);
    }
    QLineEdit::focusOutEvent(event);
}

void DatePicker::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QSize button = m_calendarButton->sizeHint();
    m_calendarButton->setGeometry(width() - frame - button.width(), frame, button.width(), height() - 2 * frame);
}

} // namespace izoku::ui
