#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <vector>

#include "platform/db/Connection.h"
#include "sintegra/GeracaoSintegra.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

// What one taken slot of a document gives in the file: its number and its amounts in cents.
struct ValoresSlot {
    qint64 numero, base, icms, isento, outros;
    friend auto operator<=>(const ValoresSlot&, const ValoresSlot&) = default;
};

// A program folder with company 7, its suppliers and clients, and movement databases written document
// by document; the amounts of every taken slot are kept to be found again in the file.
class SintegraFixture : public testsupport::UiFixture {
  protected:
    using Itens = std::vector<std::array<const char*, 5>>;  // base, icms, isento, outros, aliquota

    void SetUp() override;
    void TearDown() override;

    // A document of the movement database of company 7 and the year of `datalan`, in the entries or exits
    // table of its month; `demiss` "" leaves the issue date empty. Its valor contábil is the sum of its
    // taken slots and `ipi`.
    void documento(bool saida, const char* datalan, const char* demiss, const char* especie, const char* cgc,
                   const char* uf, const char* numero, const char* cfop, const Itens& itens,
                   const char* ipi = "0");
    // Runs a statement on the movement database of company 7 and `ano`, created when missing.
    void executa(int ano, const QString& sql, const platform::db::Params& params = {});
    // A party in "ForGeral" or "CliGeral".
    void participante(const char* tabela, const char* cgc, const char* ie);

    sintegra::PedidoSintegra pedido(const QDate& inicio, const QDate& fim) const;
    sintegra::ResultadoGeracao gera(const sintegra::PedidoSintegra& p);
    QByteArray arquivo(const QString& nome = "SINT007") const;
    // The rows of the error list, in order.
    QStringList erros() const;
    // The next error list shown is closed with its OK button.
    void esperaErros();
    long linhasRegSint();

    testsupport::TempProgramFolder folder;
    platform::db::Connection cadastro;
    platform::db::Connection movimento;
    sintegra::AcessoMovimento acesso;
    std::vector<ValoresSlot> esperados;
};
