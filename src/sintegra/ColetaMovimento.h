#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/db/Connection.h"
#include "sintegra/RegistroSintegra.h"
#include "sintegra/RegistrosArquivo.h"

namespace sintegra {

// The name of the month table (1 to 12) of the ICMS exits (`saida`) or entries of a movement database.
using NomeTabelaMes = std::function<QString(bool saida, int mes)>;

// Turns the ICMS documents of the period of `contexto` (one year) of the open movement database into
// SINTEGRA registers: month by month from the start month to the end month, the entries of a month
// before its exits, each table in order of entry date, CNPJ/CPF text and initial number; then the exits
// issued in the period that other months' tables of the year hold, table by table, and the entries of
// the period those tables hold, which are refused. The state registrations are read once from the
// suppliers and the clients of the registry. Each document is staged in RegSint and its lines added to
// `linhas` as it is converted, all in one transaction. A document that cannot be read or cannot go into
// the file is refused (ConverteDocumento, LeDocumentos): then RegSint is left as it was and `linhas` is
// not to be written. Returns the refusals. A database failure throws, RegSint rolled back.
QStringList ColetaMovimento(platform::db::Connection& movimento, platform::db::Connection& cadastro,
                            const ContextoConversao& contexto, const NomeTabelaMes& tabelaMes,
                            LinhasRegistros& linhas);

}  // namespace sintegra
