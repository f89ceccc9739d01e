#include "store/location.h"
#include "ui/app/applicationsetup.h"
#include "ui/app/formmenu.h"
#include "ui/app/qttranslations.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

constexpr int kNoDisplay = 1;
constexpr int kUsage = 2;

const char kHelp[] = "usage: izoku-planner [--database PATH]\n"
                     "The survivors' pension and life-insurance needs planner (遺族保障プランナー).\n"
                     "  --database PATH  the customer file to use instead of ndata.mdb beside the program\n"
                     "                   or in ~/.local/share/izoku-planner/\n"
                     "  --help           show this text and exit\n"
                     "  --version        show the version and exit\n";

bool asked(int argc, char *argv[], std::string_view option)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == option)
            return true;
    }
    return false;
}

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

// The platform Qt would open the windows on: -platform, then
// QT_QPA_PLATFORM, up to its options ("offscreen:configfile=…").
std::string_view platform(int argc, char *argv[])
{
    std::string_view named;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            named = argv[i + 1];
    }
    if (named.empty() && isSet("QT_QPA_PLATFORM"))
        named = std::getenv("QT_QPA_PLATFORM");
    return named.substr(0, named.find(':'));
}

// Qt aborts with a page of its own when it finds no display; the agent (or
// the script that starts the program) gets one line that says what to do.
// The variable that names the display the platform would open, when it is
// not set; null when there is a display (or a platform that needs none).
const char *missingDisplay(std::string_view name)
{
    if (name == "wayland")
        return isSet("WAYLAND_DISPLAY") ? nullptr : "WAYLAND_DISPLAY";
    if (name == "xcb" || (name.empty() && !isSet("WAYLAND_DISPLAY")))
        return isSet("DISPLAY") ? nullptr : "DISPLAY";
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    if (asked(argc, argv, "--help")) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (asked(argc, argv, "--version")) {
        std::fputs("izoku-planner " IZOKU_VERSION "\n", stdout);
        return 0;
    }
    if (const char *missing = missingDisplay(platform(argc, argv))) {
        std::fprintf(stderr,
                     "izoku-planner: no display to open the windows on (%s is not set): start it on the desktop, "
                     "or set QT_QPA_PLATFORM=offscreen to run it without a screen\n",
                     missing);
        return kNoDisplay;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Izoku Planner"));
    QApplication::setApplicationVersion(QStringLiteral(IZOKU_VERSION));
    izoku::ui::SetUpApplication();
    if (!izoku::ui::InstallJapaneseQtTexts())
        qWarning("Qt's Japanese translations (qtbase_ja.qm) are missing: standard buttons stay in English.");
    QStringList arguments = QCoreApplication::arguments();
    if (!izoku::store::SelectDatabase(arguments)) {
        std::fputs(kHelp, stderr);
        return kUsage;
    }

    auto &registry = izoku::ui::WindowRegistry::instance();
    izoku::ui::RegisterScreens(registry, izoku::store::DatabaseInUse());

    izoku::ui::Formmenu::Options options;
    options.databasePath = izoku::store::DatabaseInUse();
    // 終了 ends the program at once, whatever windows are open or hidden and
    // whatever they would say about being closed.
    options.endProgram = [] { QCoreApplication::exit(0); };
    auto *menu = new izoku::ui::Formmenu(registry, options);
    menu->setAttribute(Qt::WA_DeleteOnClose, false);
    menu->show();

    const int status = QApplication::exec();
    registry.destroyAll();
    delete menu;
    return status;
}
