#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/report/PageModel.h"

namespace platform::report {

// The faces every page is drawn with, loaded from the program's own font files so that a page
// measures the same on every machine. One instance lives while reports are built (main owns it;
// tests and benchmarks make their own); building a page without it is an error.
class ReportFonts {
  public:
    // Loads the Liberation Sans, Serif and Mono faces (regular, bold, italic, bold italic) from
    // `folder`. Throws platform::values::RuntimeError naming the file when one is missing or unreadable.
    explicit ReportFonts(const QString& folder);
    ~ReportFonts();
    ReportFonts(const ReportFonts&) = delete;
    ReportFonts& operator=(const ReportFonts&) = delete;

    // The folder the program's fonts are copied to: "fonts" beside the executable.
    static QString programFolder();
    // The instance now loaded, or nullptr.
    static ReportFonts* current();

    // The font of a FontSpec, sized in points (a painter scales it to its device).
    QFont font(const FontSpec& fontSpec) const;
    // Width of a text in millimetres, measured at the fixed resolution.
    double widthMm(const QString& text, const FontSpec& fontSpec) const;
    // Ascent and descent of the face at its size, in millimetres.
    double ascentMm(const FontSpec& fontSpec) const;
    double descentMm(const FontSpec& fontSpec) const;
    // The longest start of `text` that fits `widthMm` (a field prints cut at its box's edge); its
    // width goes to `fittedWidth` when given.
    QString fit(const QString& text, const FontSpec& fontSpec, double widthMm,
                double* fittedWidth = nullptr) const;
    // `text` broken into lines that each fit `widthMm`: at blanks, and at every line break of the
    // text; a word longer than a line is cut where it no longer fits. Empty text gives no line.
    QStringList wrap(const QString& text, const FontSpec& fontSpec, double widthMm) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The loaded fonts; throws platform::values::RuntimeError when none are loaded.
ReportFonts& reportFonts();

}  // namespace platform::report
