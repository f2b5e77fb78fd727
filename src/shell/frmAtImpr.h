#pragma once

#include <QString>

#include "platform/db/Connection.h"
#include "platform/ui/Form.h"
#include "shell/OpcoesImpressora.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace shell {

// The logged-in user's printer kind: shows the kind stored in his row and stores the one chosen in
// that row and in TipoImpressora, which the book prints read at once.
class frmAtImpr : public platform::ui::Form {
    Q_OBJECT
  public:
    explicit frmAtImpr(QWidget* parent = nullptr);

    QLabel* lblTit;
    QLabel* lblUsuario;
    QGroupBox* fraImp;
    QRadioButton* OptIj;
    QRadioButton* optIm;
    QRadioButton* optIl;
    QRadioButton* optIn;
    QPushButton* cmdGravar;
    QPushButton* cmdSair;

    // The letter of the option selected: "M", "J", "L", or "S" when none of those three is.
    QString LetraEscolhida() const;

    void cmdGravar_Click();
    void cmdSair_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& Cancel) override;

  private:
    void MostraLetra(const QString& letra);
    OpcoesImpressora Opcoes() const;
    platform::db::Connection cn;
};

}  // namespace shell
