#pragma once

#include <QString>

namespace izoku::ui {

// Makes a PDF that Qt wrote findable by its Japanese words: where one glyph
// stands for both a Kangxi radical and its ideograph (金 and ⾦), the file's
// text map is made to name the ideograph.  False if the file could not be
// read or written back.
bool NameIdeographsInPdf(const QString &path);

} // namespace izoku::ui
