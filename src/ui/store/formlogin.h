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

// 初期係数: the five base figures of the row of 基礎DATA that start-up
// reads, beside the 2009 figures for comparison.  open() shows the row and
// copies it into the process's base figures; 変更登録 stores the figures,
// which take effect at the next start-up or the next opening of this
// screen.
class FormLogin final : public QWidget {
    Q_OBJECT
  public:
    explicit FormLogin(const QString &databasePath, QWidget *parent = nullptr);

    // The opening: reads the newest row of the file, shows it and copies
    // it into `baseData`.  A file that cannot be read is said once the
    // window is on screen.
    void open(engine::BaseData &baseData);

  private:
    void readForm();
    void writeForm();
    void registerFigures();
    std::optional<engine::Message> storeFigures(const engine::BaseFigureValues &values);

    QString m_databasePath;
    // The row shown, -1 when the table had none; whether the file could be
    // read at all.
    qint64 m_key = -1;
    bool m_read = false;
    engine::FormLoginForm m_form;
    FormSession<engine::FormLoginForm> m_session;
    std::array<QLineEdit *, engine::kBaseFigureCount> m_fields{};
    std::array<QLabel *, engine::kBaseFigureCount> m_references{};
    ClickLabel *m_printer = nullptr;
};

} // namespace izoku::ui
