#include "buttonrow.h"

#include "ui/app/clicklabel.h"
#include "ui/app/controls.h"
#include "ui/app/formmenu.h"
#include "ui/app/windowregistry.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <chrono>

namespace izoku::ui {

namespace {

// Long enough to read, short enough not to stand beside the next household.
constexpr std::chrono::milliseconds kStatusShown{5000};

struct ReferenceButton {
    const char *name;
    const char16_t *caption;
    const QString &key;
};
constexpr int kReferencesPerRow = 5;
const ReferenceButton kReferences[][kReferencesPerRow] = {
    {{"Command24", u"年金計算式(法律)", screen::PensionAmounts},
     {"Command26", u"必要補償額算出資料", screen::PensionLevel},
     {"Command28", u"教育費参照", screen::EducationCosts},
     {"Command30", u"平均給与額資料", screen::Salaries},
     {"Command32", u"遺族年金支給要件", screen::Requirements}},
    {{"Command25", u"年金の歴史", screen::History},
     {"Command27", u"年金制度種別一覧", screen::InsuredKinds},
     {"Command29", u"老齢厚生年金資料", screen::PartialPension},
     {"Command31", u"加給年金・振替加算", screen::TransferAddition},
     {"Command33", u"老齢基礎年金", screen::EmployeesPensionCalc}},
};

} // namespace

ButtonRow::ButtonRow(WindowRegistry &registry, QWidget *parent)
    : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    const auto opens = [this, &registry](QPushButton *button, const QString &key) {
        connect(button, &QPushButton::clicked, this, [&registry, key] { registry.show(key); });
        return button;
    };
    int row = 0;
    for (const auto &references : kReferences) {
        int column = 0;
        for (const ReferenceButton &reference : references) {
            QPushButton *b =
                MakeButton(this, QString::fromLatin1(reference.name), QString::fromUtf16(reference.caption));
            grid->addWidget(opens(b, reference.key), row, column++);
        }
        ++row;
    }
    grid->addWidget(opens(MakeButton(this, QStringLiteral("Command23"), QStringLiteral("HELP")), screen::Help), 0, 5);
    grid->addWidget(opens(MakeButton(this, QStringLiteral("Command35"), QStringLiteral("西暦/和暦")), screen::EraTable),
                    1, 5);

    base = MakeButton(this, QStringLiteral("cmdBase"), QStringLiteral("基礎計算(2度押し)"));
    showSheet = MakeButton(this, QStringLiteral("cmdShowSheet"), QStringLiteral("Sheet表示"));
    hideSheet = MakeButton(this, QStringLiteral("cmdHideSheet"), QStringLiteral("Sheet閉じる"));
    clearAll = MakeButton(this, QStringLiteral("Command36"), QStringLiteral("AC"));
    grid->addWidget(base, 0, 6, 1, 2);
    grid->addWidget(showSheet, 1, 6);
    grid->addWidget(hideSheet, 1, 7);
    grid->addWidget(clearAll, 0, 8);

    printer = ClickLabel::printerPicture(this);
    printer->setObjectName(QStringLiteral("Picture5"));
    grid->addWidget(printer, 1, 8, Qt::AlignCenter);
    save = MakeButton(this, QStringLiteral("cmdSave"), QStringLiteral("保 存"));
    save->setEnabled(false);
    closeScreen = MakeButton(this, QStringLiteral("Command22"), QStringLiteral("閉じる"));
    grid->addWidget(save, 0, 9);
    grid->addWidget(closeScreen, 1, 9);
    csv = MakeButton(this, QStringLiteral("cmdCsv"), QStringLiteral("CSV出力"));
    report = MakeButton(this, QStringLiteral("cmdReport"), QStringLiteral("提案書PDF"));
    grid->addWidget(csv, 0, 10);
    grid->addWidget(report, 1, 10);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    grid->addWidget(m_status, 2, 0, 1, grid->columnCount());
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(kStatusShown);
    connect(m_statusTimer, &QTimer::timeout, m_status, &QLabel::clear);
}

void ButtonRow::showStatus(const QString &text)
{
    m_status->setText(text);
    m_statusTimer->start();
}

} // namespace izoku::ui
