#include "formloginform.h"

namespace izoku::engine {

CalculationOutcome OpenFormLogin(FormLoginForm &form, const std::optional<BaseFigureTexts> &stored, BaseData &baseData)
{
    if (!stored) {
        form.num1 = {};
        return {{Warning(QStringLiteral("基本データを読み込めませんでした。ndata.mdb を確認してください。"),
                         QStringLiteral("エラー"))},
                true};
    }
    form.num1 = *stored;
    CopyBaseFigures(form.num1, baseData);
    return {};
}

CalculationOutcome RegisterBaseFigures(const FormLoginForm &form, const StoreFigures &store)
{
    const FiguresToStore figures = ReadFiguresToStore(form.num1);
    if (figures.refusal)
        return {{*figures.refusal}, true};
    if (const std::optional<Message> failure = store(figures.values))
        return {{*failure}, false};
    return {};
}

} // namespace izoku::engine
