#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

#include "support/RegistryWindowFixture.h"

namespace platform::controls {
class TDBList;
}

// A test of the partners' and third parties' windows on an installed program folder.
class PessoaFixture : public testsupport::RegistryWindowFixture {
  protected:
    // A company as another copy of the program wrote it; returns its automatic number.
    qint64 Empresa(qint64 codigo, const QString& nome = QStringLiteral("Empresa"));
    // A person of `tabela` under the company `codempr`; returns its automatic number.
    qint64 Pessoa(const QString& tabela, qint64 codempr, const QString& nome);
    // A class row of a person.
    void Classe(const QString& tabela, const QString& colunaDono, qint64 dono, const QDate& data, int classe);

    // The cells of a list, row by row, each row's cells joined by "|".
    static QStringList Linhas(platform::controls::TDBList* lista);
    // Clicks row `linha` of a list, as the user chooses it.
    static void EscolheLinha(platform::controls::TDBList* lista, int linha);
    // The error-list rows the next error dialog shows (its OK closes it).
    void EsperaErros(QStringList* linhas);
};
