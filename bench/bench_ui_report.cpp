// "提案書PDF" for the largest household the needs-analysis screen takes:
// five children and every policy entered, from the calculated form to the
// four-page file.  Goal: under 1 s and under 1 MB (the "bytes" counter).
#include "engine/needs/basecalculation.h"
#include "engine/report/consultationreport.h"
#include "fivechildhousehold.h"
#include "ui/report/reportpdf.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace izoku;

void BM_ConsultationReportFiveChildren(benchmark::State &state)
{
    const QDate today(2026, 12, 8);
    engine::FrmhokenForm form = bench::fiveChildHousehold(today);
    engine::RunBaseCalculation(form, engine::kBaseData2009, today);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("提案書_2026-12-08.pdf"));
    for (auto _ : state) {
        const engine::ReportOpening opening = engine::OpenConsultationReport(form, engine::kBaseData2009, today);
        if (!opening.report || !ui::WriteConsultationReport(*opening.report, path))
            state.SkipWithError("the report could not be written");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_ConsultationReportFiveChildren)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
