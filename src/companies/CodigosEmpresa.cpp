#include "companies/CodigosEmpresa.h"

namespace Empresas {

namespace {

const QString Branco = QStringLiteral(" ");

std::vector<Entrada> comCodigos(std::initializer_list<Entrada> entradas) { return entradas; }

// Lists whose entries store their own caption.
std::vector<Entrada> legendas(std::initializer_list<const char*> textos) {
    std::vector<Entrada> r;
    for (const char* t : textos) r.push_back({QString::fromUtf8(t), QString::fromUtf8(t)});
    return r;
}

// The value stored when no entry is chosen.
QString semEscolha(Lista lista) {
    switch (lista) {
        case Lista::TipoEmpresa:
        case Lista::Situacao:
        case Lista::TpIss:
            return QString();
        default:
            return Branco;
    }
}

}  // namespace

const std::vector<Entrada>& Entradas(Lista lista) {
    static const std::vector<Entrada> tipoEmpresa =
        legendas({" ", "Sociedade Mista", "Sociedade Comercial", "Sociedade Civil", "Firma Individual",
                  "Autônomo", "Entidade Sem Fins Lucrativos", "S/A Capital Fechado", "S/A Capital Aberto"});
    static const std::vector<Entrada> situacao =
        comCodigos({{" ", " "}, {"Ativo", "A"}, {"Inativo", "I"}, {"1", "1"}, {"2", "2"}, {"3", "3"}});
    static const std::vector<Entrada> tpEscri = comCodigos({{" ", " "},
                                                            {"Comércio", "C"},
                                                            {"Indústria", "I"},
                                                            {"Micro Empresa", "M"},
                                                            {"ECF", "E"},
                                                            {"Prestação de Serviço", "P"}});
    static const std::vector<Entrada> tpIpi = comCodigos({{" ", " "}, {"Mensal", "M"}, {"Decendial", "D"}});
    static const std::vector<Entrada> tpIss = comCodigos({{"", ""}, {"Mod.51", "51"}, {"Mod.53", "53"}});
    static const std::vector<Entrada> icms =
        comCodigos({{" ", " "}, {"Estimativa", "E"}, {"RPA", "R"}, {"CEC", "C"}});
    static const std::vector<Entrada> grIcms =
        comCodigos({{" ", " "}, {"1 Mês Após", "1"}, {"2 Mêses Após", "2"}});
    static const std::vector<Entrada> sp = comCodigos(
        {{" ", " "}, {"Desenquadrado", "D"}, {"Micro Empresa", "M"}, {"EPP/A", "A"}, {"EPP/B", "B"}});
    switch (lista) {
        case Lista::TipoEmpresa:
            return tipoEmpresa;
        case Lista::Situacao:
            return situacao;
        case Lista::TpEscri:
            return tpEscri;
        case Lista::TpIpi:
            return tpIpi;
        case Lista::TpIss:
            return tpIss;
        case Lista::Icms:
            return icms;
        case Lista::GrIcms:
            return grIcms;
        case Lista::Sp:
            break;
    }
    return sp;
}

QString CodigoDe(Lista lista, int indice) {
    const auto& entradas = Entradas(lista);
    if (indice < 0 || indice >= int(entradas.size())) return semEscolha(lista);
    return entradas[std::size_t(indice)].codigo;
}

QString CodigoDaLegenda(Lista lista, const QString& legenda) {
    const auto& entradas = Entradas(lista);
    for (std::size_t i = 0; i < entradas.size(); ++i)
        if (entradas[i].legenda == legenda) return CodigoDe(lista, int(i));
    return CodigoDe(lista, -1);
}

int IndiceDe(Lista lista, const QString& codigo) {
    const auto& entradas = Entradas(lista);
    for (std::size_t i = 0; i < entradas.size(); ++i)
        if (entradas[i].codigo == codigo) return int(i);
    for (std::size_t i = 0; lista == Lista::Situacao && i < entradas.size(); ++i)
        if (entradas[i].legenda == codigo) return int(i);
    if (lista == Lista::Situacao || lista == Lista::TipoEmpresa) return -1;
    return 0;
}

QString MascaraVazia(const QString& mascara) {
    QString r = mascara;
    r.replace(u'#', u'_');
    return r;
}

QString CnaeParaTela(const QString& cnae) {
    if (cnae.size() != 5) return cnae;
    if (cnae == QStringLiteral("_____")) return cnae + QStringLiteral("-__");
    return cnae + QStringLiteral("-00");
}

}  // namespace Empresas
