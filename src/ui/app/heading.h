#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace izoku::ui {

// The large bold heading at the top of a screen ("保険診断顧客一覧").
QLabel *Heading(const QString &text, QWidget *parent);

} // namespace izoku::ui
