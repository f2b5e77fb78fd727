#include "movement/CadastroMovimento.h"

#include "platform/controls/MaskEdBox.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/Geral.h"

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

}  // namespace movimento
