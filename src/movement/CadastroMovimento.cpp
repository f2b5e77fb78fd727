#include "movement/CadastroMovimento.h"

#include <QLineEdit>

#include "movement/EmpresaPeriodo.h"
#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBDate.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastroCampos.h"

namespace movimento {

CadastroMovimento::CadastroMovimento(QWidget& janela, shell::DefinicaoCadastro definicao,
                                     platform::controls::MaskEdBox* codigo)
    : JanelaCadastro(janela, std::move(definicao)), codigo_(codigo) {}

std::optional<QString> CadastroMovimento::ChaveAceita(const QString& /*texto*/) {
    const QString codigo = Geral::Zeros(codigo_->ClipText(), 6);
    codigo_->setText(codigo);
    if (codigo == QLatin1String("000000")) {
        LimpaMask();
        FocaChave();
        return std::nullopt;
    }
    return QString::number(static_cast<qint64>(platform::values::Val(codigo)));
}

void CadastroMovimento::EsvaziaChave() {
    codigo_->setMask(QStringLiteral("######"));
    codigo_->setText(QString());
}

void CadastroMovimento::AvisaNaoCadastrado() {
    platform::ui::MsgBox(QStringLiteral("Lançamento não cadastrado, Utilize o botão Novo ou \"Alt + N\" "
                                        "para novos lançamentos !"),
                         platform::ui::Msg::Exclamation, QStringLiteral("Atenção..."));
    Botao(shell::Ocioso);
}

void CadastroMovimento::AjustaEmpresa(shell::EstadoCadastro estado, QLineEdit* codigo,
                                      platform::controls::TDBDate* periodo, const EmpresaPeriodo& empresa) {
    switch (estado) {
        case shell::Ocioso:
            codigo->setText(QString::number(empresa.CodigoEmpresa()));
            shell::HabilitaCampo(codigo, true);
            periodo->setValue(empresa.Periodo());
            shell::HabilitaCampo(periodo, false);
            break;
        case shell::Carregado:
        case shell::Novo:
            codigo->setEnabled(false);
            platform::controls::setBackColor(codigo, platform::controls::menuColor());
            periodo->setEnabled(false);
            platform::controls::setBackColor(periodo, platform::controls::menuColor());
            break;
        case shell::SemEmpresa:
            shell::HabilitaCampo(codigo, true);
            periodo->clear();
            shell::HabilitaCampo(periodo, false);
            break;
    }
}

}  // namespace movimento
