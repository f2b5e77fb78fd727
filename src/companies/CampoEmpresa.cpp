#include "companies/CampoEmpresa.h"

#include <QLineEdit>

#include "companies/RegrasEmpresa.h"
#include "companies/empresas_sql.h"
#include "companies/frmPesqJur.h"
#include "platform/ui/Focus.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "shell/ListaPesquisa.h"

namespace Empresas {

namespace {
QString NaoCadastrada(BotaoLista botao) {
    switch (botao) {
        case BotaoLista::Pesquisar:
            return QStringLiteral("Empresa Não Cadastrada, Utilize o Botão Pesquisar !");
        case BotaoLista::PesquisarLista:
            return QStringLiteral(
                "Empresa Não Cadastrada, Utilize o Botão Pesquisar para acionar uma lista de empresas !");
        case BotaoLista::Ativar:
            break;
    }
    return QStringLiteral(
        "Empresa Não Cadastrada, Utilize o Botão Ativar para acionar uma lista de empresas !");
}
}  // namespace

// Leading zeros are no digits of the number ("0007" is 7), whatever the field's length.
qint64 NumeroEmpresa(const QString& texto) {
    QStringView t = platform::values::TrimmedView(texto);
    while (t.size() > 1 && t.front() == u'0') t = t.mid(1);
    return ChaveNumerica(t.toString(), 18).value_or(0);
}

std::optional<platform::db::Recordset> LeEmpresaDoCampo(QLineEdit& campo, platform::db::Connection& db,
                                                        BotaoLista botao) {
    const qint64 numero = NumeroEmpresa(campo.text());
    if (numero <= 0) return std::nullopt;
    platform::db::Recordset empresa = LeEmpresa(db, numero);
    if (empresa.Eof()) {
        platform::ui::MsgBox(NaoCadastrada(botao), platform::ui::Msg::Exclamation,
                             QStringLiteral("Atenção..."));
        campo.clear();
        platform::ui::setFocusTo(&campo);
    }
    return empresa;
}

std::optional<QString> EscolheEmpresa(QWidget* janela) {
    frmPesqJur pesquisa(janela);
    return shell::AbrePesquisa(pesquisa, QStringLiteral("Pesquisa de Empresas"), QStringLiteral("Empresas"));
}

void PesquisaEmpresa(QWidget* campoCodigo) {
    try {
        shell::DevolveChave(campoCodigo, EscolheEmpresa(campoCodigo->window()));
    } catch (const platform::values::RuntimeError&) {
        platform::ui::setFocusTo(campoCodigo);
    }
}

}  // namespace Empresas
