#include "screenprint.h"

#include "messageservice.h"

#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace izoku::ui {

namespace {

void setUp(QPrinter &printer, PageOrientation orientation)
{
    if (orientation == PageOrientation::Landscape)
        printer.setPageOrientation(QPageLayout::Landscape);
}

// The window scaled onto the page, keeping its proportions.
bool render(QWidget *window, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = window->size();
    const double scale = std::min(double(page.width()) / size.width(), double(page.height()) / size.height());
    painter.scale(scale, scale);
    window->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return painter.end();
}

class SystemPrintService final : public PrintService {
  public:
    PrintOutcome printWindow(QWidget *window, PageOrientation orientation) override
    {
        const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
        if (!printerInfo.isNull()) {
            QPrinter printer(printerInfo, QPrinter::HighResolution);
            setUp(printer, orientation);
            return render(window, printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
        }
        const engine::Message offer = engine::Question(
            QStringLiteral("プリンターが見つかりません。PDF ファイルとして保存しますか？"), QStringLiteral("印刷"));
        if (Messages().ask(window, offer) != Answer::Yes)
            return PrintOutcome::Cancelled;
        const QString path = QFileDialog::getSaveFileName(window, QStringLiteral("PDF ファイルとして保存"), QString(),
                                                          QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty())
            return PrintOutcome::Cancelled;
        return PrintWindowToPdf(window, orientation, path) ? PrintOutcome::SavedAsPdf : PrintOutcome::Failed;
    }
};

std::unique_ptr<PrintService> &current()
{
    static std::unique_ptr<PrintService> service = std::make_unique<SystemPrintService>();
    return service;
}

} // namespace

PrintService &Printing()
{
    return *current();
}

std::unique_ptr<PrintService> SetPrintService(std::unique_ptr<PrintService> service)
{
    if (!service)
        service = std::make_unique<SystemPrintService>();
    std::swap(current(), service);
    return service;
}

bool PrintWindowToPdf(QWidget *window, PageOrientation orientation, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    setUp(printer, orientation);
    return render(window, printer);
}

PrintOutcome ScreenPrint(QWidget *window, PageOrientation orientation, QWidget *icon)
{
    const engine::Message question =
        engine::Question(QStringLiteral("画面印刷をします。よろしいですか？"), QStringLiteral("印刷"));
    if (Messages().ask(window, question) != Answer::Yes)
        return PrintOutcome::Cancelled;
    const bool iconWasVisible = icon && icon->isVisible();
    if (iconWasVisible)
        icon->hide();
    const PrintOutcome outcome = Printing().printWindow(window, orientation);
    if (iconWasVisible)
        icon->show();
    if (outcome == PrintOutcome::Failed)
        Messages().show(window,
                        engine::Warning(QStringLiteral("印刷できませんでした。プリンターの状態を確認してください。"),
                                        QStringLiteral("印刷")));
    return outcome;
}

} // namespace izoku::ui
