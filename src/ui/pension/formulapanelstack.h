#pragma once

#include "engine/pension/formulapanels.h"
#include "engine/pension/frmravoform.h"

#include <QWidget>

#include <array>

class QStackedWidget;

namespace izoku::ui {

class FormulaPanelView;

// The four formula panels of the survivors' pension screen, one at a time,
// with the buttons that choose it: "短期要件　改正後" (shown first),
// "短期要件　改正前", "長期要件　改正後" and "長期要件　改正前".
class FormulaPanelStack final : public QWidget {
    Q_OBJECT
  public:
    explicit FormulaPanelStack(QWidget *parent = nullptr);

    void write(const std::array<QString, engine::Num3::Count> &num3, const QString &oldFormulaCaption);

  private:
    QStackedWidget *m_stack = nullptr;
    std::array<FormulaPanelView *, engine::kFormulaPanels.size()> m_panels{};
};

} // namespace izoku::ui
