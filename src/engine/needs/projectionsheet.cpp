#include "projectionsheet.h"

#include "engine/text/numbertext.h"

#include <array>
#include <cmath>

namespace izoku::engine {

namespace {

// Rows that continue the row above carry only their digit.
const std::array<const char16_t *, ProjectionSheet::kRows> kLabels = {
    u"夫年齢",
    u"妻年齢",
    u"子1年齢",
    u"2",
    u"3",
    u"4",
    u"5",
    u"子人数",
    u"遺族基礎",
    u"遺族厚生",
    u"中高齢",
    u"経過的",
    u"寡婦年金",
    u"一時金",
    u"合計",
    u"死亡退職金",
    u"貯蓄",
    u"妻労働",
    u"妻年金",
    u"15-18収入合計",
    u"妻生活費",
    u"子生活費",
    u"子22判定",
    u"教育子1",
    u"2",
    u"3",
    u"4",
    u"5",
    u"子援助1",
    u"2",
    u"3",
    u"4",
    u"5",
    u"住宅維持",
    u"葬式代",
    u"20-34支出合計",
    u"14+19収入合計",
    u"支出計算",
    u"収入計算",
    u"収支計算",
    u"任意支出",
    u"任意収入",
    u"収支計算",
    u"生保1",
    u"2",
    u"3",
    u"終身1",
    u"2",
    u"任意集計",
    u"",
};

// What the grid would read back from the text it was given: whole numbers
// of ordinary size are exact, anything else goes through its text.
double asWritten(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return value == 0.0 ? 0.0 : value;
    return LeadingNumber(PlainNumber(value));
}

} // namespace

QString ProjectionSheet::Label(int row)
{
    if (row < 0 || row >= kRows)
        return QString();
    return QString::fromUtf16(kLabels[static_cast<size_t>(row)]);
}

void ProjectionSheet::reset(int yearColumns)
{
    m_columns = yearColumns + 1;
    m_cells.assign(static_cast<size_t>(kRows * m_columns), Cell{0.0, QString(), Kind::Number});
    for (int row = 0; row < kRows; ++row)
        setText(row, 0, Label(row));
}

void ProjectionSheet::clear()
{
    m_columns = 0;
    m_cells.clear();
}

bool ProjectionSheet::contains(int row, int column) const
{
    return row >= 0 && row < rowCount() && column >= 0 && column < m_columns;
}

ProjectionSheet::Cell *ProjectionSheet::cell(int row, int column)
{
    return contains(row, column) ? &m_cells[static_cast<size_t>(row * m_columns + column)] : nullptr;
}

const ProjectionSheet::Cell *ProjectionSheet::cell(int row, int column) const
{
    return contains(row, column) ? &m_cells[static_cast<size_t>(row * m_columns + column)] : nullptr;
}

QString ProjectionSheet::text(int row, int column) const
{
    const Cell *c = cell(row, column);
    if (!c)
        return QString();
    return c->kind == Kind::Text ? c->text : PlainNumber(c->number);
}

bool ProjectionSheet::isEmpty(int row, int column) const
{
    const Cell *c = cell(row, column);
    return !c || (c->kind == Kind::Text && c->text.isEmpty());
}

double ProjectionSheet::value(int row, int column) const
{
    const Cell *c = cell(row, column);
    return c ? c->number : 0.0;
}

void ProjectionSheet::setText(int row, int column, const QString &text)
{
    if (Cell *c = cell(row, column)) {
        c->kind = Kind::Text;
        c->text = text;
        c->number = LeadingNumber(text);
    }
}

void ProjectionSheet::setNumber(int row, int column, double value)
{
    if (Cell *c = cell(row, column)) {
        c->kind = Kind::Number;
        c->text.clear();
        c->number = asWritten(value);
    }
}

QStringList ProjectionSheet::rowTexts(int row) const
{
    QStringList texts;
    for (int column = 0; column < m_columns; ++column)
        texts << text(row, column);
    return texts;
}

} // namespace izoku::engine
