#pragma once

#include <memory>

#include "platform/ui/Form.h"

class QLabel;
class QPushButton;

namespace platform::controls {
class TDBList;
class XArrayDB;
}  // namespace platform::controls

namespace shell {

// The error list of a save ("Erros !!!"): every row of ListaErros, and the answer in Cancelado.
// A fatal row only lets the user acknowledge ("&Ok"); warnings alone let him save anyway ("&Sim")
// or not ("&Não"). The close box counts as a refusal.
class frmErros : public platform::ui::Dialog {
    Q_OBJECT
  public:
    explicit frmErros(QWidget* parent = nullptr);
    ~frmErros() override;

    platform::controls::TDBList* tdbErros;
    QLabel* lblQuestao;
    QPushButton* cmdOk;
    QPushButton* cmdSim;
    QPushButton* cmdNao;

    void cmdOk_Click();
    void cmdSim_Click();
    void cmdNao_Click();

  protected:
    void Form_Load() override;
    void showEvent(QShowEvent* event) override;

  private:
    std::unique_ptr<platform::controls::XArrayDB> erros_;
};

}  // namespace shell
