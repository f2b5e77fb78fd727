#include "books/pos_icms_sql.h"

#include <array>

namespace PosIcms {

using platform::db::Transaction;

int CompletaMeses(Connection& db) {
    Transaction trans(db);
    std::array<bool, 13> presente{};
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT Mes_Base FROM Pos_Icms"));
    for (; !rs.Eof(); rs.MoveNext()) {
        const qint64 mes = rs.Fields(0).toLongLong();
        if (mes >= 1 && mes <= 12) presente[std::size_t(mes)] = true;
    }
    int incluidos = 0;
    for (int mes = 1; mes <= 12; ++mes) {
        if (presente[std::size_t(mes)]) continue;
        db.Execute(
            QStringLiteral("INSERT INTO Pos_Icms(Mes_Base,Saida,O_deb,Estcr,Entra,O_cre,Estdb,Scant,Fat,"
                           "FatAcu,M1Ini,M1Fim,D1Ini,D1Fim,Obsent1,Obsent2,Obssai1,Obssai2) "
                           "VALUES(?,0,0,0,0,0,0,0,0,0,0,0,0,0,'','','','')"),
            {mes});
        ++incluidos;
    }
    trans.commit();
    return incluidos;
}

Recordset LeInformacoes(Connection& db, int mes) {
    return db.OpenRecordset(
        QStringLiteral("SELECT Fat,FatAcu,M1Ini,M1Fim,D1Ini,D1Fim,Obsent1,Obsent2,Obssai1,"
                       "Obssai2 FROM Pos_Icms WHERE Mes_Base = ?"),
        {mes});
}

void GravaInformacoes(Connection& db, int mes, const InformacoesMes& info) {
    platform::db::ColumnList colunas;
    colunas.add(QStringLiteral("Fat"), info.Fat)
        .add(QStringLiteral("FatAcu"), info.FatAcu)
        .add(QStringLiteral("M1Ini"), info.M1Ini)
        .add(QStringLiteral("M1Fim"), info.M1Fim)
        .add(QStringLiteral("D1Ini"), info.D1Ini)
        .add(QStringLiteral("D1Fim"), info.D1Fim)
        .add(QStringLiteral("Obsent1"), info.Obsent1)
        .add(QStringLiteral("Obsent2"), info.Obsent2)
        .add(QStringLiteral("Obssai1"), info.Obssai1)
        .add(QStringLiteral("Obssai2"), info.Obssai2);
    GravaInformacoes(db, mes, colunas);
}

void GravaInformacoes(Connection& db, int mes, const platform::db::ColumnList& colunas) {
    if (!colunas.empty())
        colunas.update(db, QStringLiteral("Pos_Icms"),
                       platform::db::ColumnList().add(QStringLiteral("mes_base"), mes));
}

Currency LeSaldoCredor(Connection& db, int mes) {
    Recordset rs = db.OpenRecordset(QStringLiteral("SELECT scant FROM Pos_Icms WHERE mes_base = ?"), {mes});
    return rs.Eof() ? Currency() : rs.Fields(0).toCurrency();
}

Recordset LeOutrosValores(Connection& db, int mes) {
    return db.OpenRecordset(QStringLiteral("SELECT o_deb,estcr,o_cre,estdb FROM Pos_Icms WHERE mes_base = ?"),
                            {mes});
}

OutrosValores LeOutrosDoMes(Connection& db, int mes) {
    Recordset rs = LeOutrosValores(db, mes);
    if (rs.Eof()) return {};
    return {rs.Fields(0).toCurrency(), rs.Fields(1).toCurrency(), rs.Fields(2).toCurrency(),
            rs.Fields(3).toCurrency()};
}

Recordset LeInformacoesEntradas(Connection& db, int mes) {
    return db.OpenRecordset(QStringLiteral("SELECT Fat,M1Ini,M1Fim,D1Ini,D1Fim,FatAcu,Obsent1,Obsent2 FROM "
                                           "Pos_Icms Where Mes_Base = ?"),
                            {mes});
}

Recordset LeInformacoesSaidas(Connection& db, int mes) {
    return db.OpenRecordset(QStringLiteral("SELECT FatAcu,Obssai1,Obssai2 FROM Pos_Icms Where Mes_Base = ?"),
                            {mes});
}

void GravaApuracao(Connection& db, int mes, Currency saida, Currency entra, Currency scant) {
    db.Execute(QStringLiteral("UPDATE Pos_Icms SET saida = ?,entra = ?,scant = ? Where mes_base = ?"),
               {saida, entra, scant, mes});
}

void GravaSaldoCredor(Connection& db, int mes, Currency scant) {
    db.Execute(QStringLiteral("UPDATE Pos_Icms SET scant = ? Where mes_base = ?"), {scant, mes});
}

Recordset LeItensDoAno(Connection& db) {
    return db.OpenRecordset(
        QStringLiteral("SELECT Mes_Base,Saida,O_deb,Estcr,Entra,O_cre,Estdb,Scant FROM Pos_Icms "
                       "WHERE Mes_Base BETWEEN 1 AND 12 ORDER BY Mes_Base"));
}

void GravaItensDoAno(Connection& db, const std::array<platform::db::ColumnList, 12>& meses) {
    Transaction trans(db);
    for (int mes = 1; mes <= 12; ++mes)
        if (const auto& colunas = meses[std::size_t(mes - 1)]; !colunas.empty())
            colunas.update(db, QStringLiteral("Pos_Icms"),
                           platform::db::ColumnList().add(QStringLiteral("Mes_Base"), mes));
    trans.commit();
}

}  // namespace PosIcms
