#pragma once

#include <QString>
#include <QStringList>

#include "platform/db/Connection.h"

// The statements of the suppliers' and clients' registers (ForGeral, CliGeral) and of the dual-insertion
// default in Parametros. Every value is bound; the table name, which cannot be, must be one of the two
// registers (any other is a run-time error, so no text of a caller ever becomes SQL).
namespace registers::forcli {

inline const QString Fornecedores = QStringLiteral("ForGeral");
inline const QString Clientes = QStringLiteral("CliGeral");

// One party, every column as the window shows it (a null column as "").
struct Parceiro {
    QString cgc, nome, ie, endereco, numero, complemento, bairro, cidade, uf, cep, CodMun, xPais, cPais;
    friend bool operator==(const Parceiro&, const Parceiro&) = default;
};

// "ForGeral" or "CliGeral" spelt as the program spells them, for a name in any letter case;
// throws a run-time error for any other name.
QString TabelaValida(const QString& tabela);

// The row of `tabela` whose cgc is `cgc` (all columns), as a recordset.
platform::db::Recordset Procura(platform::db::Connection& cn, const QString& tabela, const QString& cgc);
// The party of the current row of a recordset over all columns.
Parceiro LeParceiro(const platform::db::Recordset& rs);
// Whether `tabela` holds a row with that cgc.
bool Existe(platform::db::Connection& cn, const QString& tabela, const QString& cgc);

// Inserts `p` into `tabela`.
void Inclui(platform::db::Connection& cn, const QString& tabela, const Parceiro& p);
// Inserts `p` into CliGeral and then into ForGeral, in one transaction: both rows or neither.
void IncluiDupla(platform::db::Connection& cn, const Parceiro& p);
// Rewrites every column but the key of the row of `tabela` with p.cgc.
void Altera(platform::db::Connection& cn, const QString& tabela, const Parceiro& p);
// Deletes the row of `tabela` with that cgc (the other register is left alone).
void Exclui(platform::db::Connection& cn, const QString& tabela, const QString& cgc);

// The dual-insertion default of Parametros; false when the table has no row.
bool LeInclusaoDupla(platform::db::Connection& cn);
// Stores it on every row of Parametros.
void GravaInclusaoDupla(platform::db::Connection& cn, bool valor);

// cgc and nome of every row of `tabela`, for the print, ordered by cgc (a fixed order for the page).
platform::db::Recordset Impressao(platform::db::Connection& cn, const QString& tabela);

// The rows of the CNPJ/CPF search: cgc, nome, ie, uf (the order of its list's columns) of every row
// of `tabela`, ordered by cgc.
platform::db::Recordset Pesquisa(platform::db::Connection& cn, const QString& tabela);

}  // namespace registers::forcli
