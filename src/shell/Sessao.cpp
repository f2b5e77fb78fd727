#include "shell/Sessao.h"

#include <array>

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

}  // namespace shell
