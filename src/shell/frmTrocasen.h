#pragma once

#include <QString>

#include "platform/db/Connection.h"
#include "platform/db/Field.h"
#include "platform/ui/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

// The password change of the user whose code is in ChaveComum, modal: the old password is checked
// as its box is left (the third wrong one in a row closes the dialog), then the new one, typed twice,
// is stored with today's date. Cancelado is false afterwards only when the new password was stored.
class frmTrocasen : public platform::ui::Dialog {
    Q_OBJECT
  public:
    static constexpr int TamanhoSenha = 15;
    static constexpr int MaximoTentativas = 3;

    explicit frmTrocasen(QWidget* parent = nullptr);

    QGroupBox* Frame2;
    QLineEdit* txtsenha;
    QGroupBox* Frame1;
    QLineEdit* txtNova;
    QLineEdit* txtConfirma;
    QPushButton* cmdGravar;
    QPushButton* cmdCancelar;
    QLabel* lblAlt;
    QLabel* lblData;

    // Wrong old passwords in a row so far.
    int Tentativas() const { return tentativas_; }

    void txtsenha_LostFocus();
    void cmdGravar_Click();
    void cmdCancelar_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    bool SenhaConfere() const;

    platform::db::Connection cn;
    qint64 codigo_ = 0;
    // The stored form of the user's password as read on load (null: none stored).
    bool semSenha_ = false;
    QString senha_;
    int tentativas_ = 0;
};

}  // namespace shell
