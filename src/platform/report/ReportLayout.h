#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "platform/report/DataSet.h"
#include "platform/report/Formula.h"
#include "platform/report/LayoutChecks.h"
#include "platform/report/PageModel.h"

namespace platform::report {

class ReportContext;

// What a band holds: texts, fields, formulas and lines, placed in millimetres. `x` is measured from
// the page's left edge, `y` from the top of the band.
struct Element {
    enum class Kind { Text, Field, Formula, TextObject, PageNumber, Computed, Line, Box };
    Kind kind = Kind::Text;
    double x = 0, y = 0, width = 0, height = 0;
    FontSpec font;
    Align align = Align::Left;
    // The literal text, or the name of the field, formula or text object, or the page number's prefix.
    QString text;
    // A field's format: a number or date pattern of platform::values::Format ("###,###,##0.00",
    // "dd/mm/yyyy"), or for true/false fields "text if true;text if false".
    QString format;
    std::function<QString(const ReportContext&)> compute;
    double penMm = 0.2;
    // A field that prints nothing when its value is zero or null (a book's continuation lines).
    bool blankWhenZero = false;
    // A text that wraps: one line of `height` per line its width needs, at most `maxLines` (0: no
    // limit; the last line then takes the rest, cut at the edge); its band grows to hold them, and
    // what stands below it in the band moves down where the lines reach it.
    bool wrap = false;
    int maxLines = 0;
    // A value typed into a masked field (a CNPJ, CEP, CCM, CNAE, CFOP): its unfilled prompts print as
    // blanks, and nothing of it when it was never typed (values::withoutPrompts). Any other value prints
    // as stored, a "_" typed in it included.
    bool masked = false;
    // The widest text a field, formula or computed element can print (the largest amount, the longest
    // registration): the layout is checked to give it room (cutTexts). A literal text is its own.
    QString widest;
};

// One horizontal band of the layout, printed whole on one page.
class Band {
  public:
    double height = 0;
    std::vector<Element> elements;
    // When set, the band prints only where this says so.
    std::function<bool(const ReportContext&)> printWhen;

    Band& text(double x, double y, double w, double h, const QString& text, FontSpec font,
               Align align = Align::Left);
    Band& field(double x, double y, double w, double h, const QString& name, FontSpec font,
                Align align = Align::Left, const QString& format = QString());
    Band& formula(double x, double y, double w, double h, const QString& name, FontSpec font,
                  Align align = Align::Left);
    Band& textObject(double x, double y, double w, double h, const QString& name, FontSpec font,
                     Align align = Align::Left);
    Band& pageNumber(double x, double y, double w, double h, FontSpec font, Align align = Align::Left,
                     const QString& prefix = QString());
    Band& computed(double x, double y, double w, double h, FontSpec font, Align align,
                   std::function<QString(const ReportContext&)> compute);
    Band& line(double x1, double y1, double x2, double y2, double penMm = 0.2);
    Band& box(double x, double y, double w, double h, double penMm = 0.2);
    // The last element added prints nothing when its value is zero or null (fields only).
    Band& blankWhenZero();
    // The last element added wraps onto lines of its height (Element::wrap).
    Band& wrap(int maxLines = 0);
    // The last element added can print at most as wide as `text` (Element::widest).
    Band& widest(const QString& text);
    // The last element added prints a masked field's value (Element::masked).
    Band& masked();
};

// A group: header and footer printed around each run of rows with the same value of `field`.
struct GroupBand {
    QString field;
    Band header;
    Band footer;
};

// A money total over a field of the body (main detail or section) that declares it, kept per page,
// carried from page to page, per group level and over the whole body.
struct SumDef {
    QString name;
    QString field;
};

// Page: the rows on this page; Carried: the rows on the pages before; Report: every row of the body
// so far (a section's own total); Group: the innermost group's rows (ReportContext::groupSum for
// another level).
enum class SumScope { Page, Carried, Report, Group };

// A part printed after the main detail, from its own query on the layout's database: its header
// band, then its column header (repeated at the top of each page while the section prints), groups
// and detail, then its footer; when the query gives no row, `noRows` in place of all but the header. Page
// header, footer and page numbers run on across sections.
struct Section {
    QString query;
    // The section starts on a new page.
    bool newPage = false;
    // When set, the section prints only where this says so (a flag formula of the print, say).
    std::function<bool(const ReportContext&)> printWhen;
    Band header, columnHeader, detail, footer, noRows;
    std::vector<GroupBand> groups;
    std::vector<SumDef> sums;
};

// A report file's layout. Each report of the program is a class derived from this one that fills
// these members in its constructor; the layout registry creates it by the report file's name.
class ReportLayout {
  public:
    virtual ~ReportLayout() = default;

    PageSize pageSize = PageSize::A4Portrait();
    double marginTop = 10;
    double marginBottom = 10;
    // Details printed in columns (a label sheet): consecutive details of the main body fill a row
    // left to right, each `columnPitch` millimetres right of the one before, then the next row; a new
    // page when the next row does not fit.
    int detailColumns = 1;
    double columnPitch = 0;

    Band reportHeader, pageHeader, columnHeader, detail, pageFooter, summary;
    // Outer group first.
    std::vector<GroupBand> groups;
    std::vector<SumDef> sums;
    // Printed in order after the main detail, before the summary (which sees the main detail's rows
    // and totals again).
    std::vector<Section> sections;

    // The formulas the layout prints, each with the text its design shows when no print sets it.
    void declareFormula(const QString& name, const QString& designText = QString());
    bool hasFormula(const QString& name) const;
    QString designText(const QString& name) const;
    // The text objects a print may set, with their design texts.
    void declareTextObject(const QString& name, const QString& designText = QString());
    bool hasTextObject(const QString& name) const;
    QString textObjectDesign(const QString& name) const;

    // Page numbers: when this formula is set to a number, the first page is that number plus one
    // (the pages of the book already printed); otherwise the first page is 1.
    QString pageStartFormula;

    // Where the print-engine path reads the rows: `query` on the database file `databaseFile` of the
    // report's folder. `table` is the table a selection formula names. A layout without a query
    // prints only the rows handed to it.
    QString databaseFile = QStringLiteral("Trabdados.mdb");
    QString query;
    QString table;

  private:
    std::vector<std::pair<QString, QString>> formulas_;
    std::vector<std::pair<QString, QString>> textObjects_;
};

// What one print sets on its layout.
struct PrintValues {
    // Formula name -> value (already decoded from its formula text).
    std::map<QString, QString> formulas;
    std::map<QString, QString> textObjects;
    // Each detail row prints this many times (the copy count of the details area).
    int detailCopies = 1;
    std::optional<SelectionFormula> selection;
    QString title;
};

// What an element sees while the pages are built.
class ReportContext {
  public:
    virtual ~ReportContext() = default;
    virtual const DataSet& data() const = 0;
    // The row being printed (in headers, the next row; in footers, the last row printed); -1 before any.
    virtual long row() const = 0;
    Value field(const QString& name) const;
    // The formula's value when the print set it, else its design text.
    virtual QString formula(const QString& name) const = 0;
    virtual bool formulaSet(const QString& name) const = 0;
    virtual QString textObject(const QString& name) const = 0;
    virtual int pageNumber() const = 0;
    // Rows printed so far (after the selection).
    virtual long printedRows() const = 0;
    // A total of the body printing now, or else of the main body; zero for an unknown name.
    virtual values::Currency sum(const QString& name, SumScope scope) const = 0;
    // The total of group level `level` (0 the outermost) since that group's value last changed.
    virtual values::Currency groupSum(const QString& name, int level) const = 0;

  protected:
    // Index of a field in data(), or -1.
    virtual int fieldIndex(const QString& name) const = 0;
};

// Builds the pages of a layout over `data` (rows filtered by the selection when one is set), its
// sections over `sectionData` (one data set per section, in order; a section without one has no
// rows). Throws platform::values::RuntimeError when the fonts are not loaded.
Document buildDocument(const ReportLayout& layout, const DataSet& data, const PrintValues& values,
                       const std::vector<DataSet>& sectionData = {});
// The same, given the rows to keep: each row is let go once printed (the row before the one printing
// still serves the group footers, the last one the summary), so that a long report's rows and its
// pages are not held in full at once.
Document buildDocument(const ReportLayout& layout, DataSet&& data, const PrintValues& values,
                       const std::vector<DataSet>& sectionData = {});

}  // namespace platform::report
