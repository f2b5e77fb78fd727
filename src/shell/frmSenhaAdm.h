#pragma once

#include "platform/db/Connection.h"
#include "platform/ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

// Asks for the built-in administrator's password, typed twice, and stores its salted hash in the
// registry, with the office's name (optional, printed on the company listings). Accepted once a
// password is stored; Cancel stores nothing.
class frmSenhaAdm : public platform::ui::Dialog {
    Q_OBJECT
  public:
    static constexpr int TamanhoSenha = 15;
    static constexpr int TamanhoEscritorio = 60;

    // `conexao`: the registry connection string; the dialog opens its own connection with it.
    explicit frmSenhaAdm(const QString& conexao, QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* txtSenha;
    QLabel* Label2;
    QLineEdit* txtConfirmacao;
    QLabel* Label3;
    QLineEdit* txtEscritorio;
    QPushButton* cmdOk;
    QPushButton* cmdCancelar;

  public slots:
    void cmdOk_Click();
    void cmdCancelar_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void Recusa(const QString& mensagem);

    QString conexao_;
    platform::db::Connection cn;
};

}  // namespace shell
