#include "utilities/Reconstrucao.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUuid>

#include "platform/db/Connection.h"
#include "platform/db/TableNames.h"
#include "platform/files/FileCopy.h"

namespace utilities {

using platform::db::Connection;
using platform::db::Schema;

namespace {

struct Coluna {
    QString nome;
    QString tipo;
};

// Each table of a file, by its name in small letters: its spelling and its columns.
struct Tabela {
    QString nome;
    QList<Coluna> colunas;
};
using Estrutura = QHash<QString, Tabela>;

Estrutura LeEstrutura(Connection& banco) {
    Estrutura estrutura;
    auto rs = banco.OpenSchema(Schema::Columns);
    while (!rs.Eof()) {
        const QString nome = rs.Fields("TABLE_NAME").toString();
        Tabela& t = estrutura[nome.toLower()];
        t.nome = nome;
        t.colunas.append({rs.Fields("COLUMN_NAME").toString(), rs.Fields("DATA_TYPE").toString()});
        rs.MoveNext();
    }
    return estrutura;
}

const Coluna* Procura(const Tabela& tabela, const QString& coluna) {
    for (const Coluna& c : tabela.colunas)
        if (c.nome.compare(coluna, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

QStringList Recusas(const Reconstrucao& pedido, Connection& antigo, const Estrutura& velha,
                    const Estrutura& nova) {
    QStringList recusas;
    QStringList transportadas;
    for (const QString& t : pedido.tabelas) transportadas << t.toLower();
    for (const Tabela& t : velha) {
        const QString chave = t.nome.toLower();
        if (chave.startsWith(QStringLiteral("sqlite_"))) continue;
        if (!transportadas.contains(chave) || !nova.contains(chave)) {
            if (pedido.recusaOutras &&
                antigo
                    .OpenRecordset(QStringLiteral("SELECT EXISTS (SELECT 1 FROM \"%1\")")
                                       .arg(QString(t.nome).replace(u'"', QStringLiteral("\"\""))))
                    .Fields(0)
                    .toBool())
                recusas << QStringLiteral("tabela %1 com registros que o ajuste não transporta").arg(t.nome);
            continue;
        }
        const Tabela& modelo = nova[chave];
        for (const Coluna& c : t.colunas) {
            const Coluna* m = Procura(modelo, c.nome);
            if (!m)
                recusas << QStringLiteral("coluna %1.%2 inexistente no modelo").arg(t.nome, c.nome);
            else if (m->tipo.compare(c.tipo, Qt::CaseInsensitive) != 0)
                recusas << QStringLiteral("coluna %1.%2 do tipo %3, no modelo %4")
                               .arg(t.nome, c.nome, c.tipo, m->tipo);
        }
    }
    return recusas;
}

qint64 Contador(Connection& banco, const QString& esquema, const QString& tabela) {
    auto rs = banco.OpenRecordset(
        QStringLiteral("SELECT seq FROM %1.sqlite_sequence WHERE name = ? COLLATE NOCASE").arg(esquema),
        {tabela});
    return rs.Eof() ? -1 : rs.Fields(0).toLongLong();
}

bool TemContador(Connection& banco, const QString& esquema) {
    return !banco
                .OpenRecordset(QStringLiteral("SELECT 1 FROM %1.sqlite_schema WHERE name = 'sqlite_sequence'")
                                   .arg(esquema))
                .Eof();
}

// Carries one table; throws when the copy does not hold exactly the old rows afterwards.
void Transporta(Connection& copia, const QString& tabela, const Tabela& velha) {
    const QString nome = platform::db::tableName(tabela);
    QStringList colunas;
    for (const Coluna& c : velha.colunas) colunas << u'"' + platform::db::columnName(c.nome) + u'"';
    const QString lista = colunas.join(u',');
    copia.Execute(QStringLiteral("DELETE FROM main.%1").arg(nome));
    copia.Execute(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM antigo.%1").arg(nome, lista));
    if (TemContador(copia, QStringLiteral("antigo")) && TemContador(copia, QStringLiteral("main"))) {
        const qint64 velho = Contador(copia, QStringLiteral("antigo"), nome);
        const qint64 novo = Contador(copia, QStringLiteral("main"), nome);
        if (velho > novo) {
            if (novo < 0)
                copia.Execute(QStringLiteral("INSERT INTO main.sqlite_sequence (name, seq) VALUES (?, ?)"),
                              {nome, velho});
            else
                copia.Execute(
                    QStringLiteral("UPDATE main.sqlite_sequence SET seq = ? WHERE name = ? COLLATE NOCASE"),
                    {velho, nome});
        }
    }
    const auto conta = [&](const QString& esquema) {
        return copia.OpenRecordset(QStringLiteral("SELECT COUNT(*) FROM %1.%2").arg(esquema, nome))
            .Fields(0)
            .toLongLong();
    };
    const bool iguais =
        conta(QStringLiteral("antigo")) == conta(QStringLiteral("main")) &&
        copia.OpenRecordset(
                 QStringLiteral("SELECT EXISTS (SELECT %2 FROM antigo.%1 EXCEPT SELECT %2 FROM main.%1)")
                     .arg(nome, lista))
                .Fields(0)
                .toLongLong() == 0;
    if (!iguais)
        throw platform::values::RuntimeError(
            3022, QStringLiteral("A tabela %1 não foi transportada por inteiro.").arg(nome));
}

void QuickCheck(Connection& banco) {
    const QString resposta = banco.OpenRecordset(QStringLiteral("PRAGMA quick_check")).Fields(0).toString();
    if (resposta != QStringLiteral("ok"))
        throw platform::values::RuntimeError(11, QStringLiteral("Arquivo danificado: ") + resposta);
}

void Sincroniza(const QString& caminho, int modo) {
    const int fd = ::open(QFile::encodeName(caminho).constData(), modo | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Keeps the old file under `reserva`: a hard link under a unique name renamed over any older one,
// or a synced copy where the file system has no links.
void GuardaReserva(const QString& alvo, const QString& reserva) {
    const QString temporario = reserva + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128);
    if (::link(QFile::encodeName(alvo).constData(), QFile::encodeName(temporario).constData()) != 0) {
        QString motivo;
        if (!platform::files::CopyNewFile(alvo, temporario, motivo))
            throw platform::values::RuntimeError(75, motivo);
    }
    if (::rename(QFile::encodeName(temporario).constData(), QFile::encodeName(reserva).constData()) != 0) {
        QFile::remove(temporario);
        throw platform::values::RuntimeError(75, QStringLiteral("Não foi possível guardar ") + reserva);
    }
}

}  // namespace

ResultadoReconstrucao Reconstroi(const Reconstrucao& pedido) {
    ResultadoReconstrucao resultado;
    const auto avisa = [&](Etapa etapa, const QString& detalhe = {}) {
        if (pedido.observador) pedido.observador(etapa, detalhe);
    };
    const QFileInfo alvo(pedido.alvo);
    const QString copiaPath = alvo.absolutePath() + QStringLiteral("/.") + alvo.fileName() +
                              QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128);
    try {
        Estrutura velha, nova;
        {
            Connection antigo;
            antigo.OpenFile(pedido.alvo);
            QuickCheck(antigo);
            velha = LeEstrutura(antigo);
            Connection modelo;
            modelo.OpenFile(pedido.modelo);
            nova = LeEstrutura(modelo);
            resultado.recusas = Recusas(pedido, antigo, velha, nova);
            if (!resultado.recusas.isEmpty()) return resultado;
        }
        QString motivo;
        if (!platform::files::CopyNewFile(pedido.modelo, copiaPath, motivo))
            throw platform::values::RuntimeError(75, motivo);
        avisa(Etapa::Copia);
        {
            Connection copia;
            copia.OpenFile(copiaPath);
            copia.Execute(QStringLiteral("ATTACH DATABASE ? AS antigo"), {alvo.absoluteFilePath()});
            {
                platform::db::Transaction transacao(copia);
                for (const QString& tabela : pedido.tabelas) {
                    const auto achada = velha.constFind(tabela.toLower());
                    if (achada == velha.constEnd()) continue;
                    Transporta(copia, tabela, *achada);
                    avisa(Etapa::Tabela, tabela);
                }
                transacao.commit();
            }
            copia.Execute(QStringLiteral("DETACH DATABASE antigo"));
            QuickCheck(copia);
        }
        Sincroniza(copiaPath, O_RDONLY);
        avisa(Etapa::Conferido);
        if (!pedido.reserva.isEmpty()) {
            GuardaReserva(alvo.absoluteFilePath(), pedido.reserva);
            avisa(Etapa::Reserva);
        }
        if (::rename(QFile::encodeName(copiaPath).constData(),
                     QFile::encodeName(alvo.absoluteFilePath()).constData()) != 0)
            throw platform::values::RuntimeError(
                75, QStringLiteral("Não foi possível substituir ") + alvo.fileName());
        Sincroniza(alvo.absolutePath(), O_RDONLY | O_DIRECTORY);
        avisa(Etapa::Renomeado);
        resultado.feito = true;
    } catch (const platform::values::RuntimeError& e) {
        QFile::remove(copiaPath);
        resultado.numero = e.number();
        resultado.erro = e.description();
    }
    return resultado;
}

}  // namespace utilities
