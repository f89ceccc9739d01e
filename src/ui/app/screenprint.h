#pragma once

#include <QString>

#include <functional>
#include <memory>

class QDate;
class QPagedPaintDevice;
class QWidget;

namespace izoku::ui {

enum class PageOrientation { PrinterDefault, Landscape };

enum class PrintOutcome { Printed, SavedAsPdf, Cancelled, Failed };

// Puts a window's image on one page.  The real service prints on the
// system's default printer (or, with none installed, offers a PDF file);
// tests replace it.
class PrintService {
  public:
    virtual ~PrintService() = default;
    virtual PrintOutcome printWindow(QWidget *window, PageOrientation orientation) = 0;
};

PrintService &Printing();
std::unique_ptr<PrintService> SetPrintService(std::unique_ptr<PrintService> service);

// Draws a window onto the page of a printer or a PDF writer, scaled to the
// printable area and keeping its proportions, as vector drawing with its
// texts as text.  Returns false if the page could not be drawn.
bool RenderWindow(QWidget *window, QPagedPaintDevice &device);

// Renders a window onto one page of a PDF file, with the fonts embedded so
// the customer's copy shows and finds the Japanese texts.  Returns false if
// it could not write.
bool PrintWindowToPdf(QWidget *window, PageOrientation orientation, const QString &path);

// Where a window's PDF goes unless the agent chooses otherwise: the user's
// documents folder, named after the window and the day, e.g.
// "遺族年金_2026-12-08.pdf".
QString ProposedPdfPath(const QWidget *window, const QDate &today);

// Asks where to save, starting from the proposed path; an empty answer
// means the agent cancelled.
using FileChooser = std::function<QString(QWidget *parent, const QString &proposedPath)>;
using PdfFileChooser = FileChooser;
// The real chooser: Qt's own save dialog (Japanese once the translations
// are installed) for files of the proposed path's kind, asking before it
// overwrites a file.
QString ChooseSaveFile(QWidget *parent, const QString &proposedPath);
QString ChoosePdfFile(QWidget *parent, const QString &proposedPath);

// The chooser the screens' own files ("CSV出力", "提案書PDF") are saved
// through: the real dialog unless a test answers instead.  Returns the
// previous one; an empty chooser puts the dialog back.
FileChooser SetFileChooser(FileChooser chooser);

// Asks where the file goes, starting from `proposedPath`, writes it with
// `write` and says where it went ("CSV ファイルを保存しました。"), or that it
// could not be written, under `title`.  Returns the path, empty when the
// agent cancelled or the file could not be written.
QString SaveFileAs(QWidget *parent, const QString &title, const QString &proposedPath,
                   const std::function<bool(const QString &path)> &write);

// The documents folder's path for `name`, with the characters a file name
// cannot hold replaced, so that "西暦/和暦" does not become a folder.
QString DocumentsPath(QString name);

// With no printer installed: offers a PDF instead, lets the agent choose the
// file, writes it and says where it went ("PDF ファイルを保存しました。").
PrintOutcome SaveWindowAsPdf(QWidget *window, PageOrientation orientation, const QString &proposedPath,
                             const PdfFileChooser &choose);

// The printer picture of a screen: asks "画面印刷をします。よろしいですか？"
// and on Yes prints the window as it is displayed, with `icon` hidden while
// the page is drawn.  A print that fails says so.
PrintOutcome ScreenPrint(QWidget *window, PageOrientation orientation, QWidget *icon = nullptr);

} // namespace izoku::ui
