#pragma once

#include <QDate>
#include <QWidget>

namespace izoku::ui {

// The era table: Shōwa, Heisei and Reiwa years beside the Western years, opened by
// "西暦/和暦" while the agent enters birth dates.
class FormGengou final : public QWidget {
    Q_OBJECT
  public:
    explicit FormGengou(const QDate &today, QWidget *parent = nullptr);
};

} // namespace izoku::ui
