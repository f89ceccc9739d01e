#include "testkit.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTest>

namespace izoku::test {

void RecordingMessages::show(QWidget *, const engine::Message &message)
{
    shown.append({message, false});
    if (onShow)
        onShow();
}

ui::Answer RecordingMessages::ask(QWidget *, const engine::Message &question)
{
    shown.append({question, true});
    if (answers.empty())
        return ui::Answer::No;
    const ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

int RecordingMessages::choose(QWidget *, const engine::Message &question, const QStringList &captions)
{
    shown.append({question, true});
    offered = captions;
    if (choices.empty())
        return static_cast<int>(captions.size()) - 1;
    const int choice = choices.front();
    choices.pop_front();
    return choice;
}

ui::PrintOutcome RecordingPrinter::printWindow(QWidget *window, ui::PageOrientation orientation)
{
    Job job{window->objectName(), orientation, {}};
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        if (!child->objectName().isEmpty() && child->isHidden())
            job.hiddenWhilePrinting.append(child->objectName());
    }
    jobs.append(job);
    return outcome;
}

Seams::Seams()
{
    auto m = std::make_unique<RecordingMessages>();
    auto p = std::make_unique<RecordingPrinter>();
    messages = m.get();
    printer = p.get();
    ui::SetMessageService(std::move(m));
    ui::SetPrintService(std::move(p));
    ui::SetFileChooser([this](QWidget *, const QString &proposed) {
        proposedFiles << proposed;
        return fileAnswer;
    });
}

Seams::~Seams()
{
    ui::SetMessageService(nullptr);
    ui::SetPrintService(nullptr);
    ui::SetFileChooser(nullptr);
}

bool ShowAndActivate(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QWidget *Focused()
{
    return QApplication::focusWidget();
}

namespace {

QString runPoppler(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        qFatal("%s is missing: install poppler-utils (scripts/setup.sh)", qPrintable(tool));
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

void UseLaptopScreen(const char *configFile)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + configFile);
}

QString PdfText(const QString &path, PdfReading reading)
{
    const QString mode = reading == PdfReading::Layout ? QStringLiteral("-layout") : QStringLiteral("-raw");
    return runPoppler(QStringLiteral("pdftotext"), {mode, path, QStringLiteral("-")});
}

QStringList PdfFonts(const QString &path)
{
    // Two heading lines, then one font a line.
    return runPoppler(QStringLiteral("pdffonts"), {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
}

QList<QSize> PdfImages(const QString &path)
{
    // "page num type width height ..." after two heading lines.
    QList<QSize> sizes;
    const QStringList lines =
        runPoppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (fields.size() > 4)
            sizes.append(QSize(fields[3].toInt(), fields[4].toInt()));
    }
    return sizes;
}

PdfPage PdfWords(const QString &path)
{
    // pdftotext -bbox writes one XHTML element a word.
    const QString boxes = runPoppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    PdfPage page;
    const QRegularExpression size(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    if (const QRegularExpressionMatch m = size.match(boxes); m.hasMatch())
        page.size = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (const QRegularExpressionMatch &m : word.globalMatch(boxes)) {
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        page.words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return page;
}

} // namespace izoku::test
