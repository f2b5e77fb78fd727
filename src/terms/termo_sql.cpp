#include "terms/termo_sql.h"

#include "platform/values/Vb.h"
#include "shell/Geral.h"

namespace terms {

using platform::db::Param;
using platform::db::Transaction;

const std::vector<ColunaTermo>& ColunasTermo() {
    static const std::vector<ColunaTermo> colunas{
        {QStringLiteral("Resp"), Forma::Texto},        {QStringLiteral("Cpf"), Forma::Texto},
        {QStringLiteral("ESRegN"), Forma::Texto},      {QStringLiteral("ESOrg"), Forma::Texto},
        {QStringLiteral("ESDatArq"), Forma::Data},     {QStringLiteral("ESP1a"), Forma::Modelo},
        {QStringLiteral("ESP1"), Forma::ModeloOposto}, {QStringLiteral("EPriFol"), Forma::Zeros4},
        {QStringLiteral("EUltFol"), Forma::Zeros4},    {QStringLiteral("ENOrd"), Forma::Zeros4},
        {QStringLiteral("EIniReg"), Forma::Data},      {QStringLiteral("EFimReg"), Forma::Data},
        {QStringLiteral("SPriFol"), Forma::Zeros4},    {QStringLiteral("SUltFol"), Forma::Zeros4},
        {QStringLiteral("SNOrd"), Forma::Zeros4},      {QStringLiteral("SIniReg"), Forma::Data},
        {QStringLiteral("SFimReg"), Forma::Data},      {QStringLiteral("ApuIcmNOrd"), Forma::Texto},
        {QStringLiteral("ApuIcmNFol"), Forma::Zeros3}, {QStringLiteral("ApuIcmPeri"), Forma::Data},
        {QStringLiteral("ApuIcmAte"), Forma::Data},    {QStringLiteral("ApuIpiNOrd"), Forma::Texto},
        {QStringLiteral("ApuIpiNFol"), Forma::Zeros3}, {QStringLiteral("ApuIpiPeri"), Forma::Data},
        {QStringLiteral("ApuIpiAte"), Forma::Data},    {QStringLiteral("IsMod"), Forma::Texto},
        {QStringLiteral("IsNfol"), Forma::Zeros4},     {QStringLiteral("IsPPag"), Forma::Zeros4},
        {QStringLiteral("IsUltPag"), Forma::Zeros4},   {QStringLiteral("IsNOrd"), Forma::Texto},
        {QStringLiteral("IsIni"), Forma::Data},        {QStringLiteral("IsFim"), Forma::Data},
        {QStringLiteral("Rg"), Forma::Texto},          {QStringLiteral("Crc"), Forma::Texto},
        {QStringLiteral("Cont"), Forma::Texto},
    };
    return colunas;
}

Param ValorColuna(Forma forma, const QString& texto, bool p1a) {
    switch (forma) {
        case Forma::Zeros4:
            return Geral::Zeros(texto, 4);
        case Forma::Zeros3:
            return Geral::Zeros(texto, 3);
        case Forma::Data:
            return platform::values::parseDate(texto);
        case Forma::Modelo:
            return p1a;
        case Forma::ModeloOposto:
            return !p1a;
        case Forma::Texto:
            break;
    }
    return texto;
}

Recordset LeTermo(Connection& db, qint64 codcli) {
    return db.OpenRecordset(QStringLiteral("SELECT * FROM Termo WHERE codcli = ?"), {codcli});
}

void CriaTermo(Connection& db, qint64 codcli) {
    db.Execute(QStringLiteral("INSERT INTO Termo (codcli) VALUES (?)"), {codcli});
}

LinhaTermo LeLinhaTermo(const Recordset& termo) {
    static const char* const ordens[] = {"ENOrd", "SNOrd", "ApuIcmNOrd", "ApuIpiNOrd", "IsNOrd"};
    static const char* const datas[] = {"EIniReg",   "EFimReg",    "SIniReg",   "SFimReg", "ApuIcmPeri",
                                        "ApuIcmAte", "ApuIpiPeri", "ApuIpiAte", "IsIni",   "IsFim"};
    LinhaTermo linha;
    linha.p1a = termo.Fields(QStringLiteral("ESP1a")).toBool();
    for (std::size_t i = 0; i < linha.ordens.size(); ++i)
        linha.ordens[i] = termo.Fields(QString::fromLatin1(ordens[i])).toString();
    for (std::size_t i = 0; i < linha.datas.size(); ++i)
        linha.datas[i] = termo.Fields(QString::fromLatin1(datas[i])).toDate();
    return linha;
}

std::optional<EmpresaTermo> LeEmpresaTermo(Connection& db, qint64 codauto) {
    auto rs = db.OpenRecordset(
        QStringLiteral("SELECT nome, endereco, numero, bairro, cidade, uf, inscr_estadual, cgc, ccm "
                       "FROM Empresas WHERE codauto = ?"),
        {codauto});
    if (rs.Eof()) return std::nullopt;
    const auto texto = [&rs](const char* coluna) {
        return rs.Fields(QString::fromLatin1(coluna)).toString();
    };
    return EmpresaTermo{texto("nome"),           texto("endereco"), texto("numero"),
                        texto("bairro"),         texto("cidade"),   texto("uf"),
                        texto("inscr_estadual"), texto("cgc"),      texto("ccm")};
}

}  // namespace terms
