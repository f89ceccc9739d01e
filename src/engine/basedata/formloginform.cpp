#include "formloginform.h"

#include <algorithm>

namespace izoku::engine {

namespace {

constexpr int kYearSlot = 0;

// The year of the row shown, as stored: what removing it takes away.
QString storedYearText(const FormLoginForm &form)
{
    const auto shown = std::find_if(form.rows.cbegin(), form.rows.cend(),
                                    [&form](const StoredBaseFigures &row) { return row.key == form.shownKey; });
    return shown == form.rows.cend() ? QString() : shown->texts[kYearSlot];
}

} // namespace

std::optional<int> FiscalYearOf(const BaseFigureTexts &texts)
{
    BaseData data;
    if (!SetBaseFigure(data, BaseFigure::FiscalYear, BaseFigureOfText(kYearSlot, texts[kYearSlot])))
        return std::nullopt;
    return data.FiscalYear;
}

CalculationOutcome OpenFormLogin(FormLoginForm &form, const std::optional<QList<StoredBaseFigures>> &rows,
                                 int yearInUse)
{
    form.num1 = {};
    form.rows.clear();
    form.shownKey = -1;
    if (!rows) {
        return {{Warning(QStringLiteral("基本データを読み込めませんでした。ndata.mdb を確認してください。"),
                         QStringLiteral("エラー"))},
                true};
    }
    form.rows = *rows;
    if (form.rows.isEmpty())
        return {};
    const auto inUse = std::find_if(form.rows.cbegin(), form.rows.cend(), [yearInUse](const StoredBaseFigures &row) {
        return FiscalYearOf(row.texts) == yearInUse;
    });
    const StoredBaseFigures &shown = inUse == form.rows.cend() ? form.rows.first() : *inUse;
    form.num1 = shown.texts;
    form.shownKey = shown.key;
    return {};
}

CalculationOutcome AddFiscalYear(FormLoginForm &form)
{
    if (form.rows.isEmpty())
        return {};
    const BaseFigureTexts &newest = form.rows.first().texts;
    const std::optional<int> year = FiscalYearOf(newest);
    form.num1 = newest;
    form.num1[kYearSlot] = year ? QString::number(*year + 1) : QString();
    form.shownKey = -1;
    return {};
}

CalculationOutcome RegisterBaseFigures(const FormLoginForm &form, const StoreFigures &store)
{
    const FiguresToStore figures = ReadFiguresToStore(form.num1);
    if (figures.refusal)
        return {{*figures.refusal}, true};
    // Each fiscal year is one row: the menu offers it once, and the year's
    // figures are never two.
    const std::optional<int> year = FiscalYearOf(form.num1);
    const bool taken = std::any_of(form.rows.cbegin(), form.rows.cend(), [&](const StoredBaseFigures &row) {
        return row.key != form.shownKey && FiscalYearOf(row.texts) == year;
    });
    if (taken) {
        return {{Warning(QStringLiteral("%1年度はすでに登録されています").arg(*year),
                         QStringLiteral("データ入力エラー"), BaseFigureFieldName(kYearSlot), true)},
                true};
    }
    if (const std::optional<Message> failure = store(figures.values))
        return {{*failure}, false};
    return {};
}

std::optional<Message> RemovalRefusal(const FormLoginForm &form)
{
    const bool others = std::any_of(form.rows.cbegin(), form.rows.cend(),
                                    [&form](const StoredBaseFigures &row) { return row.key != form.shownKey; });
    if (others)
        return std::nullopt;
    return Warning(QStringLiteral("登録されている年度が1つだけのため削除できません"), QStringLiteral("削除"));
}

Message RemoveFiscalYearQuestion(const FormLoginForm &form)
{
    return Question(QStringLiteral("%1年度の基礎データを削除します。よろしいですか？").arg(storedYearText(form)),
                    QStringLiteral("削除"));
}

} // namespace izoku::engine
