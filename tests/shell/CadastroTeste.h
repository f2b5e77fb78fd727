#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "shell/JanelaCadastro.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform::controls {
class TDBList;
}

// A register of the plainest shape, for the frame's tests: the table "Teste" (numeric code, a
// description) that each test creates in its temporary registry database.
class frmCadastroTeste : public platform::ui::Form {
    Q_OBJECT
  public:
    frmCadastroTeste();
    ~frmCadastroTeste() override;

    // The table the window edits.
    static void CriaTabela(const QString& conexao);

    QLineEdit* txtCodigo;
    QLineEdit* txtDescri;
    platform::controls::TDBList* tdbTeste;
    QLabel* lblCodigo;
    QLabel* lblDescri;
    QPushButton* cmdGravar;
    QPushButton* cmdApagar;
    QPushButton* cmdCancelar;
    QPushButton* cmdImprimir;
    QPushButton* cmdSair;
    platform::ui::LabelArray lblTit;

    // Extra rules the next saves break, in order (severity, message).
    std::vector<std::pair<QString, QString>> regrasExtras;
    // Run as each save's rules start.
    std::function<void()> antesDasRegras;

    shell::JanelaCadastro& cadastro();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    class Cadastro;
    Cadastro* cadastro_;
};
