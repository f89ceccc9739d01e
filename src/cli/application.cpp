#include "calc.h"
#include "reportcommand.h"

#include "store/location.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdlib>

namespace izoku::cli {

namespace {

// The command comes first after the program's name once "--database PATH"
// is taken out, wherever it was given.
constexpr qsizetype kCommandPosition = 1;

QString commandWord(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    store::TakeDatabaseOption(arguments);
    return arguments.value(kCommandPosition);
}

} // namespace

std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char **argv)
{
    if (commandWord(argc, argv) != ReportCommand().name)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the one error line and nothing else: Qt's own
    // notes about the platform or a page it could not open stay out of it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &) {
        if (type == QtFatalMsg)
            std::abort();
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace izoku::cli
