#pragma once

#include <QString>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/report/PageModel.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

// A window test of the general registers: a fresh installed program folder whose registry the module
// state names, its own connection to check the rows, and the report layouts of the registers.
class RegistrosFixture : public testsupport::UiFixture {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The text of one column of the row of `tabela` whose `chave` column is `valor` ("<nenhum>" when
    // there is no such row).
    QString Coluna(const QString& tabela, const QString& chave, const QString& valor, const QString& coluna);
    long Conta(const QString& tabela);
    // The documents of the previews shown so far in the shared preview window.
    std::vector<platform::report::Document> Previas() const;
    QString CaptionPrevia() const;

    testsupport::TempProgramFolder pasta;
    platform::db::Connection db;
};
