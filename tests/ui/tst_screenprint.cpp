#include "engine/needs/customerrecord.h"
#include "engine/tst_needshousehold.h"
#include "ndatacopy.h"
#include "store/customers.h"
#include "store/database.h"
#include "testkit.h"
#include "ui/app/screens.h"
#include "ui/app/windowpage.h"
#include "ui/app/windowregistry.h"
#include "ui/needs/frmhoken.h"
#include "workedpension.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace izoku;
using test::NeedsHousehold;

namespace {

const QRegularExpression kBlanks(QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);

// A household the needs-analysis screen reopens from the customer list,
// with its living cost typed: the husband salaried, the wife 40, a term
// policy of 2,000 万円.
engine::CustomerRecord needsCustomer()
{
    NeedsHousehold h;
    h.husband(QStringLiteral("42"), QDate(1984, 5, 1)).wife(40).child(1, 8).salaried();
    h.form().household.members[engine::HouseholdIndex::Husband].name = QStringLiteral("山田太郎");
    h.policy(engine::HokenNum4::Term1From, QStringLiteral("30"))
        .policy(engine::HokenNum4::Term1To, QStringLiteral("60"))
        .policy(engine::HokenNum4::Term1Amount, QStringLiteral("2000"))
        .set(engine::HokenNum1::LivingCost, QStringLiteral("30"));
    return engine::CustomerRecordOf(h.form(), test::kToday);
}

// The texts a window shows in its own captions: labels, buttons, group
// titles, tabs and the first cell of each list and table, as the agent
// reads them, blanks left out.
QStringList captions(const QWidget *window)
{
    QStringList texts;
    const auto add = [&texts](QString text) {
        text.remove(u'&');
        text.remove(kBlanks);
        if (!text.isEmpty())
            texts << text;
    };
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(widget); label && label->textFormat() != Qt::RichText)
            add(label->text());
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            add(button->text());
        else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            add(group->title());
        else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        } else if (const auto *view = qobject_cast<const QAbstractItemView *>(widget)) {
            // A list or a table prints what it shows from its first cell in view.
            add(view->indexAt(QPoint()).data().toString());
        }
    }
    return texts;
}

// The printer of the test: each page goes into a PDF file, as with no
// printer installed, in the orientation the window asked for.
class PdfPrinter final : public ui::PrintService {
  public:
    explicit PdfPrinter(QString path)
        : m_path(std::move(path))
    {
    }
    ui::PrintOutcome printWindow(QWidget *window, ui::PageOrientation orientation) override
    {
        return ui::PrintWindowToPdf(window, orientation, m_path) ? ui::PrintOutcome::SavedAsPdf
                                                                 : ui::PrintOutcome::Failed;
    }

  private:
    QString m_path;
};

// Where the window lies on a page of `orientation`: scaled to the printable
// area, keeping its proportions, from its top left corner; `pixels` is the
// size of the window as drawn for the page.
QRectF windowOnPage(ui::PageOrientation orientation, const QSize &pixels, double *scale)
{
    QPdfWriter writer(QStringLiteral("/dev/null"));
    if (orientation == ui::PageOrientation::Landscape)
        writer.setPageOrientation(QPageLayout::Landscape);
    const QRectF printable = writer.pageLayout().paintRect(QPageLayout::Point);
    *scale = std::min(printable.width() / pixels.width(), printable.height() / pixels.height());
    return QRectF(printable.topLeft(), QSizeF(pixels) * *scale);
}

// The frames a word must not cross: lists, tables, charts, group boxes and
// tab pages, where the page would show text cut by the frame or spilling out.
QList<const QWidget *> frames(const QWidget *window)
{
    QList<const QWidget *> found;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(window) &&
            (qobject_cast<const QAbstractScrollArea *>(widget) || qobject_cast<const QGroupBox *>(widget) ||
             qobject_cast<const QTabWidget *>(widget)))
            found << widget;
    }
    return found;
}

// Less than a hair's breadth: a glyph's box may touch the line beside it.
constexpr double kTolerance = 0.5;

QRectF inner(const QRectF &box)
{
    return box.adjusted(kTolerance, kTolerance, -kTolerance, -kTolerance);
}

// A word begins where it is drawn; it may run on past its frame, cut off as
// on screen (the last column of a table).
bool beginsIn(const QRectF &word, const QRectF &area)
{
    return area.contains(inner(word).topLeft());
}

} // namespace

class TestScreenPrint : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::optional<test::DatabaseCopy> m_db;
    std::unique_ptr<ui::WindowRegistry> m_registry;

    void click(QWidget *window, const QString &button)
    {
        QTest::mouseClick(test::Child<QPushButton>(window, button), Qt::LeftButton);
    }

    QWidget *needsScreen()
    {
        auto *screen = qobject_cast<ui::Frmhoken *>(m_registry->show(ui::screen::Needs));
        screen->reopenCustomer(needsCustomer(), ui::Frmhoken::kNewCustomer);
        click(screen, QStringLiteral("cmdBase"));
        return screen;
    }

    QWidget *pensionScreen()
    {
        QWidget *screen = m_registry->show(ui::screen::Pension);
        test::Child<QLineEdit>(screen, QStringLiteral("Text4(0)"))->setText(QStringLiteral("山田太郎"));
        test::Child<QLineEdit>(screen, QStringLiteral("Text5(1)"))->setText(QStringLiteral("40"));
        const auto record = test::WorkedPensionForm(QString(), test::kToday).text6;
        for (size_t i = 0; i < record.size(); ++i)
            test::Child<QLineEdit>(screen, QStringLiteral("Text6(%1)").arg(i))->setText(record[i]);
        click(screen, QStringLiteral("cmdCalculate"));
        return screen;
    }

    // The window of the row, shown as the agent has it before printing.
    QWidget *windowOf(const QString &row)
    {
        if (row == ui::screen::Needs) {
            QWidget *screen = needsScreen();
            click(screen, QStringLiteral("cmdShowSheet"));
            return screen;
        }
        if (row == ui::screen::Pension) {
            QWidget *screen = pensionScreen();
            click(screen, QStringLiteral("cmdShowSheet"));
            return screen;
        }
        if (row == ui::screen::PensionChart) {
            click(pensionScreen(), QStringLiteral("cmdChart"));
            return m_registry->existing(row);
        }
        static const QMap<QString, QString> needsCharts{{ui::screen::NeedsPensionChart, "cmdPensionChart"},
                                                        {ui::screen::CoverageChart, "cmdCoverageChart"},
                                                        {ui::screen::CashFlowChart, "cmdCashFlowChart"},
                                                        {ui::screen::DeathYearChart, "cmdDeathYearChart"}};
        if (needsCharts.contains(row)) {
            click(needsScreen(), needsCharts[row]);
            return m_registry->existing(row);
        }
        return m_registry->show(row);
    }

  private slots:
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        m_db.emplace();
        QVERIFY(store::SaveCustomerRecord(m_db->path(), needsCustomer()).written());
        m_registry = std::make_unique<ui::WindowRegistry>();
        ui::RegisterScreens(*m_registry, m_db->path());
    }
    void cleanup()
    {
        m_registry.reset();
        m_db.reset();
        m_seams.reset();
    }

    // Every window's printer picture, clicked and answered Yes: the page
    // shows every caption of the window, inside the page and the window's
    // place on it, no text over another and none across a frame.  The
    // calculation screens are scrolled on the laptop's screen: their page
    // is the whole form, sheet included.
    void printedPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("landscape");
        constexpr bool landscape = true;
        constexpr bool printerDefault = false;
        QTest::newRow("Frmhoken") << ui::screen::Needs << "Picture5" << landscape;
        QTest::newRow("FrmRavo") << ui::screen::Pension << "Picture1" << landscape;
        QTest::newRow("FormData") << ui::screen::Customers << "Picture1" << printerDefault;
        QTest::newRow("Formkeisu") << ui::screen::Coefficients << "Picture1(0)" << printerDefault;
        QTest::newRow("FormLogin") << ui::screen::BaseFigures << "Picture1" << printerDefault;
        for (const QString &chart : {ui::screen::PensionChart, ui::screen::NeedsPensionChart, ui::screen::CoverageChart,
                                     ui::screen::CashFlowChart, ui::screen::DeathYearChart})
            QTest::newRow(qPrintable(chart)) << chart << "Picture1" << landscape;
    }
    void printedPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, printer);
        QFETCH(bool, landscape);
        const auto orientation = landscape ? ui::PageOrientation::Landscape : ui::PageOrientation::PrinterDefault;
        QWidget *shown = windowOf(window);
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("page.pdf"));
        ui::SetPrintService(std::make_unique<PdfPrinter>(path));
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        auto *picture = test::Child<QWidget>(shown, printer);
        // What the page is drawn from: every widget but the printer picture.
        picture->hide();
        const QSize drawn = ui::DrawWindowPage(shown).size;
        const QStringList shownCaptions = captions(shown);
        picture->show();
        QTest::mouseClick(picture, Qt::LeftButton);

        QString text = test::PdfText(path, test::PdfReading::DrawingOrder);
        text.remove(kBlanks);
        for (const QString &caption : shownCaptions)
            QVERIFY2(text.contains(caption), qPrintable(caption));
        const test::PdfPage page = test::PdfWords(path);
        QCOMPARE(page.size.width() > page.size.height(), landscape);
        double scale = 0;
        const QRectF area = windowOnPage(orientation, drawn, &scale);
        QVERIFY(QRectF(QPointF(), page.size).contains(area.toRect()));
        for (qsizetype i = 0; i < page.words.size(); ++i) {
            const test::PdfWord &word = page.words[i];
            QVERIFY2(beginsIn(word.box, area), qPrintable(word.text));
            for (qsizetype j = i + 1; j < page.words.size(); ++j)
                QVERIFY2(!inner(word.box).intersects(page.words[j].box),
                         qPrintable(word.text + QStringLiteral(" / ") + page.words[j].text));
        }
        // Where the page is the window as the screen shows it, its frames
        // stand where they stand on the screen, and no text from outside a
        // frame runs into it.
        if (drawn != shown->size())
            return;
        for (const QWidget *frame : frames(shown)) {
            const QRectF onPage(area.topLeft() + QPointF(frame->mapTo(shown, QPoint())) * scale,
                                QSizeF(frame->size()) * scale);
            for (const test::PdfWord &word : page.words)
                QVERIFY2(beginsIn(word.box, onPage) || !inner(word.box).intersects(onPage),
                         qPrintable(word.text + QStringLiteral(" / ") + frame->objectName()));
        }
    }
};

IZOKU_TEST_MAIN(TestScreenPrint)
#include "tst_screenprint.moc"
