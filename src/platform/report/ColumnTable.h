#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "platform/report/PageModel.h"
#include "platform/report/ReportLayout.h"

namespace platform::report {

// One column of a book's table: its heading, what it prints, the widest value it can print and its
// width on each form. Built as Column("Valor\nContábil", "valor", 28, 14).widest("99.999.999.999,99")
// .aligned(Align::Right).formatted(money).totalled().
struct Column {
    // `caption`: each line break starts another heading row. `field`: the field printed.
    // Width in millimetres on the A4 form and in characters on the continuous form.
    Column(QString caption, QString field, double widthMm, int widthChars);

    // The widest text the field can print, formatted (the largest amount the windows accept, the
    // longest form of a registration): it never wraps, and the layout's check (cutTexts) fails when
    // the column is too narrow for it. A column without one holds a free text, which wraps in its band.
    Column& widest(QString text);
    // A free text that wraps although it has a widest value: that value is then its widest word
    // (an amount within a remark), which the column still holds whole.
    Column& wrapped();
    // Under a caption shared by the run of adjacent columns that name it ("DOCUMENTO FISCAL").
    Column& grouped(QString caption);
    Column& aligned(Align a);
    // A pattern of platform::values::Format for the field's value.
    Column& formatted(QString pattern);
    // The field prints nothing when zero or null.
    Column& zeroBlank();
    // Totalled: the total lines print the sum of the field (a SumDef named as the field).
    Column& totalled();
    // Prints what `text` computes from the row instead of the field.
    Column& computedBy(std::function<QString(const ReportContext&)> text);
    // The field's value was typed into a masked field (Element::masked).
    Column& masked();

    QString caption;
    QString group;
    QString field;
    QString widestText;
    bool wraps = false;
    std::function<QString(const ReportContext&)> compute;
    double widthMm = 0;
    int widthChars = 0;
    Align align = Align::Left;
    QString format;
    bool blankWhenZero = false;
    bool total = false;
    bool mask = false;
};

// The paper, faces and units a column table is laid out for.
struct TableForm {
    PageSize page;
    FontSpec head;
    FontSpec body;
    // Where the first column starts, from the page's left edge, in millimetres.
    double leftMm = 10;
    // Height of a heading row, a detail line and a total line, in millimetres.
    double lineMm = 4;
    // Column widths are counted in characters of `charMm` (the continuous form), not millimetres.
    bool inCharacters = false;
    double charMm = 0;
    // Space between two columns, in millimetres.
    double gapMm = 1.5;
    // Space between two columns whose texts can both reach the edge they share (an amount aligned
    // right before a code aligned left, a free text before a registration): there no slack of a
    // narrower value keeps them apart, so the table keeps this whole gap, at least VisibleGapMm.
    double meetingGapMm = 1.5;

    // A4 landscape in the sans face, widths in millimetres.
    static TableForm A4Landscape();
    // The continuous form in the mono face at 17 characters per inch, 6 lines per inch, widths in
    // characters and one blank between columns.
    static TableForm ContinuousForm();
};

// Which total a total line prints: the page's rows, the pages before (brought forward at the top of a
// page; the line is blank until the body has printed a row), the pages up to the end of this one
// (carried forward at its foot), the whole body (the main detail or a section) or a group level.
enum class TotalOf { Page, BroughtForward, CarriedForward, Body, Group };

// A list of columns laid out once for a form: the same list gives the column heading, the detail
// line and the total lines of a body, on the A4 form or on the continuous form. Two columns keep the
// form's gap between them, its meeting gap where their texts can touch; on the character grid a column
// may print half a blank beyond its characters on the side away from its alignment.
class ColumnTable {
  public:
    ColumnTable(std::vector<Column> columns, TableForm form);

    const TableForm& form() const { return form_; }
    const std::vector<Column>& columns() const { return columns_; }
    // Left edge and width of column `i`'s values in millimetres; right edge of the table.
    double x(std::size_t i) const { return x_[i]; }
    double width(std::size_t i) const { return w_[i]; }
    double right() const;

    // Appends the heading below what `band` holds and grows it: a rule; the group captions, centred
    // over their runs with a rule under each; the captions in as many rows as their line breaks make,
    // each centred in the height left under its group caption or in the whole heading; a rule.
    void header(Band& band) const;
    // Appends one detail line: each column's field or computed text, in its format and alignment; a
    // column without a widest value wraps onto more lines of the band.
    void detail(Band& band) const;
    // Appends a total line: `label` left of the first totalled column, and under each totalled column
    // its total of `of` (`groupLevel`: the group, 0 the outermost, -1 the innermost), as wide at most
    // as the column's widest value.
    void totals(Band& band, const QString& label, TotalOf of, int groupLevel = -1) const;
    // Adds the sum of each totalled column (named as its field) to `sums`.
    void declareSums(std::vector<SumDef>& sums) const;

  private:
    std::vector<Column> columns_;
    TableForm form_;
    // Each column's box (where its values print) and its own span (its characters, on the grid).
    std::vector<double> x_, w_, cx_, cw_;
};

}  // namespace platform::report
