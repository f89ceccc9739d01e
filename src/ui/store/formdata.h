#pragma once

#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class QLineEdit;
class QTableView;

namespace izoku::store {
class CustomerListModel;
}

namespace izoku::ui {

class ClickLabel;

// 顧客データ一覧: every saved household in the grid and the current one laid
// out as on the needs-analysis screen.  Built afresh on each opening, so it
// shows the table as it stands then, first row current.  Nothing here can
// change a stored customer.
class FormData final : public QWidget {
    Q_OBJECT
  public:
    explicit FormData(const QString &databasePath, QWidget *parent = nullptr);
    ~FormData() override;

    // The row shown in the boxes, -1 on an empty list.
    int currentRow() const;

  private:
    QWidget *buildDetails();
    QLineEdit *addBox(int index, const QString &field);
    void moveTo(int row);
    void showRow(int row);

    store::CustomerListModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    ClickLabel *m_printer = nullptr;
    // Each detail box and the field it shows; a box without a field stays
    // empty.
    std::vector<std::pair<QLineEdit *, QString>> m_boxes;
};

} // namespace izoku::ui
