#include "calc.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

namespace izoku::cli {

std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char **argv)
{
    if (argc < 2 || std::strcmp(argv[1], "report") != 0)
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
