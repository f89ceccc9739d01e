// The screen print of the survivors' pension screen saved as a PDF file, as
// the agent does at the end of a consultation: the worked household
// calculated, the schedule shown.  Goal: under 0.5 s and under 500 KB a page
// (the "bytes" counter).
#include "engine/basedata/basedata.h"
#include "store/database.h"
#include "ui/app/applicationsetup.h"
#include "ui/app/datepicker.h"
#include "ui/app/screenprint.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/pension/frmravo.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace izoku;

void typeHousehold(QWidget &window)
{
    auto edit = [&window](const QString &name, const QString &text) {
        window.findChild<QLineEdit *>(name)->setText(text);
    };
    edit(QStringLiteral("Text4(0)"), QStringLiteral("山田太郎"));
    edit(QStringLiteral("Text4(1)"), QStringLiteral("山田花子"));
    edit(QStringLiteral("Text5(1)"), QStringLiteral("30"));
    window.findChild<ui::DatePicker *>(QStringLiteral("DTPicker1(0)"))->setDate(QDate(1960, 5, 1));
    edit(QStringLiteral("Text5(2)"), QStringLiteral("2"));
    window.findChild<QCheckBox *>(QStringLiteral("Check2(2)"))->setChecked(true);
    const QStringList pension = {"0", "120", "300000", "60", "400000", "0.985"};
    for (int i = 0; i < pension.size(); ++i)
        edit(QStringLiteral("Text6(%1)").arg(i), pension[i]);
    window.findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->click();
    window.findChild<QPushButton *>(QStringLiteral("cmdShowSheet"))->click();
}

void BM_FrmRavoToPdf(benchmark::State &state)
{
    store::ProcessBaseData() = engine::kBaseData2009;
    ui::WindowRegistry registry;
    ui::FrmRavo window(registry, [] { return QDateTime(QDate(2026, 12, 8), QTime(10, 0)); });
    window.show();
    typeHousehold(window);
    QCoreApplication::processEvents();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("遺族年金_2026-12-08.pdf"));
    for (auto _ : state) {
        if (!ui::PrintWindowToPdf(&window, ui::PageOrientation::Landscape, path))
            state.SkipWithError("the PDF could not be written");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_FrmRavoToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char *argv[])
{
    // The agents' laptop screen, 1366×768, where the window shows its
    // schedule below the inputs.
    QTemporaryDir screenDir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QFile screen(screenDir.filePath(QStringLiteral("screen.json")));
        if (screen.open(QIODevice::WriteOnly))
            screen.write(R"({"screens":[{"name":"laptop","x":0,"y":0,"width":1366,"height":768,)"
                         R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
        screen.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    ui::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
