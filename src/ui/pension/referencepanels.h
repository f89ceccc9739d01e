#pragma once

#include <QWidget>

class QStackedWidget;

namespace izoku::ui {

// One reference tab of the survivors' pension screen: four buttons along
// the top, each bringing its panel of the fiscal-2008 law into view.
class ReferencePanels final : public QWidget {
    Q_OBJECT
  public:
    enum class Subject { BasicPension, EmployeesPension };

    ReferencePanels(Subject subject, QWidget *parent = nullptr);

    void showPanel(int index);
    int currentPanel() const;

  private:
    QStackedWidget *m_stack = nullptr;
};

} // namespace izoku::ui
