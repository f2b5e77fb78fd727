#include "shell/usuarios_sql.h"

namespace shell::usuarios {

using platform::db::Connection;
using platform::db::Recordset;

Recordset PorCodigo(Connection& cn, qint64 codigo) {
    return cn.OpenRecordset(QStringLiteral("SELECT * FROM usuarios WHERE codigo = ?"), {codigo});
}

bool Existe(Connection& cn, qint64 codigo) {
    return !cn.OpenRecordset(QStringLiteral("SELECT codigo FROM usuarios WHERE codigo = ?"), {codigo}).Eof();
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

Recordset PorNomeTodos(Connection& cn, const QString& nome) {
    return cn.OpenRecordset(QStringLiteral("SELECT * FROM usuarios WHERE nome = ? ORDER BY codigo"), {nome});
}

bool NomeDeOutro(Connection& cn, const QString& nome, qint64 codigo) {
    return !cn.OpenRecordset(QStringLiteral("SELECT codigo FROM usuarios WHERE nome = ? AND codigo <> ?"),
                             {nome, codigo})
                .Eof();
}

void GravaForma(Connection& cn, qint64 codigo, const QString& forma) {
    cn.Execute(QStringLiteral("UPDATE usuarios SET senha = ? WHERE codigo = ?"), {forma, codigo});
}

Recordset Impressora(Connection& cn, qint64 codigo) {
    return cn.OpenRecordset(QStringLiteral("SELECT impressora FROM usuarios WHERE codigo = ?"), {codigo});
}

long long GravaImpressora(Connection& cn, qint64 codigo, const QString& letra) {
    return cn.Execute(QStringLiteral("UPDATE usuarios SET impressora = ? WHERE codigo = ?"), {letra, codigo});
}

}  // namespace shell::usuarios
