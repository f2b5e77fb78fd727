#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "companies/frmEmpresas.h"
#include "support/EmpresaGravada.h"
#include "support/RegistryWindowFixture.h"

namespace platform::controls {
class TDBList;
}

// The company window open on an installed program folder, with the company registry's report layouts.
class EmpresaFixture : public testsupport::RegistryWindowFixture {
  protected:
    void SetUp() override;

    // A company as another copy of the program wrote it: name, UF, situation A, empty masks.
    testsupport::DadosEmpresa Empresa(qint64 codigo, const QString& nome = QStringLiteral("Empresa"));
    // Inserts it and returns its automatic number.
    qint64 Insere(const testsupport::DadosEmpresa& e);
    qint64 Insere(qint64 codigo, const QString& nome = QStringLiteral("Empresa"));
    // Loads the company of `codigo` into the window.
    void Carrega(qint64 codigo);

    // Opens a child dialog of the company window through its button and runs `drive` on it; `drive`
    // must close it.
    void Abre(const QString& dialogo, const QString& botao, std::function<void(QDialog&)> drive);

    // The cells of a list, row by row, each row's cells joined by "|".
    static QStringList Linhas(platform::controls::TDBList* lista);
    // Clicks row `linha` of a list, as the user chooses it.
    static void EscolheLinha(platform::controls::TDBList* lista, int linha);
    // The error-list rows the next error dialog shows (its OK closes it).
    void EsperaErros(QStringList* linhas);

    Empresas::frmEmpresas* w = nullptr;
};
