#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/db/Connection.h"

namespace registers {

// What a register's print hands to the report automation object.
struct Relacao {
    QString relatorio;   // the report file of the program folder ("CodFisc.rpt")
    QStringList campos;  // the text fields, in report order; the query gives them in this order
    QString formula;     // the formula field that takes the title
    QString titulo;      // its value, without the formula's quotes
    QString caption;     // the preview window's caption
};

// The print of a whole register: under the hourglass, `consulta` reads the rows on `cn`; no rows ends
// it quietly; otherwise every row (each value as text, a null as "") goes to the report with its
// title, and the report previews in the shared preview window under its caption. A report file
// without a layout is told by the automation object and ends the print.
void ImprimeRelacao(const Relacao& relacao,
                    const std::function<platform::db::Recordset(platform::db::Connection&)>& consulta,
                    platform::db::Connection& cn);

}  // namespace registers
