#pragma once

// The sizes of the text fields the calculation screens were drawn with.
namespace izoku::ui {

// The needs-analysis form was drawn with fields a little taller than a line
// of text; at that height the whole form fits a laptop screen.  Ages are two
// digits; amounts in yen need the room.
inline constexpr int kNeedsFieldHeight = 21;
inline constexpr int kNeedsAgeWidth = 36;
inline constexpr int kNeedsAmountWidth = 72;

// The pension record's fields on the survivors' pension screen.
inline constexpr int kSurvivorsRecordWidth = 90;

} // namespace izoku::ui
