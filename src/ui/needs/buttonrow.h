#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace izoku::ui {

class ClickLabel;
class WindowRegistry;

// The foot of the needs-analysis screen, in view however far the form is
// scrolled: the reference windows the agent opens beside the form, in two
// rows of five with HELP and the era table, and the screen's own buttons.
class ButtonRow final : public QWidget {
    Q_OBJECT
  public:
    // The reference buttons open their windows from `registry`.
    ButtonRow(WindowRegistry &registry, QWidget *parent = nullptr);

    QPushButton *base = nullptr;        // cmdBase "基礎計算(2度押し)"
    QPushButton *showSheet = nullptr;   // cmdShowSheet "Sheet表示"
    QPushButton *hideSheet = nullptr;   // cmdHideSheet "Sheet閉じる"
    QPushButton *clearAll = nullptr;    // Command36 "AC"
    ClickLabel *printer = nullptr;      // Picture5
    QPushButton *save = nullptr;        // cmdSave "保 存", disabled until a store is given
    QPushButton *closeScreen = nullptr; // Command22 "閉じる"
    QPushButton *csv = nullptr;         // cmdCsv "CSV出力"
    QPushButton *report = nullptr;      // cmdReport "提案書PDF"

    // Tells the agent on the status line that something was done ("保存しま
    // した"), for a few seconds and without a box to click away.
    void showStatus(const QString &text);

  private:
    QLabel *m_status = nullptr; // StatusBar1
    QTimer *m_statusTimer = nullptr;
};

} // namespace izoku::ui
