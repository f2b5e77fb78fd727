#pragma once

#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"

class QLineEdit;
class QPushButton;

namespace platform::controls {
class MultiLineText;
class TDBDate;
class TDBList;
class TDBNumber;
}  // namespace platform::controls

namespace shell {
class JanelaCadastro;
}

namespace Empresas {

class CadastroContrato;

// "Alterações no Contrato Social": the contract changes of the company whose automatic number the
// company window put into ChaveComum, each on its registration date with its registration number,
// the capital after the change and a short account. Every save and delete sets Alterado.
class frmCsocial : public platform::ui::Dialog {
    Q_OBJECT
  public:
    // The list's columns.
    static constexpr int ColunaData = 0;
    static constexpr int ColunaRegistro = 1;
    static constexpr int ColunaCapital = 2;
    static constexpr int ColunaRelato = 3;

    explicit frmCsocial(QWidget* parent = nullptr);
    ~frmCsocial() override;

    platform::controls::TDBDate* tdbDregistro;
    QLineEdit* txtnregistro;
    platform::controls::TDBNumber* TDBcapital;
    platform::controls::MultiLineText* txtBrelato;
    platform::controls::TDBList* tdbCSocial;
    platform::ui::LabelArray lblTit;
    QPushButton* cmdGravar;
    QPushButton* cmdApagar;
    QPushButton* cmdCancelar;
    QPushButton* cmdSair;

    shell::JanelaCadastro& Cadastro();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    CadastroContrato* cadastro_;
};

}  // namespace Empresas
