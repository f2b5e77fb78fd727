#include "movement/RegrasDocumentoIcms.h"

#include "movement/LancamentoIcms.h"
#include "platform/controls/XArrayDB.h"
#include "platform/values/TextCompare.h"
#include "platform/values/Vb.h"
#include "registers/ChaveCgc.h"
#include "shell/ErrosLista.h"

namespace movimento {

using platform::values::Trim;

namespace {

QString digitos(QStringView texto) {
    QString d;
    for (QChar c : texto)
        if (c.isDigit()) d += c;
    return d;
}

// The largest rate an item may have.
const Currency AliquotaMaxima = Currency::fromRaw(999900);

}  // namespace

bool CodigoFiscalAdequado(bool entradas, bool mesmoEstado, QStringView cfop) {
    const QString d = digitos(cfop);
    if (d.isEmpty()) return !mesmoEstado;
    const QChar primeiro = cfop.isEmpty() ? QChar() : cfop.front();
    const int inicio = d.left(3).toInt();
    if (entradas) return mesmoEstado ? primeiro == u'1' : (primeiro != u'1' && inicio <= 500);
    return mesmoEstado ? primeiro == u'5' : (primeiro != u'5' && inicio >= 500);
}

bool MesmoEstado(QStringView uf, QStringView ufEmpresa) {
    return platform::values::equalText(Trim(uf), Trim(ufEmpresa));
}

QString UfForaDosEstados(bool entradas, QStringView cgc, QStringView uf,
                         const std::function<bool(const QString& uf)>& existeUf) {
    const QString letras = Trim(uf).toUpper();
    if (letras.isEmpty() || !existeUf || existeUf(letras)) return {};
    const QString quem = !CgcPreenchido(cgc) ? QStringLiteral("do documento")
                         : entradas          ? QStringLiteral("do fornecedor ") + cgc.toString()
                                             : QStringLiteral("do cliente ") + cgc.toString();
    return QStringLiteral(" A UF gravada ") + quem + QStringLiteral(", \"") + uf.toString() +
           QStringLiteral("\", não é sigla de Estado: digite a UF do documento.");
}

bool TemCodigoFiscal(QStringView cfop) { return !digitos(cfop).isEmpty(); }

QString CodigoFiscalProcurado(QStringView cfop) {
    return cfop.endsWith(u'_') ? cfop.left(4).toString() : cfop.toString();
}

const std::vector<QString>& EspeciesDocumento() {
    static const std::vector<QString> especies{"",    "ACT", "BP",  "BPA", "BPF", "BPR", "CA",  "CT",  "CTA",
                                               "CTF", "DT",  "DVS", "MC",  "NEE", "NF",  "NFC", "NFE", "NFP",
                                               "NFT", "NSC", "NTL", "OCC", "RMD", "ECF", "PDV", "CMR"};
    return especies;
}

bool EspecieValida(QStringView especie) {
    const QString procurada = Trim(especie);
    for (const QString& e : EspeciesDocumento())
        if (e == procurada) return true;
    return false;
}

QString NumeroDocumento(QStringView texto) {
    qsizetype i = 0;
    while (i < texto.size() && texto[i] == u' ') ++i;
    QString numero;
    for (; i < texto.size() && texto[i].isDigit(); ++i)
        if (!numero.isEmpty() || texto[i] != u'0') numero += texto[i];
    return numero;
}

bool CgcPreenchido(QStringView cgc) { return TemCodigoFiscal(cgc); }

std::vector<ErroDocumento> RegrasGravacao(const DocumentoIcms& doc, const DestinoDocumento& destino,
                                          const std::function<bool(const QString& cgc)>& cadastrado) {
    std::vector<ErroDocumento> erros;
    auto fatal = [&](const QString& mensagem) { erros.push_back({shell::ErroFatal, mensagem}); };
    Currency soma;
    for (const ItemIcms& item : doc.itens) {
        const Currency linha = item.base + item.isento + item.outros;
        if (item.aliquota > AliquotaMaxima)
            fatal("Alíquota de ICMS não pode ser maior que 99,9999 %, Verifique");
        if (linha > Currency()) {
            soma += linha;
            if (platform::values::taxAmount(item.base, item.aliquota) != item.icms)
                erros.push_back({shell::AlertaErro, "Valor do ICMS (" +
                                                        platform::values::Format(item.icms, u"####,##0.00") +
                                                        ") calculado não corresponde a BASE x Alíquota"});
        }
    }
    const bool ipiEmbutido = Trim(doc.tipolan) == u"99";
    soma += doc.fonteicms;
    if (!ipiEmbutido) soma += doc.valripi;
    if (doc.vlrcontabil != soma)
        fatal(ipiEmbutido
                  ? "Erro de Soma, IPI embutido: Valor Contábil = Base ICMS + Isentas + Outras + ICMS Fonte"
                  : "Erro de Soma: Valor Contábil = Base ICMS + Isentas + Outras + ICMS Fonte + IPI");
    if (doc.vlrcontabil.isZero()) fatal("Um registro não pode ser gravado sem valor contábil !");
    if (const QString negativo = ColunaNegativa(doc); !negativo.isEmpty()) fatal(negativo);
    if (!doc.datalan.isValid()) fatal("Todo registro deve ter uma data !");
    if (destino.periodo.isValid()) {
        const QDate ultimo = destino.periodo.addDays(destino.periodo.daysInMonth() - destino.periodo.day());
        if (!doc.demiss.isValid() && destino.entradas)
            fatal("Data de emissão ausente");
        else if (doc.demiss > ultimo)
            fatal("Data de emissão posterior ao período");
    }
    if (CgcPreenchido(doc.cgc)) {
        // One not found that is no CNPJ or CPF at all says what the field needs.
        if (!cadastrado(doc.cgc))
            fatal(registers::ReescreveCgc(doc.cgc).tipo == registers::TipoChave::Invalida
                      ? "CNPJ/CPF Inválido, digite os 14 dígitos do CNPJ ou os 11 do CPF !"
                      : "O CNPJ/CPF utilizado no lançamento não foi cadastrado !");
    } else if (destino.entradas) {
        fatal("O campo CNPJ/CPF é de preenchimento obrigatório !");
    }
    if (!CodigoFiscalAdequado(destino.entradas, MesmoEstado(doc.uf, destino.uf), doc.codfiscal))
        fatal("Código fiscal inadequado !" +
              UfForaDosEstados(destino.entradas, doc.cgc, doc.uf, destino.existeUf));
    if (Trim(doc.docinicial).isEmpty()) fatal("O Campo Número Inicial é Obrigatório !");
    if (!TemCodigoFiscal(doc.codfiscal)) fatal("Todo registro deve ter código fiscal !");
    return erros;
}

std::vector<ItemGrade> ItensParaGravar(const platform::controls::XArrayDB& itens) {
    std::vector<ItemGrade> lista;
    for (int r = itens.LowerBound(1); r <= itens.UpperBound(1); ++r) {
        auto celula = [&](int coluna) {
            const int c = itens.LowerBound(2) + coluna;
            return c <= itens.UpperBound(2) ? itens.Value(r, c) : QVariant();
        };
        lista.push_back({{LeCelula(celula(ColunaItem::Base)), LeCelula(celula(ColunaItem::Aliquota)),
                          LeCelula(celula(ColunaItem::Icms)), LeCelula(celula(ColunaItem::Isento)),
                          LeCelula(celula(ColunaItem::Outros))},
                         Trim(TextoDaCelula(celula(ColunaItem::Tipo)))});
    }
    return lista;
}

}  // namespace movimento
