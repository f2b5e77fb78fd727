#pragma once

#include <QString>

#include "platform/db/Recordset.h"

namespace utilities {

// The report file of listing model `modelo` (1 to 4): "lrMod" + two digits + ".rpt".
QString RelatorioListagem(int modelo);

// Previews the companies of `rs` (every column of Empresas, walked from its first row) in the layout
// of model `modelo` under the title `titulo`, in the shared preview window "Listagens Resumidas".
// True when the preview was shown; a report without a layout is told by the report layer.
bool ImprimeListagem(platform::db::Recordset& rs, int modelo, const QString& titulo);

}  // namespace utilities
