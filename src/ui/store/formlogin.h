#pragma once

#include "engine/basedata/formloginform.h"
#include "ui/app/formsession.h"

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace izoku::ui {

class ClickLabel;

// 初期係数: the seven base figures of the fiscal year the calculations use,
// beside the 2009 figures for comparison.  The agent revises them
// (変更登録), adds the next fiscal year (年度追加, stored by 変更登録) or
// removes the year shown (年度削除).  Whatever the screen shows or stores
// becomes the year in use at once, on every screen, as choosing it on the
// menu does.
class FormLogin final : public QWidget {
    Q_OBJECT
  public:
    explicit FormLogin(const QString &databasePath, QWidget *parent = nullptr);

    // The opening: reads the file, shows the row of the year in use (the
    // newest when the file has none of that year) and puts it in use.  A
    // file that cannot be read is said once the window is on screen.
    void open();

  private:
    void readForm();
    void writeForm();
    // Shows the row of `fiscalYear`, read afresh from the file.
    void showYear(int fiscalYear);
    // The row shown becomes the year every calculation uses.
    void useShownYear();
    void registerFigures();
    std::optional<engine::Message> storeFigures(const engine::BaseFigureValues &values);
    void removeYear();

    QString m_databasePath;
    // Whether the file could be read when the screen last read it.
    bool m_read = false;
    engine::FormLoginForm m_form;
    FormSession<engine::FormLoginForm> m_session;
    std::array<QLineEdit *, engine::kBaseFigureCount> m_fields{};
    std::array<QLabel *, engine::kBaseFigureCount> m_references{};
    ClickLabel *m_printer = nullptr;
};

} // namespace izoku::ui
