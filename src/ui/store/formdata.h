#pragma once

#include "engine/needs/formdataform.h"
#include "ui/app/formsession.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QLineEdit;
class QPushButton;
class QTableView;

namespace izoku::store {
class CustomerListModel;
}

namespace izoku::ui {

class ClickLabel;

// 顧客データ一覧: every saved household in the grid and the current one laid
// out as on the needs-analysis screen.  Built afresh on each opening, so it
// shows the table as it stands then, first row current; read again each
// time the agent comes back to it, so a household saved meanwhile is there.
// The agent finds a customer by any name of the family, reopens the
// household on the needs-analysis screen, or removes it.
class FormData final : public QWidget {
    Q_OBJECT
  public:
    explicit FormData(const QString &databasePath, QWidget *parent = nullptr);
    ~FormData() override;

    // The row shown in the boxes, -1 on an empty list.
    int currentRow() const;

    // Reads the table again, first row current: after a copy was restored
    // into the file.
    void reload();

    // What "開く" (or a double click on a row) does with the stored key of
    // the current row; the button stays disabled until one is given.
    using OpenHandler = std::function<void(qint64 key)>;
    void setOpenHandler(OpenHandler handler);

  protected:
    void changeEvent(QEvent *event) override;

  private:
    QWidget *buildDetails();
    QLineEdit *addBox(int slot);
    void readForm();
    void writeForm();
    void move(engine::RowMove move);
    void moveTo(int row);
    void showRow(int row);
    void filter(const QString &text);
    void openCurrent();
    void deleteCurrent();

    QString m_databasePath;
    OpenHandler m_open;
    engine::FormDataForm m_form;
    FormSession<engine::FormDataForm> m_session;
    store::CustomerListModel *m_model = nullptr;
    QPushButton *m_openButton = nullptr;
    QTableView *m_grid = nullptr;
    ClickLabel *m_printer = nullptr;
    QLineEdit *m_text2 = nullptr;
    std::array<QLineEdit *, engine::FormDataText1::kCount> m_text1{};
    bool m_activatedOnce = false;
};

} // namespace izoku::ui
