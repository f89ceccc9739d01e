#pragma once

#include "engine/forms/message.h"

#include <QDateTime>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace izoku::ui {

class DatePicker;
class WindowRegistry;

// The program's clock; tests give their own.
using Clock = std::function<QDateTime()>;
QDateTime SystemClock();

// The registry keys of the windows the menu opens.
namespace screen {
inline const QString Pension = QStringLiteral("FrmRavo");
inline const QString Needs = QStringLiteral("Frmhoken");
inline const QString Customers = QStringLiteral("FormData");
inline const QString Coefficients = QStringLiteral("Formkeisu");
inline const QString BaseFigures = QStringLiteral("FormLogin");
inline const QString About = QStringLiteral("frmAbout");
inline const QString EraTable = QStringLiteral("FormGengou");
inline const QString PensionChart = QStringLiteral("FormChart");
inline const QString NeedsPensionChart = QStringLiteral("FormChart4"); // 遺族年金グラフ
inline const QString CoverageChart = QStringLiteral("FormChart2");     // 生命保険と必要補償額
inline const QString CashFlowChart = QStringLiteral("FormChart3");     // 今後の収入と支出のグラフ
inline const QString DeathYearChart = QStringLiteral("FormChart5");    // 死亡時期別
inline const QString Help = QStringLiteral("FormHelp");
inline const QString History = QStringLiteral("FrmRekisi");
inline const QString InsuredKinds = QStringLiteral("FrmSyubetu");
inline const QString PartialPension = QStringLiteral("FrmBubunnkn");
inline const QString TransferAddition = QStringLiteral("FrmKakyu");
inline const QString EmployeesPensionCalc = QStringLiteral("Frmkkfskk");
inline const QString PensionLevel = QStringLiteral("FormHThsyo");
inline const QString PensionAmounts = QStringLiteral("FormNen_1");
inline const QString Requirements = QStringLiteral("FormYouken");
inline const QString EducationCosts = QStringLiteral("FormKyouikuhi");
inline const QString Salaries = QStringLiteral("FormKyuyo");
} // namespace screen

// The main menu: a narrow column of buttons that open the screens, the date
// of start-up, a running clock, the fiscal year the calculations use
// (計算年度) and 終了.  Loading it is the program's whole start-up.
class Formmenu final : public QWidget {
    Q_OBJECT
  public:
    struct Options {
        QString databasePath; // the ndata.mdb in use
        Clock clock = SystemClock;
        std::function<void()> endProgram; // 終了 and the close box
    };

    Formmenu(WindowRegistry &registry, Options options, QWidget *parent = nullptr);

    // The text the clock shows for a moment: 24-hour "hh:mm:ss".
    static QString ClockText(const QTime &time);

  protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    QPushButton *addScreenButton(const QString &name, const QString &caption, int topTwips, const QString &key);
    void loadBaseData();
    // 計算年度 lists the years of the file, newest first, with the year in
    // use chosen.
    void listYears();
    void chooseYear(int index);
    void tick();

    WindowRegistry &m_registry;
    Options m_options;
    DatePicker *m_date = nullptr;
    QLabel *m_clock = nullptr;
    QComboBox *m_years = nullptr; // Combo1
    QTimer *m_timer = nullptr;
    std::optional<engine::Message> m_baseDataWarning;
    std::vector<engine::Message> m_fileMessages;
    bool m_warned = false;
};

} // namespace izoku::ui
