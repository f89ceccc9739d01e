#include "reportpdf.h"

#include "pdffile.h"

#include "engine/needs/deathyears.h"
#include "engine/report/consultationreport.h"
#include "engine/text/numbertext.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>

namespace izoku::ui {

namespace {

// The page is drawn in tenths of a millimetre on A4.
constexpr int kPageWidth = 2100;
constexpr int kPageHeight = 2970;
constexpr int kMargin = 150;
constexpr int kContentWidth = kPageWidth - 2 * kMargin;
constexpr int kPages = 4;

const QColor kInk(0x20, 0x20, 0x20);
const QColor kRule(0x90, 0x90, 0x90);
const QColor kShade(0xE8, 0xEE, 0xF4);
const QColor kSeries1(0x3A, 0x6E, 0xA5);
const QColor kSeries2(0xD0, 0x7A, 0x2A);

class ReportPainter {
  public:
    ReportPainter(QPainter &painter, const engine::ConsultationReport &report)
        : m_p(painter)
        , m_report(report)
    {
    }

    void page1();
    void page2();
    void page3();
    void page4();
    void footer(int page);

  private:
    void font(double millimetres, bool bold = false)
    {
        QFont f(QStringLiteral("Noto Sans CJK JP"));
        f.setPixelSize(static_cast<int>(millimetres * 10));
        f.setBold(bold);
        m_p.setFont(f);
    }
    void heading(const QString &text)
    {
        m_y += 40;
        font(4.2, true);
        m_p.setPen(kInk);
        m_p.drawText(QRect(kMargin, m_y, kContentWidth, 60), Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += 62;
        m_p.setPen(QPen(kSeries1, 4));
        m_p.drawLine(kMargin, m_y, kMargin + kContentWidth, m_y);
        m_y += 16;
    }
    // A table of texts: a shaded header line, then one line per row, each
    // as tall as its longest wrapped cell.
    void table(const QStringList &header, const std::vector<QStringList> &rows, const std::vector<int> &widths,
               const std::vector<Qt::Alignment> &alignments, double textSize = 3.0);
    // A bar and line chart of one or two series over the wife's ages.
    void chart(const engine::ChartFeed &feed, const QRect &area, const QString &legend1, const QString &legend2,
               bool series1AsLine);
    // The yearly figures under a chart, in as many blocks side by side as fit.
    void figures(const QStringList &header, const std::vector<QStringList> &rows);

    QPainter &m_p;
    const engine::ConsultationReport &m_report;
    int m_y = kMargin;
};

void ReportPainter::table(const QStringList &header, const std::vector<QStringList> &rows,
                          const std::vector<int> &widths, const std::vector<Qt::Alignment> &alignments, double textSize)
{
    const int padding = 12;
    auto line = [&](const QStringList &cells, bool head) {
        font(textSize, head);
        int height = static_cast<int>(textSize * 10) + 2 * padding;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QRect bound = m_p.boundingRect(QRect(0, 0, widths[size_t(c)] - 2 * padding, 10000),
                                                 int(alignments[size_t(c)]) | Qt::TextWordWrap, cells[c]);
            height = std::max(height, bound.height() + 2 * padding);
        }
        if (head)
            m_p.fillRect(QRect(kMargin, m_y, kContentWidth, height), kShade);
        int x = kMargin;
        m_p.setPen(kInk);
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const int w = widths[size_t(c)];
            m_p.drawText(QRect(x + padding, m_y + padding, w - 2 * padding, height - 2 * padding),
                         int(alignments[size_t(c)] | Qt::AlignVCenter) | Qt::TextWordWrap, cells[c]);
            x += w;
        }
        m_y += height;
        m_p.setPen(QPen(kRule, 2));
        m_p.drawLine(kMargin, m_y, kMargin + kContentWidth, m_y);
    };
    line(header, true);
    for (const QStringList &row : rows)
        line(row, false);
}

void ReportPainter::chart(const engine::ChartFeed &feed, const QRect &area, const QString &legend1,
                          const QString &legend2, bool series1AsLine)
{
    const int axisWidth = 110;
    const int labelHeight = 50;
    const QRect plot(area.left() + axisWidth, area.top() + 50, area.width() - axisWidth - 10,
                     area.height() - 50 - labelHeight);
    const double top = std::max(1, feed.axisMaximum);
    const auto yOf = [&](double value) { return plot.bottom() - std::clamp(value / top, 0.0, 1.0) * plot.height(); };

    // Legend.
    font(2.8);
    int x = plot.left();
    for (const auto &[legend, colour] : {std::pair{legend1, kSeries1}, std::pair{legend2, kSeries2}}) {
        if (legend.isEmpty())
            continue;
        m_p.fillRect(QRect(x, area.top() + 12, 40, 24), colour);
        m_p.setPen(kInk);
        m_p.drawText(QRect(x + 50, area.top(), 600, 48), Qt::AlignLeft | Qt::AlignVCenter, legend);
        x += 60 + m_p.fontMetrics().horizontalAdvance(legend) + 40;
    }

    // Axis and grid in 万円.
    font(2.4);
    for (int step = 0; step <= 4; ++step) {
        const double value = top * step / 4;
        const int y = static_cast<int>(yOf(value));
        m_p.setPen(QPen(kRule, step == 0 ? 3 : 1));
        m_p.drawLine(plot.left(), y, plot.right(), y);
        m_p.setPen(kInk);
        m_p.drawText(QRect(area.left(), y - 20, axisWidth - 12, 40), Qt::AlignRight | Qt::AlignVCenter,
                     engine::FormatNumber(value, engine::NumberFormat::Grouped));
    }
    m_p.drawText(QRect(area.left(), area.top(), axisWidth, 48), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("万円"));

    const int rows = feed.rows();
    if (rows == 0)
        return;
    const double slot = double(plot.width()) / rows;
    const bool twoBars = !series1AsLine && !legend2.isEmpty();
    const double barWidth = slot * (twoBars ? 0.38 : 0.7);
    QPainterPath line;
    for (int r = 0; r < rows; ++r) {
        const double left = plot.left() + slot * r + slot * (twoBars ? 0.12 : 0.15);
        const auto bar = [&](double value, const QColor &colour, double offset) {
            const double y = yOf(std::max(0.0, value));
            m_p.fillRect(QRectF(left + offset, y, barWidth, plot.bottom() - y), colour);
        };
        if (series1AsLine) {
            const QPointF point(plot.left() + slot * (r + 0.5), yOf(feed.series1[size_t(r)]));
            r == 0 ? line.moveTo(point) : line.lineTo(point);
        } else {
            bar(feed.series1[size_t(r)], kSeries1, 0);
        }
        if (!legend2.isEmpty())
            bar(feed.series2[size_t(r)], kSeries2, twoBars ? barWidth : 0);
        // Every age would crowd the axis: one label in every few.
        const int every = std::max(1, rows / 12);
        if (r % every == 0 && r < feed.rowLabels.size()) {
            m_p.setPen(kInk);
            m_p.drawText(QRectF(plot.left() + slot * r - 40, plot.bottom() + 6, slot + 80, labelHeight - 6),
                         Qt::AlignHCenter | Qt::AlignTop, feed.rowLabels[r].trimmed());
        }
    }
    if (series1AsLine) {
        m_p.setPen(QPen(kSeries1, 8));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(line);
    }
}

void ReportPainter::figures(const QStringList &header, const std::vector<QStringList> &rows)
{
    if (rows.empty())
        return;
    const int blocks = 3;
    const int perBlock = static_cast<int>((rows.size() + blocks - 1) / blocks);
    const int blockWidth = kContentWidth / blocks;
    const int lineHeight = 34;
    const int columns = static_cast<int>(header.size());
    const int cellWidth = (blockWidth - 30) / columns;
    font(2.5, true);
    for (int b = 0; b < blocks; ++b) {
        const int x = kMargin + b * blockWidth;
        m_p.fillRect(QRect(x, m_y, blockWidth - 30, lineHeight), kShade);
        m_p.setPen(kInk);
        for (int c = 0; c < columns; ++c)
            m_p.drawText(QRect(x + c * cellWidth, m_y, cellWidth - 8, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         header[c]);
    }
    font(2.5);
    for (size_t i = 0; i < rows.size(); ++i) {
        const int b = static_cast<int>(i) / perBlock;
        const int x = kMargin + b * blockWidth;
        const int y = m_y + lineHeight * (1 + static_cast<int>(i) % perBlock);
        for (int c = 0; c < columns && c < rows[i].size(); ++c)
            m_p.drawText(QRect(x + c * cellWidth, y, cellWidth - 8, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         rows[i][c]);
    }
    m_y += lineHeight * (perBlock + 1) + 20;
}

QString manYen(double value)
{
    return engine::FormatNumber(value, engine::NumberFormat::Grouped);
}

void ReportPainter::page1()
{
    font(7, true);
    m_p.setPen(kInk);
    m_p.drawText(QRect(kMargin, m_y, kContentWidth, 100), Qt::AlignHCenter | Qt::AlignVCenter,
                 QStringLiteral("遺族保障のご提案"));
    m_y += 130;
    font(5, true);
    const QString customer = m_report.customer.isEmpty() ? QStringLiteral("お客") : m_report.customer;
    m_p.drawText(QRect(kMargin, m_y, kContentWidth, 70), Qt::AlignLeft | Qt::AlignVCenter, customer + u'様');
    font(3.2);
    m_p.drawText(QRect(kMargin, m_y, kContentWidth, 70), Qt::AlignRight | Qt::AlignVCenter, m_report.date);
    m_y += 80;

    heading(QStringLiteral("ご家族"));
    std::vector<QStringList> people;
    for (const engine::ReportPerson &p : m_report.household)
        people.push_back({p.role, p.name, p.japaneseBirth, p.westernBirth, p.age});
    table({QStringLiteral("続柄"), QStringLiteral("お名前"), QStringLiteral("生年月日（和暦）"),
           QStringLiteral("生年月日（西暦）"), QStringLiteral("年齢")},
          people, {200, 480, 450, 450, 220},
          {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignRight});

    heading(QStringLiteral("ご主人の年金加入記録"));
    std::vector<QStringList> record;
    for (const engine::ReportItem &item : m_report.pensionRecord)
        record.push_back({item.label, item.value});
    table({QStringLiteral("項目"), QStringLiteral("内容")}, record, {900, 900}, {Qt::AlignLeft, Qt::AlignRight});

    heading(QStringLiteral("遺族年金などの給付（年額）"));
    std::vector<QStringList> benefits;
    for (const engine::ReportBenefit &b : m_report.benefits) {
        const QString ages = b.fromAge.isEmpty()    ? QStringLiteral("—")
                             : b.fromAge == b.toAge ? b.fromAge
                                                    : QStringLiteral("%1～%2").arg(b.fromAge, b.toAge);
        benefits.push_back({b.benefit, ages, b.amount, b.reason});
    }
    table({QStringLiteral("給付"), QStringLiteral("妻の年齢"), QStringLiteral("年額"), QStringLiteral("理由")},
          benefits, {320, 300, 300, 880}, {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft}, 2.8);
}

void ReportPainter::page2()
{
    m_y = kMargin;
    heading(QStringLiteral("遺族年金の推移"));
    chart(m_report.pensionChart, QRect(kMargin, m_y, kContentWidth, 620), QStringLiteral("遺族年金の合計（万円）"),
          QString(), false);
    m_y += 640;
    std::vector<QStringList> pension;
    const engine::ChartFeed &p = m_report.pensionChart;
    for (int r = 0; r < p.rows(); ++r)
        pension.push_back({p.rowLabels.value(r).trimmed(), manYen(p.series1[size_t(r)])});
    figures({QStringLiteral("妻の年齢"), QStringLiteral("年金（万円）")}, pension);

    heading(QStringLiteral("今後の収入と支出"));
    chart(m_report.incomeChart, QRect(kMargin, m_y, kContentWidth, 620), QStringLiteral("支出（万円）"),
          QStringLiteral("収入（万円）"), false);
    m_y += 640;
    std::vector<QStringList> income;
    const engine::ChartFeed &i = m_report.incomeChart;
    for (int r = 0; r < i.rows(); ++r)
        income.push_back({i.rowLabels.value(r).trimmed(), manYen(i.series1[size_t(r)]), manYen(i.series2[size_t(r)])});
    figures({QStringLiteral("妻の年齢"), QStringLiteral("支出"), QStringLiteral("収入")}, income);
}

void ReportPainter::page3()
{
    m_y = kMargin;
    heading(QStringLiteral("必要保障額とご加入中の保険（%1）").arg(m_report.reference));
    chart(m_report.coverageChart, QRect(kMargin, m_y, kContentWidth, 700), QStringLiteral("ご加入中の保険（万円）"),
          QStringLiteral("必要保障額（万円）"), true);
    m_y += 720;
    std::vector<QStringList> rows;
    const engine::ChartFeed &c = m_report.coverageChart;
    for (int r = 0; r < c.rows(); ++r)
        rows.push_back({c.rowLabels.value(r).trimmed(), manYen(c.series2[size_t(r)]), manYen(c.series1[size_t(r)])});
    figures({QStringLiteral("妻の年齢"), QStringLiteral("必要保障額"), QStringLiteral("保険")}, rows);

    heading(QStringLiteral("保障の過不足"));
    table({QStringLiteral("必要保障額"), QStringLiteral("ご加入中の保険"),
           m_report.shortfall ? QStringLiteral("不足額") : QStringLiteral("超過額")},
          {{m_report.coverageNeeded, m_report.insuranceHeld, m_report.coverageDifference}}, {600, 600, 600},
          {Qt::AlignRight, Qt::AlignRight, Qt::AlignRight}, 3.4);
    m_y += 30;
    font(3.6, true);
    m_p.setPen(kInk);
    const QRect box(kMargin, m_y, kContentWidth, 200);
    m_p.drawText(box.adjusted(20, 20, -20, -20), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                 m_report.coverageWording);
}

void ReportPainter::page4()
{
    m_y = kMargin;
    heading(QStringLiteral("ご主人が亡くなった時期ごとの必要保障額とご加入中の保険"));
    // Drawn as the coverage page draws its chart: the insurance as a line
    // over the coverage's bars.
    engine::ChartFeed feed = m_report.deathYearChart;
    std::swap(feed.series1, feed.series2);
    chart(feed, QRect(kMargin, m_y, kContentWidth, 700), QStringLiteral("ご加入中の保険（万円）"),
          QStringLiteral("必要保障額（万円）"), true);
    m_y += 720;
    std::vector<QStringList> rows;
    for (int r = 0; r < feed.rows(); ++r)
        rows.push_back(
            {feed.rowLabels.value(r).trimmed(), manYen(feed.series2[size_t(r)]), manYen(feed.series1[size_t(r)])});
    figures({QStringLiteral("夫の年齢"), QStringLiteral("必要保障額"), QStringLiteral("保険")}, rows);

    using Field = engine::DeathYearChartField;
    heading(QStringLiteral("最大の不足額"));
    table({QStringLiteral("最大の不足額"), QStringLiteral("夫の死亡年齢")},
          {{feed.fields.value(Field::LargestShortfall), feed.fields.value(Field::LargestShortfallAge)}}, {900, 900},
          {Qt::AlignRight, Qt::AlignRight}, 3.4);
    m_y += 30;
    font(3.0);
    m_p.setPen(kInk);
    m_p.drawText(QRect(kMargin, m_y, kContentWidth, 200), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                 feed.fields.value(Field::Note));
}

void ReportPainter::footer(int page)
{
    const int top = kPageHeight - kMargin + 20;
    m_p.setPen(QPen(kRule, 2));
    m_p.drawLine(kMargin, top, kMargin + kContentWidth, top);
    font(2.4);
    m_p.setPen(kInk);
    m_p.drawText(QRect(kMargin, top + 8, kContentWidth, 36), Qt::AlignLeft | Qt::AlignVCenter, m_report.basis);
    m_p.drawText(QRect(kMargin, top + 8, kContentWidth, 36), Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("%1 / %2").arg(page).arg(kPages));
    m_p.drawText(QRect(kMargin, top + 44, kContentWidth, 36), Qt::AlignLeft | Qt::AlignVCenter, m_report.note);
}

} // namespace

bool WriteConsultationReport(const engine::ConsultationReport &report, const QString &path)
{
    {
        QPdfWriter writer(path);
        writer.setTitle(QStringLiteral("遺族保障のご提案"));
        writer.setCreator(QStringLiteral("遺族保障プランナー"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setWindow(0, 0, kPageWidth, kPageHeight);
        ReportPainter pages(painter, report);
        pages.page1();
        pages.footer(1);
        writer.newPage();
        pages.page2();
        pages.footer(2);
        writer.newPage();
        pages.page3();
        pages.footer(3);
        writer.newPage();
        pages.page4();
        pages.footer(4);
        if (!painter.end())
            return false;
    }
    return NameIdeographsInPdf(path);
}

} // namespace izoku::ui
