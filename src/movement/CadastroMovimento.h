#pragma once

#include <QString>
#include <optional>

#include "shell/JanelaCadastro.h"

class QLineEdit;

namespace platform::controls {
class MaskEdBox;
class TDBDate;
}  // namespace platform::controls

namespace movimento {

class EmpresaPeriodo;

// The record-window frame as both movement windows use it: the record code is shown in six digits
// ("0" empties it and keeps the focus there), and a code that names no document is told, since new
// documents come only from Novo.
class CadastroMovimento : public shell::JanelaCadastro {
  public:
    CadastroMovimento(QWidget& janela, shell::DefinicaoCadastro definicao,
                      platform::controls::MaskEdBox* codigo);

    using JanelaCadastro::FocaChave;
    using JanelaCadastro::IniciaInclusao;

  protected:
    std::optional<QString> ChaveAceita(const QString& texto) override;
    void EsvaziaChave() override;
    // Tells that the typed code is no document and returns the window to idle.
    void AvisaNaoCadastrado();
    // The company code and period fields in `estado`: editable code and the open company and period
    // when idle, both locked grey while a document is open, emptied when no company is open.
    static void AjustaEmpresa(shell::EstadoCadastro estado, QLineEdit* codigo,
                              platform::controls::TDBDate* periodo, const EmpresaPeriodo& empresa);

  private:
    platform::controls::MaskEdBox* codigo_;
};

}  // namespace movimento
