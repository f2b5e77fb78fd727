#include "shell/SenhaAdm.h"

#include <QCryptographicHash>
#include <QList>
#include <QPasswordDigestor>
#include <QRandomGenerator>

#include "platform/db/Connection.h"
#include "platform/values/RuntimeError.h"
#include "shell/Geral.h"

namespace shell {

namespace {
constexpr QStringView Esquema = u"pbkdf2-sha256";
constexpr int BytesSal = 16;
constexpr int BytesChave = 32;
// A stored text with more iterations than this is not ours: refuse it rather than hang the login.
constexpr int IteracoesMaximas = 10'000'000;

QByteArray Deriva(const QString& senha, const QByteArray& sal, int iteracoes) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, senha.toUtf8(), sal, iteracoes,
                                              BytesChave);
}

// Compares in time independent of where the texts differ.
bool Iguais(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size()) return false;
    unsigned char diferenca = 0;
    for (qsizetype i = 0; i < a.size(); ++i) diferenca |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diferenca == 0;
}
}  // namespace

QString HashSenhaAdm(const QString& senha) {
    QByteArray sal(BytesSal, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(sal.data()), BytesSal / 4);
    const QByteArray chave = Deriva(senha, sal, IteracoesSenhaAdm);
    return Esquema.toString() + u'$' + QString::number(IteracoesSenhaAdm) + u'$' +
           QString::fromLatin1(sal.toBase64()) + u'$' + QString::fromLatin1(chave.toBase64());
}

bool ConfereSenhaAdm(const QString& senha, const QString& hash) {
    const QStringList partes = hash.split(u'$');
    if (partes.size() != 4 || partes[0] != Esquema) return false;
    bool ok = false;
    const int iteracoes = partes[1].toInt(&ok);
    if (!ok || iteracoes < 1 || iteracoes > IteracoesMaximas) return false;
    const QByteArray sal = QByteArray::fromBase64(partes[2].toLatin1());
    const QByteArray chave = QByteArray::fromBase64(partes[3].toLatin1());
    if (sal.isEmpty() || chave.size() != BytesChave) return false;
    return Iguais(Deriva(senha, sal, iteracoes), chave);
}

bool FormaAntiga(const QString& guardada) {
    return guardada.size() >= 2 && guardada[0] == u' ' && guardada[1].isDigit();
}

bool ConfereSenhaUsuario(const QString& senha, const QString& guardada) {
    if (!FormaAntiga(guardada)) return ConfereSenhaAdm(senha, guardada);
    try {
        return Geral::CodificaSenha(senha) == guardada;
    } catch (const platform::values::RuntimeError&) {
        return false;
    }
}

QString LeSenhaAdm(platform::db::Connection& cn) {
    auto rs = cn.OpenRecordset(QStringLiteral("SELECT senha_adm FROM Parametros"));
    return rs.Eof() ? QString() : rs.Fields(QStringLiteral("senha_adm")).toString();
}

void GravaSenhaAdm(platform::db::Connection& cn, const QString& hash) {
    // The table holds one row; a registry that lost it gets it back rather than a password never kept.
    if (cn.Execute(QStringLiteral("UPDATE Parametros SET senha_adm = ?"), {hash}) == 0)
        cn.Execute(QStringLiteral("INSERT INTO Parametros (senha_adm) VALUES (?)"), {hash});
}

QString LeEscritorio(platform::db::Connection& cn) {
    auto rs = cn.OpenRecordset(QStringLiteral("SELECT escritorio FROM Parametros"));
    return rs.Eof() ? QString() : rs.Fields(QStringLiteral("escritorio")).toString();
}

void GravaEscritorio(platform::db::Connection& cn, const QString& nome) {
    if (cn.Execute(QStringLiteral("UPDATE Parametros SET escritorio = ?"), {nome}) == 0)
        cn.Execute(QStringLiteral("INSERT INTO Parametros (escritorio) VALUES (?)"), {nome});
}

}  // namespace shell
