#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

// The statements of the people a company keeps: its partners (Socios, with their INSS classes in
// ClasseSoc) and its third parties (Terceiros, with ClasseTer). Both families have one shape, so each
// statement takes the family it works on. Every value is bound.
namespace partners {

// A family of people: its table, the table of its INSS class history and that table's owner column.
struct FamiliaPessoa {
    QString tabela;
    QString tabelaClasse;
    QString colunaDono;
};

const FamiliaPessoa& FamiliaSocios();
const FamiliaPessoa& FamiliaTerceiros();

// The company's people for the list, in the table's order: each row its codauto and its name (a null
// name as empty text).
std::vector<QStringList> ListaPessoas(platform::db::Connection& db, const FamiliaPessoa& familia,
                                      qint64 codempr);

// The person `codauto` of the company `codempr` (every column), or an empty recordset.
platform::db::Recordset LePessoa(platform::db::Connection& db, const FamiliaPessoa& familia, qint64 codempr,
                                 qint64 codauto);

// Deletes the person with its class history, in one transaction: a failure deletes nothing.
void ApagaPessoa(platform::db::Connection& db, const FamiliaPessoa& familia, qint64 codauto);

// The class a person contributes in from `inicio` on.
struct ClasseInss {
    QDate inicio;
    qint64 classe = 0;
};

// The person's newest class row, if any.
std::optional<ClasseInss> ClasseAtual(platform::db::Connection& db, const FamiliaPessoa& familia,
                                      qint64 codauto);

// The person's class rows for the history list, newest first: the date "dd/mm/yyyy" and the class.
std::vector<QStringList> HistoricoClasse(platform::db::Connection& db, const FamiliaPessoa& familia,
                                         qint64 codauto);

// The list row of the person's class row of `inicio` as the table holds it (empty when missing).
QStringList LinhaClasse(platform::db::Connection& db, const FamiliaPessoa& familia, qint64 codauto,
                        const QDate& inicio);

}  // namespace partners
