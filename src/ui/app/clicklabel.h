#pragma once

#include <QLabel>

namespace izoku::ui {

// A label the agent clicks like a button ("CE", a screen's printer picture).
// It never takes the keyboard focus, so clicking it leaves the focus where
// the screen's own handler puts it.
class ClickLabel final : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(const QString &text = {}, QWidget *parent = nullptr);

    // The printer picture of a screen: a small drawn printer, clicked to
    // print the window.
    static ClickLabel *printerPicture(QWidget *parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    bool m_pressed = false;
};

} // namespace izoku::ui
