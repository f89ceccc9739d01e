#include "frmbubunnkn.h"

#include "referencewidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

// One birth-date band: women's bands run five years behind men's.  A start
// age of 0 means the part is not paid before 65 at all.
struct StartAges {
    const char *men;
    const char *women;
    int earningsFrom;
    int fixedFrom;
};

constexpr int kFirstAge = 60;
constexpr int kPensionAge = 65;

constexpr StartAges kFixedAmountPage[] = {
    {"～S16/4/1", "～S21/4/1", 60, 60},
    {"S16/4/2\n～S18/4/1", "S21/4/2\n～S23/4/1", 60, 61},
    {"S18/4/2\n～S20/4/1", "S23/4/2\n～S25/4/1", 60, 62},
    {"S20/4/2\n～S22/4/1", "S25/4/2\n～S27/4/1", 60, 63},
    {"S22/4/2\n～S24/4/1", "S27/4/2\n～S29/4/1", 60, 64},
    {"S24/4/2\n～S28/4/1", "S29/4/2\n～S33/4/1", 60, 0},
};

constexpr StartAges kEarningsPage[] = {
    {"S28/4/2\n～S30/4/1", "S33/4/2\n～S35/4/1", 61, 0},
    {"S30/4/2\n～S32/4/1", "S35/4/2\n～S37/4/1", 62, 0},
    {"S32/4/2\n～S34/4/1", "S37/4/2\n～S39/4/1", 63, 0},
    {"S34/4/2\n～S36/4/1", "S39/4/2\n～S41/4/1", 64, 0},
    {"S36/4/2～", "S41/4/2～", 0, 0},
};

// One bar of a band: the stretch before the start age in the "no longer
// paid" style, then the part itself up to 65.
void addBar(QWidget *chart, QGridLayout *grid, int row, int from, const QString &label, BoxStyle paid, BoxStyle ended)
{
    const int startColumn = 2;
    const int paidFrom = from == 0 ? kPensionAge : from;
    if (paidFrom > kFirstAge)
        grid->addWidget(Box(chart, QString(), ended), row, startColumn, 1, paidFrom - kFirstAge);
    if (paidFrom < kPensionAge)
        grid->addWidget(Box(chart, label, paid), row, startColumn + paidFrom - kFirstAge, 1, kPensionAge - paidFrom);
}

QWidget *startAgeChart(QWidget *parent, const StartAges *bands, int count)
{
    auto *chart = new QWidget(parent);
    QStringList ages;
    for (int age = kFirstAge; age <= kPensionAge; ++age)
        ages << QStringLiteral("%1歳").arg(age);
    QGridLayout *grid = DiagramGrid(chart, 2, static_cast<int>(ages.size()), ages);
    grid->addWidget(Box(chart, QStringLiteral("(男性)"), BoxStyle::Person), 0, 0);
    grid->addWidget(Box(chart, QStringLiteral("(女性)"), BoxStyle::Person), 0, 1);
    const int oldAgeColumn = 2 + kPensionAge - kFirstAge;
    for (int i = 0; i < count; ++i) {
        const StartAges &band = bands[i];
        const int row = 1 + 2 * i;
        grid->addWidget(Box(chart, QString::fromUtf8(band.men), BoxStyle::Plain), row, 0, 2, 1);
        grid->addWidget(Box(chart, QString::fromUtf8(band.women), BoxStyle::Plain), row, 1, 2, 1);
        // The last fixed-amount band is paid an amount equal to the
        // earnings-related part only.
        const bool equivalent = band.earningsFrom == kFirstAge && band.fixedFrom == 0;
        addBar(chart, grid, row, band.earningsFrom,
               equivalent ? QStringLiteral("報酬比例部分相当")
                          : QStringLiteral("特別支給の老齢厚生年金 (報酬比例部分)"),
               equivalent ? BoxStyle::Mutual : BoxStyle::Special, BoxStyle::Withdrawn);
        addBar(chart, grid, row + 1, band.fixedFrom, QStringLiteral("(定額部分)"), BoxStyle::Special,
               BoxStyle::Stopped);
        grid->addWidget(Box(chart, QStringLiteral("老齢厚生年金"), BoxStyle::Employees), row, oldAgeColumn);
        grid->addWidget(Box(chart, QStringLiteral("老齢基礎年金"), BoxStyle::Basic), row + 1, oldAgeColumn);
    }
    return chart;
}

QWidget *legend(QWidget *parent)
{
    auto *legend = new QWidget(parent);
    auto *grid = new QGridLayout(legend);
    const QList<QPair<QString, BoxStyle>> entries{
        {QStringLiteral("特別支給の老齢厚生年金"), BoxStyle::Special},
        {QStringLiteral("報酬比例部分相当"), BoxStyle::Mutual},
        {QStringLiteral("定額部分が支給されなくなった"), BoxStyle::Stopped},
        {QStringLiteral("報酬比例部分が支給されなくなった"), BoxStyle::Withdrawn},
        {QStringLiteral("老齢厚生年金"), BoxStyle::Employees},
        {QStringLiteral("老齢基礎年金"), BoxStyle::Basic},
    };
    for (int i = 0; i < entries.size(); ++i)
        grid->addWidget(Box(legend, entries[i].first, entries[i].second), i / 3, i % 3);
    return legend;
}

void addPage(QTabWidget *tabs, const QString &title, const QString &heading, const QString &explanation,
             const StartAges *bands, int count)
{
    QVBoxLayout *page = AddTabPage(tabs, title);
    page->addWidget(Heading(tabs, heading));
    page->addWidget(Paragraph(tabs, explanation));
    page->addWidget(startAgeChart(tabs, bands, count));
    page->addWidget(legend(tabs));
}

} // namespace

FrmBubunnkn::FrmBubunnkn(QWidget *parent)
    : ReferenceWindow(QStringLiteral("FrmBubunnkn"), QStringLiteral("老齢厚生年金（部分年金）支給開始年齢一覧"),
                      ButtonRow::Bottom, 4.0, parent)
{
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    addPage(tabs, QStringLiteral("定額部分"), QStringLiteral("■ 定額部分の支給開始年齢の引き上げ"),
            QStringLiteral("平成6年の法改正で、定額部分の支給開始年齢が段階的に引き上げられ、平成13年4月から平成25年3月"
                           "にかけて、定額部分を段階的に支給しないことになった。"),
            kFixedAmountPage, static_cast<int>(std::size(kFixedAmountPage)));
    addPage(tabs, QStringLiteral("報酬比例部分"), QStringLiteral("■ 報酬比例部分の支給開始年齢の引き上げ"),
            QStringLiteral("平成12年の法改正では、平成25年4月から平成37年にかけて、報酬比例部分の支給開始年齢も段階的に"
                           "引き上げられることとなり、これが終了してからは、年金の支給年齢が65歳からとなる。"),
            kEarningsPage, static_cast<int>(std::size(kEarningsPage)));
    body()->addWidget(tabs);
    body()->addWidget(Paragraph(
        this,
        QStringLiteral("■ 男性S36/4/2以降、女性S41/4/2以降生まれの人は、60歳台前半の老齢厚生年金は給付されません。")));
    body()->addWidget(Paragraph(
        this,
        QStringLiteral("■ 60歳代前半の老齢厚生年金の「特別支給の老齢厚生年金」が適用される場合、条件によって「加給"
                       "年金と配偶者特別加算」が加算支給されます。")));
    setDesignWidth(820);
    finish();
}

} // namespace izoku::ui
