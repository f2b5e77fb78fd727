#pragma once

#include <QStringList>

// The checks a layout passes before it prints: no text cut at its element's edge, no two texts of a
// line run together.
namespace platform::report {

class ReportLayout;

// What `layout` would print cut at an element's edge, one line each naming the text and its room:
// a literal text or an element's widest value wider than its element (wrapped texts excepted), an
// element beyond the page's right edge. Empty when nothing can be cut. Needs the report fonts.
QStringList cutTexts(const ReportLayout& layout);

// The least distance two texts of a line keep to read as two: about two blanks of the books' 7-point
// face, one blank of the 17-cpi continuous form (less the half percent its face may run over).
inline constexpr double VisibleGapMm = 1.3;

// Two neighbouring texts of one line of `layout` whose widest values (a literal text is its own, a
// wrapped text may fill its box) come closer than VisibleGapMm, one line each naming them and their
// distance; texts whose boxes overlap are not neighbours. A value (field, formula, text object,
// computed, page number) that neither wraps nor declares its widest value is named too, so that no
// layout escapes the check. Empty when every neighbour keeps the gap.
// Needs the report fonts.
QStringList crowdedTexts(const ReportLayout& layout);

}  // namespace platform::report
