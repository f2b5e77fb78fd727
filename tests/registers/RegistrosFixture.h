#pragma once

#include <QString>
#include <vector>

#include "platform/db/Connection.h"
#include "support/RegistryWindowFixture.h"

// One party of ForGeral or CliGeral, every column as text (a null column as "").
struct Parceiro {
    QString cgc, nome, ie, endereco, numero, complemento, bairro, cidade, uf, cep, CodMun, xPais, cPais;
    friend bool operator==(const Parceiro&, const Parceiro&) = default;
};
void InsereParceiro(platform::db::Connection& db, const QString& tabela, const Parceiro& p);
// A party with the columns a test needs; the others empty.
inline Parceiro Parte(const QString& cgc, const QString& nome, const QString& uf = {},
                      const QString& ie = {}) {
    Parceiro p;
    p.cgc = cgc, p.nome = nome, p.uf = uf, p.ie = ie;
    return p;
}
Parceiro LeParceiro(platform::db::Connection& db, const QString& tabela, const QString& cgc);

// A window test of the general registers: a fresh installed program folder whose registry the module
// state names, its own connection to check the rows, and the report layouts of the registers.
class RegistrosFixture : public testsupport::RegistryWindowFixture {
  protected:
    void SetUp() override;

    // The text of one column of the row of `tabela` whose `chave` column is `valor` ("<nenhum>" when
    // there is no such row).
    QString Coluna(const QString& tabela, const QString& chave, const QString& valor, const QString& coluna);
    long Conta(const QString& tabela);
};
