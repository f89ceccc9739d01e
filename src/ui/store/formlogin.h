#pragma once

#include "engine/basedata/basedata.h"

#include <QString>
#include <QWidget>

#include <array>

class QLineEdit;

namespace izoku::ui {

class ClickLabel;

// 初期係数: the five base figures of the row of 基礎DATA that start-up
// reads, beside the 2009 figures for comparison.  Opening copies what it
// shows into `baseData`; 変更登録 stores the figures, which take effect at
// the next start-up or the next opening of this screen.
class FormLogin final : public QWidget {
    Q_OBJECT
  public:
    FormLogin(const QString &databasePath, engine::BaseData &baseData, QWidget *parent = nullptr);

  private:
    void store();

    QString m_databasePath;
    qint64 m_key = -1;
    bool m_read = false;
    std::array<QLineEdit *, 5> m_fields{};
    ClickLabel *m_printer = nullptr;
};

} // namespace izoku::ui
