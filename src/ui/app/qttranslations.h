#pragma once

namespace izoku::ui {

// Qt's own texts in Japanese: the buttons of every message box and question
// ("はい", "いいえ", "OK"), the file dialog of a PDF save and the calendar of
// the date pickers, so the agent never meets an English word in front of a
// customer.  Uses Debian's Qt translations (qtbase_ja.qm); returns false,
// leaving Qt's English texts, when they are not installed.
bool InstallJapaneseQtTexts();

} // namespace izoku::ui
