#pragma once

#include "engine/law/pensionlaw.h"

#include <QList>
#include <QWidget>

class QStackedWidget;
class QTextBrowser;

namespace izoku::ui {

// One reference tab of the survivors' pension screen: four buttons along
// the top, each bringing its panel into view, with the figures of the law
// the screen computes by.
class ReferencePanels final : public QWidget {
    Q_OBJECT
  public:
    enum class Subject { BasicPension, EmployeesPension };

    ReferencePanels(Subject subject, const engine::PensionLaw &law, QWidget *parent = nullptr);

    void showPanel(int index);
    int currentPanel() const;
    // The panels' texts with the figures of `law`, the fiscal year in use.
    void showLaw(const engine::PensionLaw &law);

  private:
    Subject m_subject;
    QStackedWidget *m_stack = nullptr;
    QList<QTextBrowser *> m_panels;
};

} // namespace izoku::ui
