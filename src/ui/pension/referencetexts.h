#pragma once

#include "engine/law/pensionlaw.h"

#include <QList>
#include <QString>

namespace izoku::ui {

// A reference panel: the caption of its button and its text.
struct ReferenceText {
    QString button;
    QString html;
};

// The four panels of the "遺族基礎年金" tab and of the "遺族厚生年金" tab.
// The amounts the calculation uses (the basic pension, the child additions,
// the widow's additions) are those of `law`, which the headings name, drawn
// from the same rules the calculation applies; the death lump sum keeps its
// own table.
QList<ReferenceText> BasicPensionReferenceTexts(const engine::PensionLaw &law);
QList<ReferenceText> EmployeesPensionReferenceTexts(const engine::PensionLaw &law);

// A heading or a note with the fiscal year and law the figures follow:
// "遺族基礎年金（令和8年度（2026年度）の額・現行制度）"; the title alone
// before any figures are loaded.
QString WithLawCaption(const QString &title, const engine::PensionLaw &law);

} // namespace izoku::ui
