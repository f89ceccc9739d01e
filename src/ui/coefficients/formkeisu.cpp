#include "formkeisu.h"

#include "examplepanel.h"

#include "ui/app/clicklabel.h"
#include "ui/app/controls.h"
#include "ui/app/focusmap.h"
#include "ui/app/inputfilters.h"
#include "ui/app/keytable.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace izoku::ui {

namespace {

using engine::CoefficientExample;
using engine::CoefficientsForm;

struct TabTexts {
    QString caption;
    std::vector<CoefficientExample> examples;
    QStringList headings; // one above each example, "" for none
    QString closeButton;
};

// Tab 0 walks both its examples as one column: the arrows go on from E1's
// last input to E2's first.
constexpr KeyRow<int> kFirstTabColumn[] = {
    {.field = engine::KeisuNum1::E1Years, .down = engine::KeisuNum1::E2Rate},
    {.field = engine::KeisuNum1::E2Rate, .up = engine::KeisuNum1::E1Years},
};

const std::array<TabTexts, Formkeisu::kTabs> &tabTexts()
{
    using E = CoefficientExample;
    static const std::array<TabTexts, Formkeisu::kTabs> tabs = {{
        {QStringLiteral("終価係数"),
         {E::E1, E::E2},
         {QStringLiteral("※ 【 終 価 係 数 】　現在の額から将来の額を求めるときに使用します。"), QString()},
         QStringLiteral("Command3")},
        {QStringLiteral("現価係数"),
         {E::E3, E::E4},
         {QStringLiteral("※ 【 現 価 係 数 】  将来の額から運用率を考慮して、現在必要な額を求めるときに使います。"),
          QString()},
         QStringLiteral("Command6")},
        {QStringLiteral("減債基金"),
         {E::E5},
         {QStringLiteral(
             "※ 【 減債基金係数 】  将来目標とする額を貯めるために必要な毎年の積立額を求めるときに使います。")},
         QStringLiteral("Command15")},
        {QStringLiteral("年金終価"),
         {E::E6},
         {QStringLiteral("※ 【 年金終価係数 】  毎年の積立額から将来の元利合計を求めます。")},
         QStringLiteral("Command9")},
        {QStringLiteral("資本回収"),
         {E::E7, E::E8},
         {QStringLiteral("※ ① 【 資本回収係数 】  現在の額を運用しながら受け取れる額"),
          QStringLiteral("② 【 資本回収係数 】  借り入れ額に対する利息を含めた毎年の返済額を求めるときに使用する。")},
         QStringLiteral("Command12")},
        {QStringLiteral("年金現価"),
         {E::E9},
         {QStringLiteral(
             "※ 【 年金現価係数 】  希望する年金額を受け取りために必要な、年金原資を求めるときに使用します。")},
         QStringLiteral("Command14")},
    }};
    return tabs;
}

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// A key that types a character (a digit, a letter, Space, Backspace, Esc),
// not Tab, which moves on, nor a shortcut.
bool typesCharacter(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    return !event->text().isEmpty();
}

bool switchesTab(const QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

Formkeisu::Formkeisu(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_session(
          *this, m_form, [this](CoefficientsForm &) { readForm(); }, [this](const CoefficientsForm &) { writeForm(); })
{
    setObjectName(QStringLiteral("Formkeisu"));
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, 4.0); });
    setWindowTitle(QStringLiteral("基本係数"));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    // Clicking a tab takes the focus, as the tab control always has, so
    // turning the page does not enter (and clear) one of its examples.
    m_tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(m_tabs);
    for (int tab = 0; tab < int(tabTexts().size()); ++tab)
        m_tabs->addTab(newTab(tab), tabTexts()[tab].caption);
    m_tabs->setCurrentIndex(0);

    engine::OpenFormkeisu(m_form);
    writeForm();
    installKeys();
    m_fields[engine::KeisuNum1::E1Amount]->setFocus();
}

QWidget *Formkeisu::newTab(int tab)
{
    const TabTexts &texts = tabTexts()[tab];
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Tab%1").arg(tab));
    auto *column = new QVBoxLayout(page);
    for (size_t i = 0; i < texts.examples.size(); ++i) {
        if (!texts.headings[int(i)].isEmpty()) {
            auto *heading = new QLabel(texts.headings[int(i)], page);
            heading->setObjectName(QStringLiteral("Heading%1_%2").arg(tab).arg(i));
            column->addWidget(heading);
        }
        const CoefficientExample example = texts.examples[i];
        auto *panel = new ExamplePanel(example, page);
        m_panels[static_cast<size_t>(example)] = panel;
        for (int index = 0; index < engine::KeisuNum1::Count; ++index) {
            if (engine::ExampleOf(index) == example)
                m_fields[index] = panel->field(index);
        }
        connect(panel->calculateButton(), &QPushButton::clicked, this, [this, example] { calculate(example); });
        connect(panel->clearLabel(), &ClickLabel::clicked, this, [this, example] { clearEntry(example); });
        column->addWidget(panel);
    }
    column->addStretch();

    auto *bottom = new QHBoxLayout;
    ClickLabel *printer = ClickLabel::printerPicture(page);
    printer->setObjectName(engine::ControlName(QStringLiteral("Picture1"), tab));
    connect(printer, &ClickLabel::clicked, this,
            [this, printer] { ScreenPrint(this, PageOrientation::PrinterDefault, printer); });
    bottom->addWidget(printer);
    bottom->addStretch();
    QPushButton *close = MakeButton(page, texts.closeButton, QStringLiteral("閉じる"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    m_closeButtons[tab] = close;
    bottom->addWidget(close);
    column->addLayout(bottom);
    return page;
}

void Formkeisu::installKeys()
{
    KeyTable keys(this);
    for (const ExamplePanel *panel : m_panels) {
        keys.add(panel->keyRows(), [panel](int slot) { return panel->widget(slot); });
        panel->calculateButton()->installEventFilter(this);
    }
    keys.add(kFirstTabColumn, [this](int slot) { return m_fields[static_cast<size_t>(slot)]; });
    // Installed last, so it runs first: an amount shows its plain figure
    // before the whole text is selected.
    auto *selectFromKeyboard = new SelectAllOnFocus(SelectAllOnFocus::Entry::FromKeyboard, this);
    for (int index = 0; index < engine::KeisuNum1::Count; ++index) {
        if (engine::IsInput(index))
            m_fields[index]->installEventFilter(this);
        else
            selectFromKeyboard->attach(m_fields[index]);
    }
    for (QPushButton *close : m_closeButtons)
        close->installEventFilter(this);
    m_tabs->installEventFilter(this);
}

bool Formkeisu::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // Another window or a message box coming up is not the agent
        // entering or leaving a field.
        const auto field = std::find(m_fields.begin(), m_fields.end(), watched);
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && field != m_fields.end())
            fieldFocus(int(field - m_fields.begin()), type == QEvent::FocusIn);
        return false;
    }
    if (type != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_tabs) {
        // Ctrl+Tab turns the page from inside a field: the tab strip takes
        // the focus first, as a click on it does.
        if (switchesTab(key))
            m_tabs->tabBar()->setFocus(Qt::ShortcutFocusReason);
        return false;
    }
    for (ExamplePanel *panel : m_panels) {
        if (watched == panel->calculateButton())
            return buttonKey(panel, key);
    }
    if (isEnter(key) && std::find(m_closeButtons.begin(), m_closeButtons.end(), watched) != m_closeButtons.end()) {
        close();
        return true;
    }
    return false;
}

void Formkeisu::fieldFocus(int index, bool entering)
{
    if (entering) {
        const auto entry =
            index == m_returningTo ? engine::FieldEntry::ReturnAfterCalculation : engine::FieldEntry::ByUser;
        m_session.run([index, entry](CoefficientsForm &form) { return engine::EnterField(form, index, entry); });
    } else {
        m_session.run([index](CoefficientsForm &form) { return engine::LeaveField(form, index); });
    }
}

bool Formkeisu::buttonKey(ExamplePanel *panel, const QKeyEvent *event)
{
    const CoefficientExample example = panel->example();
    const std::optional<int> back = engine::FocusAfterEnter(example);
    if (isEnter(event)) {
        // After a message its field keeps the focus; otherwise E1 to E3 go
        // back to their first input, ready for the next figure.
        if (calculate(example) && back) {
            m_returningTo = *back;
            MoveFocusTo(m_fields[*back]);
            m_returningTo = -1;
        }
        return true;
    }
    if (!back && typesCharacter(event)) {
        calculate(example);
        return true;
    }
    return false;
}

bool Formkeisu::calculate(CoefficientExample example)
{
    return !m_session.run([example](CoefficientsForm &form) { return engine::CalculateExample(form, example); })
                .stopped;
}

void Formkeisu::clearEntry(CoefficientExample example)
{
    m_session.run([example](CoefficientsForm &form) { return engine::ClearEntry(form, example); });
    QLineEdit *field = m_fields[engine::FieldsOf(example).inputs.front()];
    MoveFocusTo(field);
    if (field->hasFocus())
        SelectAllOnFocus::selectAll(field);
}

void Formkeisu::readForm()
{
    for (const ExamplePanel *panel : m_panels)
        panel->read(m_form);
}

void Formkeisu::writeForm()
{
    for (ExamplePanel *panel : m_panels)
        panel->write(m_form);
}

} // namespace izoku::ui
