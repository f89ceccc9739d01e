#include "formdata.h"

#include "ui/app/clicklabel.h"
#include "ui/app/heading.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"

#include "engine/forms/household.h"
#include "engine/needs/customerrecord.h"
#include "store/customerlist.h"
#include "store/customers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace izoku::ui {

namespace {

using engine::HouseholdIndex;

QString numbered(const char *stem, int k)
{
    return QString::fromUtf8(stem) + QString::number(k);
}

QLabel *label(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

FormData::FormData(const QString &databasePath, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_databasePath(databasePath)
    , m_model(new store::CustomerListModel(databasePath, this))
{
    setObjectName(QStringLiteral("FormData"));
    setWindowTitle(QStringLiteral("顧客データ一覧"));

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(Heading(QStringLiteral("保険診断顧客一覧"), this));
    top->addStretch();
    m_printer = ClickLabel::printerPicture(this);
    m_printer->setObjectName(QStringLiteral("Picture1"));
    connect(m_printer, &ClickLabel::clicked, this,
            [this] { ScreenPrint(this, PageOrientation::PrinterDefault, m_printer); });
    top->addWidget(m_printer);
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("Command5"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    top->addWidget(close);
    layout->addLayout(top);

    layout->addWidget(buildDetails());

    auto *moves = new QHBoxLayout;
    const std::pair<const char *, const char *> captions[] = {
        {"Command1", "|| <<"}, {"Command2", "<"}, {"Command3", ">"}, {"Command4", ">> || "}};
    QPushButton *buttons[4];
    for (int i = 0; i < 4; ++i) {
        buttons[i] = new QPushButton(QString::fromUtf8(captions[i].second), this);
        buttons[i]->setObjectName(QString::fromUtf8(captions[i].first));
        moves->addWidget(buttons[i]);
    }
    moves->addStretch();
    m_openButton = new QPushButton(QStringLiteral("開く"), this);
    m_openButton->setObjectName(QStringLiteral("CommandOpen"));
    m_openButton->setEnabled(false);
    moves->addWidget(m_openButton);
    auto *remove = new QPushButton(QStringLiteral("削除"), this);
    remove->setObjectName(QStringLiteral("CommandDelete"));
    remove->setEnabled(m_model->isOpen());
    moves->addWidget(remove);
    layout->addLayout(moves);
    connect(m_openButton, &QPushButton::clicked, this, &FormData::openCurrent);
    connect(remove, &QPushButton::clicked, this, &FormData::deleteCurrent);

    auto *search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("氏名検索"), this));
    auto *searchBox = new QLineEdit(this);
    searchBox->setObjectName(QStringLiteral("TextSearch"));
    searchBox->setClearButtonEnabled(true);
    search->addWidget(searchBox, 1);
    layout->addLayout(search);
    connect(searchBox, &QLineEdit::textChanged, this, &FormData::filter);
    // Past either end a move stays on the end row.
    connect(buttons[0], &QPushButton::clicked, this, [this] { moveTo(0); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { moveTo(currentRow() - 1); });
    connect(buttons[2], &QPushButton::clicked, this, [this] { moveTo(currentRow() + 1); });
    connect(buttons[3], &QPushButton::clicked, this, [this] { moveTo(m_model->rowCount() - 1); });

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setMinimumHeight(180);
    layout->addWidget(m_grid, 1);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showRow(current.row()); });
    connect(m_grid, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        moveTo(index.row());
        openCurrent();
    });

    resize(940, 700);
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, 3.0); });

    if (!m_model->isOpen()) {
        ShowMessageLater(this, engine::ReadFailedMessage());
    }
    moveTo(0);
}

FormData::~FormData() = default;

QLineEdit *FormData::addBox(int index, const QString &field)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(index < 0 ? QStringLiteral("Text2") : QStringLiteral("Text1(%1)").arg(index));
    box->setReadOnly(true);
    m_boxes.emplace_back(box, field);
    return box;
}

QWidget *FormData::buildDetails()
{
    auto *details = new QWidget(this);
    auto *columns = new QHBoxLayout(details);
    columns->setContentsMargins(0, 0, 0, 0);

    // The family, one line per person as on the needs-analysis screen.
    auto *family = new QGroupBox(details);
    auto *grid = new QGridLayout(family);
    grid->addWidget(new QLabel(QStringLiteral("登録日"), family), 0, 0);
    grid->addWidget(addBox(-1, QStringLiteral("日付")), 0, 1);
    const QString headings[] = {QStringLiteral("名　前"), QStringLiteral("生年月日"), QStringLiteral("年齢"),
                                QStringLiteral("障害")};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(label(headings[c], family), 1, c + 1);
    for (int person = 0; person < HouseholdIndex::Count; ++person) {
        const int k = person + 1;
        grid->addWidget(label(engine::Household::DefaultRole(person), family), person + 2, 0);
        grid->addWidget(addBox(person, numbered("氏名", k)), person + 2, 1);
        grid->addWidget(addBox(7 + person, numbered("生年月日", k)), person + 2, 2);
        grid->addWidget(addBox(14 + person, numbered("年齢", k)), person + 2, 3);
        // 印1 … 印5 are the marks of 子1 … 子5; the husband and the wife
        // carry none, so their boxes stay empty.
        const bool child = engine::Household::IsChild(person);
        QLineEdit *mark = addBox(21 + person, child ? numbered("印", person - 1) : QString());
        mark->setAlignment(Qt::AlignCenter);
        mark->setMaximumWidth(40);
        grid->addWidget(mark, person + 2, 4);
    }
    grid->setRowStretch(HouseholdIndex::Count + 2, 1);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 1);
    columns->addWidget(family, 3);

    auto *right = new QVBoxLayout;
    // The husband's pension record.
    auto *pension = new QGroupBox(details);
    auto *p = new QGridLayout(pension);
    p->addWidget(new QLabel(QStringLiteral("国民年金"), pension), 0, 0);
    p->addWidget(new QLabel(QStringLiteral("加入期間"), pension), 0, 1);
    p->addWidget(addBox(28, QStringLiteral("国保期間")), 0, 2);
    p->addWidget(new QLabel(QStringLiteral("厚生年金"), pension), 1, 0);
    p->addWidget(new QLabel(QStringLiteral("～H15/3期間"), pension), 1, 1);
    p->addWidget(addBox(29, QStringLiteral("厚生期間1")), 1, 2);
    p->addWidget(new QLabel(QStringLiteral("平均標準報酬月額"), pension), 1, 3);
    p->addWidget(addBox(30, QStringLiteral("金額1")), 1, 4);
    p->addWidget(new QLabel(QStringLiteral("H15/4～期間"), pension), 2, 1);
    p->addWidget(addBox(31, QStringLiteral("厚生期間2")), 2, 2);
    p->addWidget(new QLabel(QStringLiteral("平均標準報酬月額"), pension), 2, 3);
    p->addWidget(addBox(32, QStringLiteral("金額2")), 2, 4);
    right->addWidget(pension);

    // The life insurance held.
    auto *insurance = new QGroupBox(details);
    auto *g = new QGridLayout(insurance);
    g->addWidget(new QLabel(QStringLiteral("生命保険会社"), insurance), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("会社名"), insurance), 0, 1);
    g->addWidget(addBox(33, QStringLiteral("保険会社")), 0, 2, 1, 3);
    const QString units[] = {QStringLiteral("歳から"), QStringLiteral("歳まで"), QStringLiteral("万円")};
    for (int c = 0; c < 3; ++c)
        g->addWidget(label(units[c], insurance), 1, c + 2);
    g->addWidget(new QLabel(QStringLiteral("定期保険"), insurance), 2, 0);
    int index = 34;
    for (int policy = 1; policy <= 3; ++policy) {
        g->addWidget(label(QString::number(policy), insurance), policy + 1, 1);
        for (int v = 1; v <= 3; ++v)
            g->addWidget(addBox(index++, numbered("生保", policy * 10 + v)), policy + 1, v + 1);
    }
    g->addWidget(new QLabel(QStringLiteral("終身保険"), insurance), 5, 0);
    for (int policy = 4; policy <= 5; ++policy) {
        g->addWidget(label(QString::number(policy - 3), insurance), policy + 1, 1);
        // A whole-life policy has no end age: its amount stands under 万円.
        g->addWidget(addBox(index++, numbered("生保", policy * 10 + 1)), policy + 1, 2);
        g->addWidget(addBox(index++, numbered("生保", policy * 10 + 2)), policy + 1, 4);
    }
    right->addWidget(insurance);
    right->addStretch();
    columns->addLayout(right, 4);
    return details;
}

int FormData::currentRow() const
{
    return m_grid->currentIndex().row();
}

void FormData::setOpenHandler(OpenHandler handler)
{
    m_open = std::move(handler);
    m_openButton->setEnabled(static_cast<bool>(m_open));
}

void FormData::filter(const QString &text)
{
    m_model->setFilter(text);
    moveTo(0);
}

void FormData::openCurrent()
{
    const qint64 key = m_model->key(currentRow());
    if (m_open && key >= 0)
        m_open(key);
}

void FormData::deleteCurrent()
{
    const int row = currentRow();
    const qint64 key = m_model->key(row);
    if (key < 0 || Messages().ask(this, engine::DeleteCustomerQuestion()) != Answer::Yes)
        return;
    if (!store::DeleteCustomerRecord(m_databasePath, key).written())
        Messages().show(this, engine::DeleteFailedMessage());
    // Whether or not it went, the list shows the table as it stands, on the
    // row that took the removed one's place.
    m_model->reload();
    moveTo(row);
}

void FormData::moveTo(int row)
{
    const int rows = m_model->rowCount();
    if (rows == 0) {
        // No row, or none that matches the search: the boxes show nothing.
        showRow(-1);
        return;
    }
    row = std::clamp(row, 0, rows - 1);
    const QModelIndex index = m_model->index(row, std::max(0, m_grid->currentIndex().column()));
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

void FormData::showRow(int row)
{
    for (const auto &[box, field] : m_boxes) {
        box->setText(field.isEmpty() || row < 0 ? QString() : m_model->text(row, field));
        box->setCursorPosition(0);
    }
}

} // namespace izoku::ui
