#include "formdata.h"

#include "ui/app/clicklabel.h"
#include "ui/app/heading.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"

#include "engine/needs/customerrecord.h"
#include "store/customerlist.h"
#include "store/customers.h"

#include <QEvent>
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
#include <iterator>

namespace izoku::ui {

namespace {

using engine::FormDataText1;
using engine::HouseholdIndex;
using engine::RowMove;

// The grid's rows a little above the text, a few of them always in view.
constexpr int kRowPadding = 6;
constexpr int kGridLeastHeight = 180;
// The box of a one-character mark.
constexpr int kMarkWidth = 40;
// Top = (screen height - window height) / 3.
constexpr double kTopDivisor = 3.0;
const QSize kDesignSize(940, 700);

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
    , m_session(
          *this, m_form, [this](engine::FormDataForm &) { readForm(); },
          [this](const engine::FormDataForm &) { writeForm(); })
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
    const struct {
        const char *name;
        const char *caption;
        RowMove move;
    } moveButtons[] = {{"Command1", "|| <<", RowMove::First},
                       {"Command2", "<", RowMove::Previous},
                       {"Command3", ">", RowMove::Next},
                       {"Command4", ">> || ", RowMove::Last}};
    for (const auto &[name, caption, rowMove] : moveButtons) {
        auto *button = new QPushButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromUtf8(name));
        connect(button, &QPushButton::clicked, this, [this, move = rowMove] { this->move(move); });
        moves->addWidget(button);
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

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + kRowPadding);
    m_grid->setMinimumHeight(kGridLeastHeight);
    layout->addWidget(m_grid, 1);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showRow(current.row()); });
    connect(m_grid, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        moveTo(index.row());
        openCurrent();
    });

    resize(kDesignSize);
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, kTopDivisor); });

    if (!m_model->isOpen()) {
        ShowMessageLater(this, engine::ReadFailedMessage());
    }
    move(RowMove::First);
}

FormData::~FormData() = default;

QLineEdit *FormData::addBox(int slot)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("Text1(%1)").arg(slot));
    box->setReadOnly(true);
    m_text1[static_cast<size_t>(slot)] = box;
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
    m_text2 = new QLineEdit(family);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setReadOnly(true);
    grid->addWidget(m_text2, 0, 1);
    const QString headings[] = {QStringLiteral("名　前"), QStringLiteral("生年月日"), QStringLiteral("年齢"),
                                QStringLiteral("障害")};
    for (int c = 0; c < int(std::size(headings)); ++c)
        grid->addWidget(label(headings[c], family), 1, c + 1);
    for (int person = 0; person < HouseholdIndex::Count; ++person) {
        grid->addWidget(label(engine::Household::DefaultRole(person), family), person + 2, 0);
        grid->addWidget(addBox(FormDataText1::Name1 + person), person + 2, 1);
        grid->addWidget(addBox(FormDataText1::Birth1 + person), person + 2, 2);
        grid->addWidget(addBox(FormDataText1::Age1 + person), person + 2, 3);
        QLineEdit *mark = addBox(FormDataText1::Mark1 + person);
        mark->setAlignment(Qt::AlignCenter);
        mark->setMaximumWidth(kMarkWidth);
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
    p->addWidget(addBox(FormDataText1::NationalMonths), 0, 2);
    p->addWidget(new QLabel(QStringLiteral("厚生年金"), pension), 1, 0);
    p->addWidget(new QLabel(QStringLiteral("～H15/3期間"), pension), 1, 1);
    p->addWidget(addBox(FormDataText1::EmployeeMonthsTo2003), 1, 2);
    p->addWidget(new QLabel(QStringLiteral("平均標準報酬月額"), pension), 1, 3);
    p->addWidget(addBox(FormDataText1::AverageMonthlyRemuneration), 1, 4);
    p->addWidget(new QLabel(QStringLiteral("H15/4～期間"), pension), 2, 1);
    p->addWidget(addBox(FormDataText1::EmployeeMonthsFrom2003), 2, 2);
    p->addWidget(new QLabel(QStringLiteral("平均標準報酬月額"), pension), 2, 3);
    p->addWidget(addBox(FormDataText1::AverageRemuneration), 2, 4);
    right->addWidget(pension);

    // The life insurance held.
    auto *insurance = new QGroupBox(details);
    auto *g = new QGridLayout(insurance);
    g->addWidget(new QLabel(QStringLiteral("生命保険会社"), insurance), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("会社名"), insurance), 0, 1);
    g->addWidget(addBox(FormDataText1::Company), 0, 2, 1, 3);
    const QString units[] = {QStringLiteral("歳から"), QStringLiteral("歳まで"), QStringLiteral("万円")};
    for (int c = 0; c < int(std::size(units)); ++c)
        g->addWidget(label(units[c], insurance), 1, c + 2);
    g->addWidget(new QLabel(QStringLiteral("定期保険"), insurance), 2, 0);
    int row = 2;
    for (int policy = 0; policy < engine::HokenNum4::kTermPolicies; ++policy, ++row) {
        g->addWidget(label(QString::number(policy + 1), insurance), row, 1);
        const int first = FormDataText1::Term1From + FormDataText1::kTermPolicyBoxes * policy;
        for (int field = 0; field < FormDataText1::kTermPolicyBoxes; ++field)
            g->addWidget(addBox(first + field), row, field + 2);
    }
    g->addWidget(new QLabel(QStringLiteral("終身保険"), insurance), row, 0);
    for (int policy = 0; policy < engine::HokenNum4::kWholeLifePolicies; ++policy, ++row) {
        g->addWidget(label(QString::number(policy + 1), insurance), row, 1);
        const int first = FormDataText1::WholeLife1From + FormDataText1::kWholeLifePolicyBoxes * policy;
        // A whole-life policy has no end age: its amount stands under 万円.
        g->addWidget(addBox(first), row, 2);
        g->addWidget(addBox(first + 1), row, 4);
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

void FormData::reload()
{
    m_model->reload();
    move(RowMove::First);
}

void FormData::filter(const QString &text)
{
    m_model->setFilter(text);
    move(RowMove::First);
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
    if (const store::WriteOutcome outcome = store::DeleteCustomerRecord(m_databasePath, key); !outcome.written())
        Messages().show(this, store::WriteFailedMessage(outcome.failure, store::WriteKind::Delete, m_databasePath));
    // Whether or not it went, the list shows the table as it stands, on the
    // row that took the removed one's place.
    m_model->reload();
    moveTo(engine::RowAfterRemoval(row, m_model->rowCount()));
}

void FormData::move(RowMove rowMove)
{
    moveTo(engine::RowAfterMove(rowMove, currentRow(), m_model->rowCount()));
}

void FormData::moveTo(int row)
{
    if (row < 0) {
        // No row, or none that matches the search: the boxes show nothing.
        showRow(-1);
        return;
    }
    const QModelIndex index = m_model->index(row, std::max(0, m_grid->currentIndex().column()));
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

void FormData::showRow(int row)
{
    m_session.run([this, row](engine::FormDataForm &form) { return engine::ShowCustomer(form, m_model->record(row)); });
}

void FormData::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // The opening has just read the table.
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        return;
    }
    const qint64 current = m_model->key(currentRow());
    m_model->reload();
    int row = 0;
    while (row < m_model->rowCount() && m_model->key(row) != current)
        ++row;
    // The row it stood on, or the first when that one is gone.
    if (row < m_model->rowCount())
        moveTo(row);
    else
        move(RowMove::First);
}

void FormData::readForm()
{
    m_form.text2 = m_text2->text();
    for (size_t slot = 0; slot < m_text1.size(); ++slot)
        m_form.text1[slot] = m_text1[slot]->text();
}

void FormData::writeForm()
{
    m_text2->setText(m_form.text2);
    m_text2->setCursorPosition(0);
    for (size_t slot = 0; slot < m_text1.size(); ++slot) {
        m_text1[slot]->setText(m_form.text1[slot]);
        // The start of a long name is what identifies the customer.
        m_text1[slot]->setCursorPosition(0);
    }
}

} // namespace izoku::ui
