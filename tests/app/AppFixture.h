#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

#include "app/MDIformTarvel.h"
#include "support/Drive.h"
#include "support/MessageScript.h"

namespace apptest {

// A program folder that a death test's parent and child share: the parent makes and fills it, and
// the child (a new run of this binary, started by the parent) finds it by the parent's process id and
// the test's name. The parent removes it.
class PastaPrograma {
  public:
    enum Conteudo { Vazia = 0, Ajuste = 1, Trabdados = 2, Movimento = 4, Tarvel = 8 };
    explicit PastaPrograma(int conteudo);
    ~PastaPrograma();

    QString path() const { return path_; }
    QString arquivo(const QString& nome) const { return path_ + nome; }
    bool existe(const QString& nome) const;
    bool ehPasta(const QString& nome) const;
    QString conexao() const;

  private:
    QString path_;
    bool dono_;
};

// A user row of the registry.
struct Usuario {
    int codigo;
    QString nome;
    QString senha;
    QString impressora = QStringLiteral("J");
    std::array<bool, 9> direitos{};
};

// The start-up on a program folder of its own (REDAZOR_DIR), with a message script; after each test
// the windows are destroyed, the print engine closed and the module state put back.
class AppTest : public ::testing::Test {
  protected:
    void TearDown() override;

    // Makes the program folder and points REDAZOR_DIR at it.
    void Prepara(int conteudo = PastaPrograma::Trabdados | PastaPrograma::Movimento | PastaPrograma::Tarvel);
    // Rows and the administrator's password in the folder's registry (each opens and closes its own
    // connection, so that a death test forks with none open).
    void CriaUsuario(const Usuario& u);
    void DefineSenhaAdm(const QString& senha);
    QString SenhaAdmGuardada();
    // The main window, made and loaded (the login included).
    app::MDIformTarvel& Inicia(app::TabelaJanelas janelas = {});
    app::MDIformTarvel& Cria(app::TabelaJanelas janelas = {});

    // A dialog handler that types `nome`, Tab, `senha` and Enter in the login (Enter moves onto OK,
    // which logs in).
    static std::function<void(QDialog&)> Entra(const QString& nome, const QString& senha);
    // Types a new administrator password twice and presses OK.
    static std::function<void(QDialog&)> NovaSenhaAdm(const QString& senha, const QString& confirmacao);

    std::unique_ptr<PastaPrograma> pasta;
    std::unique_ptr<testsupport::MessageScript> script = std::make_unique<testsupport::MessageScript>();
    std::unique_ptr<app::MDIformTarvel> janela;
};

}  // namespace apptest
