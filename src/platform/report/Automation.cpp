#include "platform/report/Automation.h"

#include <QWidget>

#include "platform/report/LayoutRegistry.h"
#include "platform/report/PreviewHost.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"

namespace platform::report {

namespace {
void reportNotFound() {
    ui::resetPointer();
    ui::MsgBox(QString::fromUtf8(ReportNotFoundMessage), ui::Msg::OKOnly,
               QString::fromUtf8(ReportNotFoundTitle));
}

template <class Map>
typename Map::mapped_type* findNamed(Map& map, const QString& name) {
    for (auto& [n, v] : map)
        if (n.compare(name, Qt::CaseInsensitive) == 0) return &v;
    return nullptr;
}
}  // namespace

void CrystalDataObject::AddField(const QString& name, int type) { data_.fields.push_back({name, type}); }

void CrystalDataObject::AddRows(const std::vector<std::vector<Value>>& rows) {
    for (const auto& row : rows) {
        if (row.size() != data_.fields.size())
            throw values::RuntimeError(values::ErrorNumber::InvalidArgument,
                                       QStringLiteral("Linha com %1 valores para %2 campos")
                                           .arg(row.size())
                                           .arg(data_.fields.size()));
        std::vector<Value> converted = row;
        for (std::size_t i = 0; i < converted.size(); ++i) {
            // The print expects true/false fields never to hold null.
            if (data_.fields[i].type == FieldType::Boolean && isNull(converted[i])) converted[i] = false;
        }
        data_.rows.push_back(std::move(converted));
    }
}

void DatabaseTable::SetPrivateData(int code, const CrystalDataObject& source) {
    if (code != 3)
        throw values::RuntimeError(values::ErrorNumber::InvalidArgument,
                                   QStringLiteral("Tipo de dados inválido"));
    data_ = source.data();
}

DatabaseTable& DatabaseTables::item(int index) {
    if (index != 1) throw values::RuntimeError(values::ErrorNumber::SubscriptOutOfRange);
    return first_;
}

FormulaFieldDefinition& FormulaFieldDefinitions::item(const QString& name) {
    if (auto* f = findNamed(fields_, name)) return *f;
    if (!layout_.hasFormula(name))
        throw values::RuntimeError(values::ErrorNumber::SubscriptOutOfRange,
                                   QStringLiteral("Fórmula inexistente: ") + name);
    return fields_[name];
}

TextObject& TextObjects::item(const QString& name) {
    if (auto* t = findNamed(objects_, name)) return *t;
    if (!layout_.hasTextObject(name))
        throw values::RuntimeError(values::ErrorNumber::SubscriptOutOfRange,
                                   QStringLiteral("Objeto de texto inexistente: ") + name);
    return objects_[name];
}

Area& Areas::item(int index) {
    if (index < 1 || index > 5) throw values::RuntimeError(values::ErrorNumber::SubscriptOutOfRange);
    return areas_[index - 1];
}

Report::Report(QString path, std::unique_ptr<ReportLayout> layout)
    : path_(std::move(path)), layout_(std::move(layout)), formulas_(*layout_), textObjects_(*layout_) {}

Document Report::document() const {
    PrintValues values;
    for (const auto& [name, f] : formulas_.fields()) {
        // A text that is no constant of the report language is refused, as the engine refused it:
        // the formula keeps its design text.
        if (const auto v = formulaValue(f.Text)) values.formulas[name] = *v;
    }
    for (const auto& [name, t] : textObjects_.objects())
        if (t.isSet()) values.textObjects[name] = t.text();
    values.detailCopies = areas_.details().CopiesToPrinter;
    return buildDocument(*layout_, database_.Tables().first().data(), values);
}

bool Report::Preview(const QString& title, int, int, int, int, std::uint32_t, QWidget* parentWindow) {
    PreviewHost* host = previewHostOf(parentWindow);
    if (!host) {
        reportNotFound();
        return false;
    }
    Document doc;
    try {
        doc = document();
    } catch (const std::exception&) {
        reportNotFound();
        return false;
    }
    doc.title = title.isEmpty() ? parentWindow->windowTitle() : title;
    host->addPreview(new ReportPreview(std::move(doc), PreviewOptions{}), title);
    return true;
}

std::unique_ptr<Report> Application::OpenReport(const QString& path) {
    std::unique_ptr<ReportLayout> layout = layoutRegistry().create(path);
    if (!layout) {
        reportNotFound();
        return nullptr;
    }
    return std::make_unique<Report>(path, std::move(layout));
}

}  // namespace platform::report
