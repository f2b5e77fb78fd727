#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/report/DataSet.h"
#include "platform/report/PrintEngine.h"
#include "platform/report/ReportLayout.h"

class QWidget;

namespace platform::report {

// The report automation object of the register prints: an application opens a report, an in-memory
// data source receives the rows, the report's formula fields and text objects are set, and the
// report previews into the host window. Every object lives for one print.

// The in-memory data source: fields declared in report order, then every row at once.
class CrystalDataObject {
  public:
    // `type`: FieldType::Text (8), Boolean (11) or Currency (6).
    void AddField(const QString& name, int type);
    // One row per record, one value per declared field in declaration order; throws
    // platform::values::RuntimeError (invalid argument) when a row's size differs from the fields'.
    void AddRows(const std::vector<std::vector<Value>>& rows);
    const DataSet& data() const { return data_; }

  private:
    DataSet data_;
};

class DatabaseTable {
  public:
    // Attaches the data source as the table's rows; `code` must be 3 (the in-memory source), else
    // throws platform::values::RuntimeError (invalid argument).
    void SetPrivateData(int code, const CrystalDataObject& source);
    const DataSet& data() const { return data_; }

  private:
    DataSet data_;
};

class DatabaseTables {
  public:
    // The report's tables, from 1; the layouts have one. Throws RuntimeError (subscript out of range).
    DatabaseTable& item(int index);
    const DatabaseTable& first() const { return first_; }

  private:
    DatabaseTable first_;
};

class ReportDatabase {
  public:
    DatabaseTables& Tables() { return tables_; }
    const DatabaseTables& Tables() const { return tables_; }

  private:
    DatabaseTables tables_;
};

struct FormulaFieldDefinition {
    // A formula text: "quoted text" (inner "" one quote) or a bare number.
    QString Text;
    bool set = false;
};

class FormulaFieldDefinitions {
  public:
    explicit FormulaFieldDefinitions(const ReportLayout& layout) : layout_(layout) {}
    // The formula field of that name (the layout must declare it); throws RuntimeError (subscript
    // out of range) otherwise.
    FormulaFieldDefinition& item(const QString& name);
    // The formula texts set, by name.
    const std::map<QString, FormulaFieldDefinition>& fields() const { return fields_; }

  private:
    const ReportLayout& layout_;
    std::map<QString, FormulaFieldDefinition> fields_;
};

class TextObject {
  public:
    void SetText(const QString& text) {
        text_ = text;
        set_ = true;
    }
    const QString& text() const { return text_; }
    bool isSet() const { return set_; }

  private:
    QString text_;
    bool set_ = false;
};

class TextObjects {
  public:
    explicit TextObjects(const ReportLayout& layout) : layout_(layout) {}
    // Throws RuntimeError (subscript out of range) for a name the layout lacks.
    TextObject& item(const QString& name);
    const std::map<QString, TextObject>& objects() const { return objects_; }

  private:
    const ReportLayout& layout_;
    std::map<QString, TextObject> objects_;
};

// An area of the report: 1 report header, 2 page header, 3 details, 4 report footer, 5 page footer.
struct Area {
    // How many times the area prints for each record (honoured for the details area).
    int CopiesToPrinter = 1;
};

class Areas {
  public:
    // Areas 1 to 5; throws RuntimeError (subscript out of range) otherwise.
    Area& item(int index);
    const Area& details() const { return areas_[2]; }

  private:
    Area areas_[5];
};

struct PrintWindowOptions {
    bool hasPrintSetupButton = false;
    bool hasRefreshButton = false;
};

class Report {
  public:
    Report(QString path, std::unique_ptr<ReportLayout> layout);

    ReportDatabase& Database() { return database_; }
    FormulaFieldDefinitions& FormulaFields() { return formulas_; }
    class TextObjects& TextObjects() {
        return textObjects_;
    }
    class Areas& Areas() {
        return areas_;
    }
    struct PrintWindowOptions& PrintWindowOptions() {
        return windowOptions_;
    }

    // Builds the pages from the attached rows and shows them in a new preview inside
    // `parentWindow` (a preview host), filling it whatever the position and size given. When that
    // fails: the message "Arquivo Rpt não encontrado!" under "Erro", the pointer back to normal, false.
    bool Preview(const QString& title, int left, int top, int width, int height, std::uint32_t style,
                 QWidget* parentWindow);

    // The pages the rows and formulas give now (what Preview shows).
    Document document() const;
    const ReportLayout& layout() const { return *layout_; }

  private:
    QString path_;
    std::unique_ptr<ReportLayout> layout_;
    ReportDatabase database_;
    FormulaFieldDefinitions formulas_;
    class TextObjects textObjects_;
    class Areas areas_;
    struct PrintWindowOptions windowOptions_;
};

class Application {
  public:
    // Opens the report at `path` (program folder + report file name). When no layout has that name:
    // the message "Arquivo Rpt não encontrado!" under "Erro", the pointer back to normal, and nullptr
    // (the print then stops).
    std::unique_ptr<Report> OpenReport(const QString& path);
};

// The message of an automation print that cannot be shown, with its title.
inline const char* const ReportNotFoundMessage = "Arquivo Rpt não encontrado!";
inline const char* const ReportNotFoundTitle = "Erro";

}  // namespace platform::report
