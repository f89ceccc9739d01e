#include "formmenu.h"

#include "controls.h"
#include "datepicker.h"
#include "messageservice.h"
#include "windowregistry.h"

#include "store/database.h"
#include "store/startcheck.h"

#include <QCloseEvent>
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

QFrame *separator(QWidget *parent, int topTwips, const QString &name)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, px(topTwips), px(1725), 2);
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
    setFixedSize(px(1725), px(4680));

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

    QPushButton *quit = MakeButton(this, QStringLiteral("Command8"), QStringLiteral("終 了"));
    quit->setGeometry(px(kButtonLeft), px(4080), px(kButtonWidth), px(kButtonHeight));
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
    // before the figures are read.
    m_fileMessages = store::CheckCustomerFileAtStart(m_options.databasePath, m_options.clock().date());
    m_baseDataWarning = store::BaseDataWarning(
        store::OpenAndLoadBaseData(m_options.databasePath, store::ProcessBaseData()), m_options.databasePath);
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
