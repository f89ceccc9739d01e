#include "frmrestore.h"

#include "engine/needs/customerrecord.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

QString copyLine(const store::RestorableCopy &copy)
{
    const QString day = engine::RecordDate(copy.copy.day);
    if (!copy.customers)
        return QStringLiteral("%1　読み込めません").arg(day);
    return QStringLiteral("%1　顧客 %2 件").arg(day).arg(*copy.customers);
}

} // namespace

FrmRestore::FrmRestore(std::vector<store::RestorableCopy> copies, QWidget *parent)
    : QDialog(parent)
    , m_copies(std::move(copies))
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(QStringLiteral("バックアップから復元"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("復元するバックアップを選んでください。"), this));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    for (const store::RestorableCopy &copy : m_copies) {
        auto *line = new QListWidgetItem(copyLine(copy), m_list);
        if (!copy.customers)
            line->setFlags(line->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    }
    layout->addWidget(m_list);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = new QPushButton(QStringLiteral("復元"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setEnabled(false);
    auto *cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, [this] { m_ok->setEnabled(chosen().has_value()); });
    connect(m_list, &QListWidget::itemActivated, this, [this] {
        if (chosen())
            accept();
    });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<store::DailyCopy> FrmRestore::chosen() const
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_copies.size()) || !m_copies[static_cast<size_t>(row)].customers)
        return std::nullopt;
    return m_copies[static_cast<size_t>(row)].copy;
}

} // namespace izoku::ui
