#pragma once

#include "ui/app/applicationsetup.h"
#include "ui/app/messageservice.h"
#include "ui/app/screenprint.h"

#include <QApplication>
#include <QList>
#include <QRectF>
#include <QTest>
#include <QWidget>

#include <deque>
#include <functional>

namespace izoku::test {

// Records every message box and answers questions from a queue (No when the
// queue is empty).  `onShow` runs inside a box, while it would be open.
class RecordingMessages final : public ui::MessageService {
  public:
    struct Shown {
        engine::Message message;
        bool question = false;
    };

    void show(QWidget *parent, const engine::Message &message) override;
    ui::Answer ask(QWidget *parent, const engine::Message &question) override;
    // Answers from `choices` (the last caption, the cancelling one, when
    // the queue is empty); the captions offered are kept.
    int choose(QWidget *parent, const engine::Message &question, const QStringList &captions) override;

    QList<Shown> shown;
    std::deque<ui::Answer> answers;
    std::deque<int> choices;
    QStringList offered;
    std::function<void()> onShow;
};

// Records what would have been printed.
class RecordingPrinter final : public ui::PrintService {
  public:
    ui::PrintOutcome printWindow(QWidget *window, ui::PageOrientation orientation) override;

    struct Job {
        QString window;
        ui::PageOrientation orientation;
        QList<QString> hiddenWhilePrinting; // object names of hidden children
    };
    QList<Job> jobs;
    ui::PrintOutcome outcome = ui::PrintOutcome::Printed;
};

// Installs both for the lifetime of a test class and restores the real ones.
class Seams {
  public:
    Seams();
    ~Seams();
    RecordingMessages *messages;
    RecordingPrinter *printer;
    // The save dialog: every path it was opened with, and where the agent
    // saves (empty: cancels).
    QList<QString> proposedFiles;
    QString fileAnswer;
};

// Shows a window and waits until it is active, so focus can be tested.
bool ShowAndActivate(QWidget *window);

// The widget that has the keyboard focus now.
QWidget *Focused();

// A PDF file as a reader sees it, through poppler's tools (scripts/setup.sh
// installs them): its text, as pdftotext extracts it, laid out as on the
// page or in the order the page draws it (a wrapped label's lines one
// after the other).
enum class PdfReading { Layout, DrawingOrder };
QString PdfText(const QString &path, PdfReading reading = PdfReading::Layout);
// The fonts of the file as pdffonts lists them, one line each: name, type,
// encoding, "emb" (yes/no) …
QStringList PdfFonts(const QString &path);
// The pixel sizes of the pictures embedded in the file.
QList<QSize> PdfImages(const QString &path);
// The words of a one-page file where pdftotext finds them, in points from
// the page's top left corner, and the page's size.
struct PdfWord {
    QString text;
    QRectF box;
};
struct PdfPage {
    QSizeF size;
    QList<PdfWord> words;
};
PdfPage PdfWords(const QString &path);

// Gives the offscreen platform the screen of the agents' laptops, 1366×768,
// described by `configFile`, instead of its 800×800.  A real display (for
// example under xvfb-run) keeps its own screen.
void UseLaptopScreen(const char *configFile);

// The child widget named `name`; a missing one ends the test run, since
// every later step would only fail less clearly.
template <typename T> T *Child(const QWidget *parent, const QString &name)
{
    T *widget = parent->findChild<T *>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

} // namespace izoku::test

// QTEST_MAIN for window tests, on the laptop screen, with what the program
// sets up for every window (its font, its icon, Enter on buttons).
#define IZOKU_TEST_MAIN(TestObject)                                                                                    \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        izoku::test::UseLaptopScreen(IZOKU_TEST_DATA "/laptop-screen.json");                                           \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        izoku::ui::SetUpApplication();                                                                                 \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
