#include "formmenu.h"

#include "basedatainuse.h"
#include "controls.h"
#include "datepicker.h"
#include "messageservice.h"
#include "windowregistry.h"

#include "store/database.h"
#include "store/startcheck.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace izoku::ui {

namespace {

// The layout is kept in twips, as the menu was drawn; 15 twips make a pixel.
constexpr int px(int twips)
{
    return twips / 15;
}

constexpr int kButtonLeft = 135;
constexpr int kButtonWidth = 1455;
constexpr int kButtonHeight = 375;
// The fiscal year sits under the clock, 終了 below it.
constexpr int kYearLabelTop = 4080;
constexpr int kYearLabelHeight = 270;
constexpr int kYearsTop = 4350;
constexpr int kYearsHeight = 330;
constexpr int kQuitTop = 4760;
constexpr int kMenuWidth = 1725;
constexpr int kMenuHeight = 5360;

QFrame *separator(QWidget *parent, int topTwips, const QString &name)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, px(topTwips), px(kMenuWidth), 2);
    return line;
}

} // namespace

QDateTime SystemClock()
{
    return QDateTime::currentDateTime();
}

QString Formmenu::ClockText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

Formmenu::Formmenu(WindowRegistry &registry, Options options, QWidget *parent)
    : QWidget(parent)
    , m_registry(registry)
    , m_options(std::move(options))
{
    setObjectName(QStringLiteral("Formmenu"));
    setWindowTitle(QStringLiteral("遺族保障"));
    setFixedSize(px(kMenuWidth), px(kMenuHeight));

    // Start-up, in order: place the menu, show the date and the time, then
    // load the base figures.
    move(0, 0);
    const QDateTime now = m_options.clock();

    QWidget *previous = nullptr;
    auto chain = [&previous, this](QWidget *w) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    chain(addScreenButton(QStringLiteral("Command1"), QStringLiteral("遺族年金"), 240, screen::Pension));
    chain(addScreenButton(QStringLiteral("Command2"), QStringLiteral("必要補償額"), 720, screen::Needs));
    chain(addScreenButton(QStringLiteral("Command3"), QStringLiteral("顧客データ"), 1200, screen::Customers));
    chain(addScreenButton(QStringLiteral("Command4"), QStringLiteral("係数計算"), 1800, screen::Coefficients));
    chain(addScreenButton(QStringLiteral("Command5"), QStringLiteral("登録画面"), 2400, screen::BaseFigures));
    chain(addScreenButton(QStringLiteral("Command6"), QStringLiteral("About"), 3000, screen::About));

    separator(this, 1680, QStringLiteral("Line1"));
    separator(this, 2280, QStringLiteral("Line2"));

    m_date = new DatePicker(QStringLiteral("DTPicker1"), this);
    m_date->setFocusPolicy(Qt::ClickFocus);
    m_date->setGeometry(px(kButtonLeft), px(3480), px(kButtonWidth), px(300));
    m_date->setDate(now.date());

    m_clock = new QLabel(this);
    m_clock->setObjectName(QStringLiteral("Label1"));
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setGeometry(px(kButtonLeft), px(3770), px(kButtonWidth), px(270));
    m_clock->setText(ClockText(now.time()));

    auto *yearLabel = new QLabel(QStringLiteral("計算年度"), this);
    yearLabel->setObjectName(QStringLiteral("Label2"));
    yearLabel->setGeometry(px(kButtonLeft), px(kYearLabelTop), px(kButtonWidth), px(kYearLabelHeight));
    m_years = new QComboBox(this);
    m_years->setObjectName(QStringLiteral("Combo1"));
    // Like the date above it, the year is chosen with the mouse: the tab
    // order stays the column of buttons.
    m_years->setFocusPolicy(Qt::ClickFocus);
    m_years->setGeometry(px(kButtonLeft), px(kYearsTop), px(kButtonWidth), px(kYearsHeight));
    connect(m_years, &QComboBox::activated, this, &Formmenu::chooseYear);
    connect(&BaseDataInUse::instance(), &BaseDataInUse::yearsChanged, this, &Formmenu::listYears);

    QPushButton *quit = MakeButton(this, QStringLiteral("Command8"), QStringLiteral("終 了"));
    quit->setGeometry(px(kButtonLeft), px(kQuitTop), px(kButtonWidth), px(kButtonHeight));
    connect(quit, &QPushButton::clicked, this, [this] {
        if (m_options.endProgram)
            m_options.endProgram();
    });
    chain(quit);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &Formmenu::tick);
    m_timer->start();

    loadBaseData();
}

QPushButton *Formmenu::addScreenButton(const QString &name, const QString &caption, int topTwips, const QString &key)
{
    QPushButton *button = MakeButton(this, name, caption);
    button->setGeometry(px(kButtonLeft), px(topTwips), px(kButtonWidth), px(kButtonHeight));
    connect(button, &QPushButton::clicked, this, [this, key] { m_registry.show(key); });
    return button;
}

void Formmenu::loadBaseData()
{
    // The file is checked first: a save a crash cut short is rolled back
    // and the day's copy taken from a sound file before the figures are read.
    m_fileMessages = store::CheckCustomerFileAtStart(m_options.databasePath, m_options.clock().date());
    // The newest year, as every start has read it; once loaded, 計算年度
    // lists the years.  A newest row that cannot be read still leaves the
    // other years to choose from.
    const store::BaseDataLoad load = BaseDataInUse::instance().load(m_options.databasePath);
    m_baseDataWarning = store::BaseDataWarning(load, m_options.databasePath);
    if (!load.loaded())
        listYears();
}

void Formmenu::listYears()
{
    const QSignalBlocker quiet(m_years);
    m_years->clear();
    for (int year : store::ReadFiscalYears(m_options.databasePath).value_or(QList<int>()))
        m_years->addItem(QStringLiteral("%1年度").arg(year), year);
    m_years->setCurrentIndex(m_years->findData(int(store::ProcessBaseData().FiscalYear)));
}

void Formmenu::chooseYear(int index)
{
    const int year = m_years->itemData(index).toInt();
    if (year == store::ProcessBaseData().FiscalYear)
        return;
    const store::BaseDataLoad load = BaseDataInUse::instance().load(m_options.databasePath, year);
    if (load.loaded())
        return;
    // The year in use stays, and the list says so again.
    Messages().show(this, *store::BaseDataWarning(load, m_options.databasePath));
    listYears();
}

void Formmenu::tick()
{
    m_clock->setText(ClockText(m_options.clock().time()));
}

void Formmenu::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_warned)
        return;
    m_warned = true;
    // Without the base figures every pension would be computed as 0, and a
    // damaged or read-only file, or no day's copy, puts the customers at
    // risk: say so once, as soon as the menu is on screen, and carry on.
    QTimer::singleShot(0, this, [this] {
        if (m_baseDataWarning)
            Messages().show(this, *m_baseDataWarning);
        for (const engine::Message &message : m_fileMessages)
            Messages().show(this, message);
    });
}

void Formmenu::closeEvent(QCloseEvent *event)
{
    // Closing the menu ends the program as 終了 does.
    event->accept();
    if (m_options.endProgram)
        m_options.endProgram();
}

} // namespace izoku::ui
