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

QByteArray ProjectionCsv(const ProjectionSheet &sheet)
{
    QString text(QChar(0xFEFF));
    for (int row = 0; row < sheet.rowCount(); ++row) {
        QStringList fields = sheet.rowTexts(row);
        for (QString &field : fields)
            field = csvField(field);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

CsvExport ExportProjectionCsv(const FrmhokenForm &form)
{
    if (!form.sheet.exists())
        return CsvExport{{NoBaseCalculationMessage()}, std::nullopt};
    return CsvExport{{}, ProjectionCsv(form.sheet)};
}

} // namespace izoku::engine
