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

// The contributors of the program, by name and e-mail address (no one is named yet), with the thanks
// text. A header click sorts the list by that column as text, ascending; a right click descending.
class frmColaboradores : public platform::ui::Form {
    Q_OBJECT
  public:
    static constexpr int ColunaNome = 0;
    static constexpr int ColunaEmail = 1;

    explicit frmColaboradores(QWidget* parent = nullptr);
    ~frmColaboradores() override;

    platform::controls::TDBList* tdbColaboradores;
    QLabel* lblDisclaimer;
    QPushButton* cmdSair;

    // The rows the list shows.
    platform::controls::XArrayDB& Colaboradores() { return *colaboradores_; }

    void tdbColaboradores_HeadClick(int ColIndex);
    void tdbColaboradores_HeadRightClick(int ColIndex);
    void cmdSair_Click();

  protected:
    void Form_Load() override;

  private:
    void Ordena(int coluna, int ordem);
    std::unique_ptr<platform::controls::XArrayDB> colaboradores_;
};

}  // namespace shell
