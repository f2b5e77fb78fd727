#include "registers/BlocoEndereco.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "platform/controls/MaskEdBox.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "registers/frmPesqMun.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/GeralConsultas.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/RotinasControles.h"

namespace registers {

namespace ui = platform::ui;
using platform::values::Trim;

BlocoEndereco::BlocoEndereco(QWidget& janela, Campos campos, Regras regras)
    : QObject(&janela), janela_(janela), c_(campos), regras_(std::move(regras)) {
    c_.cep->setMask(MascaraCep);
    ui::onLostFocus(c_.uf, this, &BlocoEndereco::txtUf_LostFocus);
    ui::onLostFocus(c_.cep, this, &BlocoEndereco::mskCep_LostFocus);
    if (c_.pesqMun) ui::onClick(c_.pesqMun, this, &BlocoEndereco::cmdPesqMun_Click);
    if (regras_.paisAoSairDoMunicipio) ui::onLostFocus(c_.cMun, this, &BlocoEndereco::txtCMun_LostFocus);
}

void BlocoEndereco::LimpaCep() {
    c_.cep->setPromptInclude(true);
    c_.cep->setMask(QString());
    c_.cep->setText(CepVazio);
    c_.cep->setMask(MascaraCep);
}

void BlocoEndereco::FocaSelecionando(QWidget* campo) {
    ui::setFocusTo(campo);
    Geral::SelecionaTexto(&janela_);
}

void BlocoEndereco::PoeBrasil() {
    c_.pais->setText(PaisBrasil);
    c_.cPais->setText(CodigoPaisBrasil);
}

// Eight digits make a postal code; "00000-000" is none. A stored value the clerk did not edit is
// neither checked again nor rewritten as the focus passes.
bool BlocoEndereco::CepRecusado() const {
    if (shell::CampoIntacto(c_.cep) || c_.cep->Text() == CepVazio) return false;
    const QString digitos = c_.cep->ClipText().remove(QLatin1Char(' '));
    return digitos.size() < 8 || c_.cep->Text() == QStringLiteral("00000-000");
}

void BlocoEndereco::TestaCep() const {
    if (CepRecusado())
        shell::AdicionaErro(
            shell::ErroFatal,
            QStringLiteral("CEP Inválido, digite os 8 dígitos corretamente ou deixe o campo vazio !"));
}

// Tab and Enter are sent back into a code that is not whole, without a word; a click goes where the
// clerk pointed, and the save refuses the code by name.
void BlocoEndereco::mskCep_LostFocus() {
    if (shell::CampoIntacto(c_.cep) || c_.cep->Text() == CepVazio) return;
    if (CepRecusado()) {
        if (!ui::leavingByChoice()) FocaSelecionando(c_.cep);
        return;
    }
    if (!c_.cMun) {
        if (regras_.aposCep) regras_.aposCep();
        return;
    }
    if (!regras_.inclusao()) return;
    c_.cMun->setText(Geral::CodigoMunicipio(c_.uf->text(), c_.cidade->text()));
    if (c_.cMun->text().isEmpty()) return;
    PoeBrasil();
    if (regras_.aposCep) regras_.aposCep();
}

void BlocoEndereco::txtUf_LostFocus() {
    if (shell::CampoIntacto(c_.uf)) return;
    if (!Trim(c_.uf->text()).isEmpty() && !Geral::ExisteUF(c_.uf->text())) {
        FocaSelecionando(c_.uf);
        ui::MsgBox(QStringLiteral("Sigla do Estado Inválido, digite corretamente ou deixe o campo vazio"),
                   ui::Msg::Critical, QStringLiteral("Erro"));
        return;
    }
    c_.uf->setText(c_.uf->text().toUpper());
}

void BlocoEndereco::txtCMun_LostFocus() {
    if (shell::CampoIntacto(c_.cMun)) return;
    if (c_.uf->text().compare(QStringLiteral("EX"), Qt::CaseInsensitive) == 0) return;
    if (!c_.pais->text().isEmpty() && !regras_.inclusao()) return;
    PoeBrasil();
}

// A known city and state confirm or fill the code; otherwise the municipality search opens.
void BlocoEndereco::cmdPesqMun_Click() {
    if (!regras_.aberto()) return;
    try {
        const QString cidade = c_.cidade->text();
        const QString uf = c_.uf->text();
        if (!Trim(cidade).isEmpty() && !Trim(uf).isEmpty()) {
            const QString codigo = Geral::CodigoMunicipio(uf, cidade);
            if (c_.cMun->text().size() == 7 && c_.cMun->text() == codigo) {
                ui::MsgBox(QStringLiteral("O código do Município ") + cidade + QLatin1Char('(') + uf +
                           QStringLiteral(") é ") + codigo + QStringLiteral(" e está correto !"));
                return;
            }
            if (!codigo.isEmpty() && c_.cMun->text().size() != 7) {
                c_.cMun->setText(codigo);
                PoeBrasil();
                return;
            }
        }
        Geral::TituloPesquisa = QStringLiteral("Pesquisa de Municípios");
        Geral::TabelaPesquisa = QStringLiteral("Municipios");
        Geral::CidadePesquisa = Trim(cidade);
        Geral::UfPesquisa = uf;
        frmPesqMun pesquisa(&janela_);
        ui::ShowModal(pesquisa);
        if (Geral::Cancelado) {
            Geral::Cancelado = false;
        } else {
            c_.cMun->setText(Geral::ChaveComum);
            c_.uf->setText(Geral::UfPesquisa);
            c_.cidade->setText(Geral::CidadePesquisa);
            ui::setFocusTo(c_.cMun);
            ui::postTab();
        }
    } catch (const platform::values::RuntimeError&) {
        // As the button always did: whatever failed, the code field gets the focus.
    }
    ui::setFocusTo(c_.cMun);
}

}  // namespace registers
