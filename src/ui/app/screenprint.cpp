#include "screenprint.h"

#include "formmenu.h"
#include "messageservice.h"
#include "replaceableservice.h"
#include "windowpage.h"

#include "ui/report/pdffile.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

namespace izoku::ui {

namespace {

template <typename Device> void setUp(Device &device, PageOrientation orientation)
{
    if (orientation == PageOrientation::Landscape)
        device.setPageOrientation(QPageLayout::Landscape);
}

// Drawing a page can take a moment on a slow printer driver; the agent sees
// that the program is busy rather than frozen.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

class SystemPrintService final : public PrintService {
  public:
    PrintOutcome printWindow(QWidget *window, PageOrientation orientation) override
    {
        const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
        if (printerInfo.isNull())
            return SaveWindowAsPdf(window, orientation, ProposedPdfPath(window, SystemClock().date()), ChoosePdfFile);
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        setUp(printer, orientation);
        return RenderWindow(window, printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
    }
};

ReplaceableService<std::unique_ptr<PrintService>> &service()
{
    static ReplaceableService<std::unique_ptr<PrintService>> printer(
        [] { return std::unique_ptr<PrintService>(std::make_unique<SystemPrintService>()); });
    return printer;
}

} // namespace

PrintService &Printing()
{
    return *service().current();
}

std::unique_ptr<PrintService> SetPrintService(std::unique_ptr<PrintService> replacement)
{
    return service().replace(std::move(replacement));
}

bool RenderWindow(QWidget *window, QPagedPaintDevice &device)
{
    BusyCursor busy;
    // Qt draws a widget straight onto any QPrinter (PDF output included)
    // through a bitmap of the printer's resolution: megabytes of picture, no
    // text, seconds of waiting.  Recorded first, the window's own drawing
    // commands are replayed on the page instead, texts and lines as they are.
    const WindowPage drawn = DrawWindowPage(window);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QSize size = drawn.size;
    const double fit = std::min(double(page.width()) / size.width(), double(page.height()) / size.height());
    // A picture is replayed at the page's resolution; it was recorded at the
    // screen's.
    const double scale = fit * drawn.picture.logicalDpiX() / device.logicalDpiX();
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, drawn.picture);
    return painter.end();
}

bool PrintWindowToPdf(QWidget *window, PageOrientation orientation, const QString &path)
{
    QPdfWriter writer(path);
    writer.setTitle(window->windowTitle());
    writer.setCreator(QStringLiteral("遺族保障プランナー"));
    setUp(writer, orientation);
    if (!RenderWindow(window, writer))
        return false;
    return NameIdeographsInPdf(path);
}

QString DocumentsPath(QString name)
{
    static const QString kNotInFileNames = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : name) {
        if (kNotInFileNames.contains(c))
            c = u'_';
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name);
}

QString ProposedPdfPath(const QWidget *window, const QDate &today)
{
    const QString name = window->windowTitle().isEmpty() ? window->objectName() : window->windowTitle();
    return DocumentsPath(QStringLiteral("%1_%2.pdf").arg(name, today.toString(Qt::ISODate)));
}

QString ChooseSaveFile(QWidget *parent, const QString &proposedPath)
{
    const QString suffix = QFileInfo(proposedPath).suffix();
    QFileDialog dialog(parent, QStringLiteral("%1 ファイルとして保存").arg(suffix.toUpper()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("%1 (*.%2)").arg(suffix.toUpper(), suffix));
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString ChoosePdfFile(QWidget *parent, const QString &proposedPath)
{
    return ChooseSaveFile(parent, proposedPath);
}

namespace {

ReplaceableService<FileChooser> &chooser()
{
    static ReplaceableService<FileChooser> dialog([] { return FileChooser(ChooseSaveFile); });
    return dialog;
}

engine::Message savedMessage(const QString &path, const QString &title)
{
    return engine::Message{QStringLiteral("%1 ファイルを保存しました。\n%2")
                               .arg(QFileInfo(path).suffix().toUpper(), QDir::toNativeSeparators(path)),
                           title,
                           engine::MessageIcon::Information,
                           {},
                           false};
}

} // namespace

FileChooser SetFileChooser(FileChooser replacement)
{
    return chooser().replace(std::move(replacement));
}

QString SaveFileAs(QWidget *parent, const QString &title, const QString &proposedPath,
                   const std::function<bool(const QString &path)> &write)
{
    const QString path = chooser().current()(parent, proposedPath);
    if (path.isEmpty())
        return {};
    if (!write(path)) {
        Messages().show(
            parent,
            engine::Warning(QStringLiteral("ファイルを保存できませんでした。\n%1").arg(QDir::toNativeSeparators(path)),
                            title));
        return {};
    }
    Messages().show(parent, savedMessage(path, title));
    return path;
}

PrintOutcome SaveWindowAsPdf(QWidget *window, PageOrientation orientation, const QString &proposedPath,
                             const PdfFileChooser &choose)
{
    const engine::Message offer = engine::Question(
        QStringLiteral("プリンターが見つかりません。PDF ファイルとして保存しますか？"), QStringLiteral("印刷"));
    if (Messages().ask(window, offer) != Answer::Yes)
        return PrintOutcome::Cancelled;
    const QString path = choose(window, proposedPath);
    if (path.isEmpty())
        return PrintOutcome::Cancelled;
    if (!PrintWindowToPdf(window, orientation, path))
        return PrintOutcome::Failed;
    Messages().show(window, savedMessage(path, QStringLiteral("印刷")));
    return PrintOutcome::SavedAsPdf;
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
