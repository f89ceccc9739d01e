#pragma once

#include <QList>
#include <QString>

namespace izoku::ui {

// A reference panel: the caption of its button and its text.
struct ReferenceText {
    QString button;
    QString html;
};

// The four panels of the "遺族基礎年金" tab and of the "遺族厚生年金" tab,
// on the law of fiscal 2008 (平成20年度).  The tables of amounts are drawn
// from the same rules the calculation uses.
QList<ReferenceText> BasicPensionReferenceTexts();
QList<ReferenceText> EmployeesPensionReferenceTexts();

} // namespace izoku::ui
