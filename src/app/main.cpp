#include "store/location.h"
#include "ui/app/formmenu.h"
#include "ui/app/qttranslations.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Izoku Planner"));
    izoku::ui::ApplyApplicationFont();
    if (!izoku::ui::InstallJapaneseQtTexts())
        qWarning("Qt's Japanese translations (qtbase_ja.qm) are missing: standard buttons stay in English.");
    QStringList arguments = QCoreApplication::arguments();
    if (!izoku::store::SelectDatabase(arguments)) {
        std::fputs("usage: izoku-planner [--database PATH]\n", stderr);
        return 2;
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
