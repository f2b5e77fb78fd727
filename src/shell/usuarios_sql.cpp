#include "shell/usuarios_sql.h"

namespace shell::usuarios {

using platform::db::Connection;
using platform::db::Params;
using platform::db::Recordset;

Recordset PorNome(Connection& cn, const QString& nome) {
    return cn.OpenRecordset(QStringLiteral("SELECT * FROM usuarios WHERE nome = ?"), {nome});
}

Recordset PorCodigo(Connection& cn, qint64 codigo) {
    return cn.OpenRecordset(QStringLiteral("SELECT * FROM usuarios WHERE codigo = ?"), {codigo});
}

bool Existe(Connection& cn, qint64 codigo) {
    return !cn.OpenRecordset(QStringLiteral("SELECT codigo FROM usuarios WHERE codigo = ?"), {codigo}).Eof();
}

void Inclui(Connection& cn, const Usuario& u, const QString& senhaCodificada, const QDate& dsenha) {
    Params p{u.codigo, u.nome, senhaCodificada, u.impressora, dsenha};
    for (bool d : u.direitos) p.emplace_back(d);
    cn.Execute(QStringLiteral("INSERT INTO usuarios(codigo,nome,senha,impressora,dsenha,bdcon,bdadi,bdexc,"
                              "bdalt,cfcon,cfadi,cfexc,cfalt,cfbai) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
               p);
}

long long Altera(Connection& cn, const Usuario& u) {
    Params p{u.nome, u.impressora};
    for (bool d : u.direitos) p.emplace_back(d);
    p.emplace_back(u.codigo);
    return cn.Execute(QStringLiteral("UPDATE usuarios SET nome = ?, impressora = ?, bdcon = ?, bdadi = ?, "
                                     "bdexc = ?, bdalt = ?, cfcon = ?, cfadi = ?, cfexc = ?, cfalt = ?, "
                                     "cfbai = ? WHERE codigo = ?"),
                      p);
}

void Exclui(Connection& cn, qint64 codigo) {
    cn.Execute(QStringLiteral("DELETE FROM usuarios WHERE codigo = ?"), {codigo});
}

Recordset Senha(Connection& cn, qint64 codigo) {
    return cn.OpenRecordset(QStringLiteral("SELECT senha,dsenha FROM usuarios WHERE codigo = ?"), {codigo});
}

long long TrocaSenha(Connection& cn, qint64 codigo, const QString& senhaCodificada, const QDate& dsenha) {
    return cn.Execute(QStringLiteral("UPDATE usuarios SET senha = ?,dsenha = ? WHERE codigo = ?"),
                      {senhaCodificada, dsenha, codigo});
}

Recordset Impressora(Connection& cn, const QString& nome) {
    return cn.OpenRecordset(QStringLiteral("SELECT impressora FROM usuarios WHERE nome = ?"), {nome});
}

long long GravaImpressora(Connection& cn, const QString& nome, const QString& letra) {
    return cn.Execute(QStringLiteral("UPDATE usuarios SET impressora = ? WHERE nome = ?"), {letra, nome});
}

}  // namespace shell::usuarios
