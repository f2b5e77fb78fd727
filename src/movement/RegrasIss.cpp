#include "movement/RegrasIss.h"

#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"

namespace movimento {

namespace values = platform::values;

QChar CodigoTipoIss(const QString& texto) {
    const int i = TiposIss.indexOf(texto);
    return QChar(u'0' + (i < 0 ? 3 : i));
}

qint64 NumeroDoc(const QString& texto) { return static_cast<qint64>(values::Val(texto)); }

namespace {
QString MensagemIss(Currency iss) {
    return QStringLiteral("Valor do ISS (R$ ") + values::Format(iss, u"####,##0.00") +
           QStringLiteral(") calculado não corresponde ao Valor da Nota x Alíquota");
}
}  // namespace

RegrasIss TestaRegrasIss(const DocumentoIss& d, bool modelo53) {
    RegrasIss r;
    const QString fatal = shell::ErroFatal.toString();
    const QString alerta = shell::AlertaErro.toString();
    auto erro = [&](const QString& severidade, const QString& mensagem) {
        r.erros.push_back({severidade, mensagem});
    };
    if (!d.datalan.isValid()) erro(fatal, QStringLiteral("Todo registro deve ter uma data !"));
    if (d.codserv.isEmpty()) erro(fatal, QStringLiteral("O Campo Código do Serviço é Obrigatório !"));
    if (d.serie.trimmed().isEmpty()) erro(fatal, QStringLiteral("O Campo Série é Obrigatório !"));
    if (d.docinicial.isEmpty()) erro(fatal, QStringLiteral("O Campo Número Inicial é Obrigatório !"));
    if (d.base.isZero()) erro(fatal, QStringLiteral("O Campo Valor da Nota é Obrigatório !"));
    if (const QString negativo = ColunaNegativa(d); !negativo.isEmpty()) erro(fatal, negativo);

    const Currency zero;
    const Currency V = d.base, A = d.aliq, I = d.iss, S = d.subempr, M = d.materiais;
    auto confere = [&](Currency base) {
        if (values::taxAmount(base, A) != I) erro(alerta, MensagemIss(I));
    };
    if (modelo53) {
        if (S > zero && M == zero) {
            confere(V - S);
        } else if (S == zero && M > zero) {
            confere(V - M);
        } else if (S == zero && M == zero) {
            confere(V);
        } else if (S > zero && M > zero) {
            if (V < S + M)
                erro(fatal, QStringLiteral(
                                "O Campo Valor da Nota é Menor que a Soma de S/Empreitadas + Materiais !"));
            else if (V == S + M)
                r.zeraIss = true;
            else if (values::taxAmount(V - (S + M), A) != I)
                erro(alerta, QStringLiteral("Valor do ISS (R$ ") + values::Format(I, u"####,##0.00") +
                                 QStringLiteral(") não é Válido !"));
        }
    } else if (d.tipo == QStringView(u"0")) {
        if (A == zero) erro(fatal, QStringLiteral("O Campo Alíquota é Obrigatório !"));
        confere(V);
    } else {
        r.zeraIss = true;
    }

    const qint64 inicio = NumeroDoc(d.docinicial), fim = NumeroDoc(d.docfinal);
    if (inicio > fim && fim > 0)
        erro(fatal, QStringLiteral("O Campo Número Final é Menor que o Número Inicial !"));
    return r;
}

std::optional<Currency> IssCalculado(const DocumentoIss& d, bool modelo53) {
    const Currency zero;
    const Currency V = d.base, A = d.aliq, S = d.subempr, M = d.materiais;
    if (!(A > zero)) return std::nullopt;
    if (!modelo53) return values::taxAmount(V, A);
    if (S > zero && M == zero) return values::taxAmount(V - S, A);
    if (S == zero && M > zero) return values::taxAmount(V - M, A);
    if (S == zero && M == zero) return values::taxAmount(V, A);
    if (S > zero && M > zero) return values::taxAmount(V - (S + M), A);
    return std::nullopt;
}

}  // namespace movimento
