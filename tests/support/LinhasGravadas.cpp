#include "support/LinhasGravadas.h"

namespace testsupport {

std::map<QString, QString> LinhasGravadas(platform::db::Connection& db, const QString& tabela,
                                          const QString& resto) {
    QStringList colunas, valores;
    for (auto rs = db.OpenRecordset("PRAGMA table_info(" + tabela + ")"); !rs.Eof(); rs.MoveNext()) {
        const QString c = rs.Fields(QStringLiteral("name")).toString();
        colunas << c;
        valores << "typeof(" + c + ")||' '||hex(" + c + ")";
    }
    auto rs = db.OpenRecordset("SELECT " + valores.join(u',') + " FROM " + tabela + ' ' + resto);
    std::map<QString, QString> linhas;
    for (int n = 1; !rs.Eof(); rs.MoveNext(), ++n)
        for (int i = 0; i < colunas.size(); ++i)
            linhas[rs.RecordCount() > 1 ? QString::number(n) + '.' + colunas[i] : colunas[i]] =
                rs.Fields(i).toString();
    return linhas;
}

QString Mudadas(const std::map<QString, QString>& antes, const std::map<QString, QString>& depois) {
    QStringList nomes;
    for (const auto& [nome, valor] : depois)
        if (auto a = antes.find(nome); a == antes.end() || a->second != valor) nomes << nome;
    return nomes.join(u' ');
}

}  // namespace testsupport
