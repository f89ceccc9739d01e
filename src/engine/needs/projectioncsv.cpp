#include "projectioncsv.h"

#include "basecalculation.h"
#include "frmhokenform.h"
#include "projectionsheet.h"

#include <algorithm>

namespace izoku::engine {

namespace {

QString csvField(const QString &text)
{
    static const QString kNeedsQuotes = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return kNeedsQuotes.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QByteArray CsvFile(const std::vector<QStringList> &records)
{
    QString text(QChar(0xFEFF));
    for (QStringList fields : records) {
        for (QString &field : fields)
            field = csvField(field);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QByteArray ProjectionCsv(const ProjectionSheet &sheet)
{
    std::vector<QStringList> rows;
    for (int row = 0; row < sheet.rowCount(); ++row)
        rows.push_back(sheet.rowTexts(row));
    return CsvFile(rows);
}

CsvExport ExportProjectionCsv(const FrmhokenForm &form)
{
    if (!form.sheet.exists())
        return CsvExport{{NoBaseCalculationMessage()}, std::nullopt};
    return CsvExport{{}, ProjectionCsv(form.sheet)};
}

} // namespace izoku::engine
