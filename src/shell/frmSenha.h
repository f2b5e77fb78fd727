#pragma once

#include "platform/db/Connection.h"
#include "platform/ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

// The login: checks a user name and password, loads the user into the module state, and ends the
// program after three failed attempts or when the person gives up. Shown modal by AbreSessao.
class frmSenha : public platform::ui::Dialog {
    Q_OBJECT
  public:
    // The name box takes as many characters as a user's name may have, the password box a password's.
    static constexpr int TamanhoNome = 20;
    static constexpr int TamanhoSenha = 15;
    static constexpr int MaximoTentativas = 3;

    explicit frmSenha(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* txtlogin;
    QLabel* Label2;
    QLineEdit* txtsenha;
    QPushButton* cmdOk;
    QPushButton* cmdCancelar;
    QLabel* lblDatasys;

    int tentativas() const { return Tentativas; }

  public slots:
    void cmdOk_Click();
    void cmdOk_GotFocus();
    void cmdCancelar_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void Falhou(bool conta);
    void Entra();

    platform::db::Connection cn;
    unsigned char Tentativas = 0;
    bool EncerraAoFechar = true;
};

}  // namespace shell
