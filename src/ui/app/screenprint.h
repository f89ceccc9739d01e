#pragma once

#include <QString>

#include <memory>

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

// Renders a window onto one page of a PDF file (also used by the real
// service when there is no printer).  Returns false if it could not write.
bool PrintWindowToPdf(QWidget *window, PageOrientation orientation, const QString &path);

// The printer picture of a screen: asks "画面印刷をします。よろしいですか？"
// and on Yes prints the window as it is displayed, with `icon` hidden while
// the page is drawn.  A print that fails says so.
PrintOutcome ScreenPrint(QWidget *window, PageOrientation orientation, QWidget *icon = nullptr);

} // namespace izoku::ui
