#pragma once

#include <QWidget>

class QBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace izoku::ui {

// The frame every law and statistics window shares: its caption, content
// that scrolls when the screen is smaller than the window, a "閉じる" button
// and the placement against the right edge of the screen that keeps the
// calculation screen beside it visible.
class ReferenceWindow : public QWidget {
    Q_OBJECT
  protected:
    enum class ButtonRow { Bottom, Top };

    // `topDivisor`: the top edge sits at (free height) ÷ this.  Windows
    // whose buttons switch what is shown keep them on top.
    ReferenceWindow(const QString &name, const QString &caption, ButtonRow row = ButtonRow::Bottom,
                    double topDivisor = 4.0, QWidget *parent = nullptr);

    // Where the window's content goes, top to bottom.
    QVBoxLayout *body() const { return m_body; }
    // The row of buttons under (or over) the content; "閉じる" is added by finish().
    QBoxLayout *buttons() const { return m_buttons; }

    // The width the window opens with, when the screen has room; without
    // one it is as wide as its content asks.
    void setDesignWidth(int width) { m_designWidth = width; }

    // A "閉じる" button in `layout` (the button row unless a page has its own).
    QPushButton *addCloseButton(QBoxLayout *layout, const QString &name);
    // Closes the content, adds "閉じる" to the button row unless `ownClose`,
    // and sizes the window to its content within the screen.
    void finish(bool ownClose = false, const QString &closeName = QStringLiteral("Command1"));

  private:
    QVBoxLayout *m_body = nullptr;
    QBoxLayout *m_buttons = nullptr;
    QWidget *m_content = nullptr;
    int m_designWidth = 0;
};

} // namespace izoku::ui
