#pragma once

#include <QString>

namespace izoku::engine {
struct ConsultationReport;
}

namespace izoku::ui {

// Writes the consultation report as a three-page A4 portrait PDF: drawn
// with QPainter as text and vector paths, the charts from the engine's
// chart feeds, the Japanese font embedded so the customer's copy shows and
// finds every word.  False if the file could not be written.
bool WriteConsultationReport(const engine::ConsultationReport &report, const QString &path);

} // namespace izoku::ui
