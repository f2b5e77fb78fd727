#include "shell/Sessao.h"

#include <array>

#include "platform/db/Connection.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/SenhaAdm.h"
#include "shell/usuarios_sql.h"

namespace shell {

namespace {
// The items the administrator does not get; a disabled menu takes its whole submenu with it.
constexpr std::array<QStringView, 8> ItensDeTrabalho = {
    u"mnuEmpresas",    u"mnuSocios", u"mnuTerceiros", u"mnuEscrita",
    u"mnuIntegracoes", u"mnuLivros", u"mnuEtiq",      u"mnuRelatorios",
};
constexpr QStringView ItemAjuste = u"mnuAjuste";
constexpr int BotaoMudarUsuario = 12;
}  // namespace

bool EhAdministrador(const QString& usuario) { return usuario == Administrador; }

bool ItemLiberado(QStringView item, const QString& usuario) {
    const bool administrador = EhAdministrador(usuario);
    if (item == ItemAjuste) return administrador;
    for (QStringView t : ItensDeTrabalho)
        if (item == t) return !administrador;
    return true;
}

bool BotaoLiberado(int indice, const QString& usuario) {
    return !EhAdministrador(usuario) || indice == BotaoMudarUsuario;
}

QString TituloPrincipal(const QString& usuario) {
    return QStringLiteral("Redazor Tarvel - Zelmor Informática Vs.") + QStringLiteral(RT_VERSION) +
           QStringLiteral(" - Usuário: ") + usuario;
}

ResultadoLogin ConfereLogin(platform::db::Connection& cn, const QString& nome, const QString& senha) {
    ResultadoLogin r;
    if (nome == Administrador) {
        const QString hash = LeSenhaAdm(cn);
        if (hash.isEmpty()) {
            r.acesso = Acesso::SemSenhaAdm;
            return r;
        }
        if (ConfereSenhaAdm(senha, hash)) {
            r.acesso = Acesso::Administrador;
            r.nome = Administrador.toString();
            return r;
        }
    }
    if (senha.isEmpty() || nome.isEmpty()) {
        r.acesso = Acesso::Vazio;
        return r;
    }
    auto rs = usuarios::PorNomeTodos(cn, nome);
    for (; !rs.Eof(); rs.MoveNext())
        if (ConfereSenhaUsuario(senha, rs.Fields(QStringLiteral("senha")).toString())) break;
    if (rs.Eof()) return r;
    r.codigo = rs.Fields(QStringLiteral("codigo")).toLongLong();
    if (FormaAntiga(rs.Fields(QStringLiteral("senha")).toString()))
        usuarios::GravaForma(cn, r.codigo, HashSenhaAdm(senha));
    r.acesso = Acesso::Usuario;
    r.nome = rs.Fields(QStringLiteral("nome")).toString();
    r.impressora = rs.Fields(QStringLiteral("Impressora")).toString();
    for (std::size_t i = 0; i < r.direitos.size(); ++i)
        r.direitos[i] = rs.Fields(QString::fromLatin1(Geral::ColunasDireitos[i])).toBool();
    return r;
}

void AbreCadastro(platform::db::Connection& cn, const QString& conexao) {
    cn.Open(conexao);
    cn.OpenRecordset(QStringLiteral("SELECT nome, senha, impressora FROM usuarios WHERE 0 = 1"));
    cn.OpenRecordset(QStringLiteral("SELECT senha_adm FROM Parametros WHERE 0 = 1"));
}

void FalhaCadastro(long numero, const QString& descricao) {
    platform::ui::MsgBox(
        QStringLiteral("Trabdados.mdb não pode ser aberto (erro número ") + QString::number(numero) +
            QStringLiteral(" ") + descricao + QStringLiteral("), Sistema Encerrado !"),
        platform::ui::Msg::OKOnly + platform::ui::Msg::Critical, QStringLiteral("Erro Fatal"));
    platform::ui::EndProgram(platform::ui::FatalErrorExitCode);
}

}  // namespace shell
