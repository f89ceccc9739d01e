#pragma once

#include "engine/forms/message.h"

#include <QByteArray>
#include <QStringList>

#include <optional>
#include <vector>

namespace izoku::engine {

class ProjectionSheet;
struct FrmhokenForm;

// A CSV file for a spreadsheet: UTF-8 with a byte order mark, so that Excel
// reads the Japanese texts, a line per record ended by CR LF.  A field
// holding a comma, a quote or a line break is quoted, its quotes doubled.
QByteArray CsvFile(const std::vector<QStringList> &records);

// The projection sheet as a CSV file for a spreadsheet: UTF-8 with a byte
// order mark, so that Excel reads the Japanese labels, one line per row of
// the sheet with the label first, lines ended by CR LF.  A cell holding a
// comma, a quote or a line break is quoted, its quotes doubled.
QByteArray ProjectionCsv(const ProjectionSheet &sheet);

// "CSV出力": the sheet of the last base calculation; before one there is
// nothing to write and the agent is asked to run it.
struct CsvExport {
    Messages messages;
    std::optional<QByteArray> csv;
};
CsvExport ExportProjectionCsv(const FrmhokenForm &form);

} // namespace izoku::engine
