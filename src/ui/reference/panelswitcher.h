#pragma once

#include <QWidget>

class QBoxLayout;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace izoku::ui {

// Two or more panels of the same size in one place, one shown at a time;
// each panel's button brings it up and leaves the rest of the window alone.
class PanelSwitcher final : public QWidget {
    Q_OBJECT
  public:
    // The panels' buttons go into `buttons`.
    PanelSwitcher(QBoxLayout *buttons, QWidget *parent);

    // A new panel with its button; returns the layout its content goes in.
    QVBoxLayout *addPanel(const QString &buttonName, const QString &buttonText);
    void showPanel(int index);
    int currentPanel() const;

  private:
    QBoxLayout *m_buttons;
    QStackedWidget *m_stack;
};

} // namespace izoku::ui
