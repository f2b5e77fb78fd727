#include "utilities/Reconstrucao.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <optional>

#include "platform/db/Connection.h"
#include "platform/db/OpenFiles.h"
#include "platform/db/TableNames.h"
#include "platform/files/FileCopy.h"
#include "platform/files/FileReplace.h"
#include "platform/files/InstanceLock.h"

namespace utilities {

using platform::db::Connection;
using platform::db::Schema;
using platform::values::RuntimeError;
namespace files = platform::files;

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
        throw RuntimeError(3022, QStringLiteral("A tabela %1 não foi transportada por inteiro.").arg(nome));
}

void QuickCheck(Connection& banco) {
    const QString resposta = banco.OpenRecordset(QStringLiteral("PRAGMA quick_check")).Fields(0).toString();
    if (resposta != QStringLiteral("ok"))
        throw RuntimeError(11, QStringLiteral("Arquivo danificado: ") + resposta);
}

// Why the rebuild cannot run now: a window of this program with the target or the template open.
std::optional<QString> ArquivoAberto(const Reconstrucao& pedido) {
    for (const QString& arquivo : {pedido.alvo, pedido.modelo})
        if (platform::db::openConnections(arquivo) > 0)
            return QStringLiteral("O arquivo ") + QFileInfo(arquivo).fileName() +
                   QStringLiteral(
                       " está aberto em outra janela; feche as outras janelas e tente novamente !");
    return std::nullopt;
}

// Carries every table into the open copy, each in a transaction of its own; a failed table goes to
// the user's decision. Returns the tables left out, or none when the user aborted.
std::optional<QStringList> TransportaTabelas(const Reconstrucao& pedido, Connection& copia,
                                             const Estrutura& velha,
                                             const std::function<void(Etapa, const QString&)>& avisa) {
    QStringList ignoradas;
    for (const QString& tabela : pedido.tabelas) {
        const auto achada = velha.constFind(tabela.toLower());
        if (achada == velha.constEnd()) continue;
        for (;;) {
            try {
                platform::db::Transaction transacao(copia);
                Transporta(copia, tabela, *achada);
                transacao.commit();
                break;
            } catch (const RuntimeError& e) {
                if (!pedido.falhaTabela) throw;
                const Decisao decisao = pedido.falhaTabela(tabela, e.number(), e.description());
                if (decisao == Decisao::Aborta) return std::nullopt;
                if (decisao == Decisao::Ignora) {
                    ignoradas << tabela;
                    break;
                }
            }
        }
        avisa(Etapa::Tabela, tabela);
    }
    return ignoradas;
}

}  // namespace

ResultadoReconstrucao Reconstroi(const Reconstrucao& pedido) {
    ResultadoReconstrucao resultado;
    const auto avisa = [&](Etapa etapa, const QString& detalhe) {
        if (pedido.observador) pedido.observador(etapa, detalhe);
    };
    // Held to the end: no other running copy opens the files while they are checked and replaced.
    std::optional<files::ExclusiveInstance> exclusivo;
    if (!pedido.pasta.isEmpty()) {
        exclusivo.emplace(pedido.pasta);
        if (!exclusivo->acquired()) {
            resultado.impedimento =
                QStringLiteral("Outra cópia do sistema está usando esta pasta; feche-a e tente novamente !");
            return resultado;
        }
    }
    if (const auto aberto = ArquivoAberto(pedido)) {
        resultado.impedimento = *aberto;
        return resultado;
    }
    const QFileInfo alvo(pedido.alvo);
    files::RemoveWorkingFiles(alvo.absoluteFilePath(), pedido.reserva);
    const QString copiaPath = files::WorkingFileName(alvo.absoluteFilePath());
    try {
        // An empty file opens as an empty database and would "rebuild" into the bare template.
        if (alvo.exists() && alvo.isFile() && alvo.size() == 0)
            throw RuntimeError(26, QStringLiteral("O arquivo ") + alvo.fileName() +
                                       QStringLiteral(" está vazio (0 bytes): não é um banco de dados."));
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
        if (!files::CopyNewFile(pedido.modelo, copiaPath, motivo))
            throw RuntimeError(75, QStringLiteral("Não foi possível criar a cópia de trabalho ") + copiaPath +
                                       QStringLiteral(": ") + motivo);
        avisa(Etapa::Copia, {});
        {
            Connection copia;
            copia.OpenFile(copiaPath);
            copia.Attach(alvo.absoluteFilePath(), QStringLiteral("antigo"), true);
            const auto ignoradas = TransportaTabelas(pedido, copia, velha, avisa);
            if (!ignoradas || !ignoradas->isEmpty()) {
                copia.Close();
                QFile::remove(copiaPath);
                resultado.abortado = !ignoradas;
                if (ignoradas) resultado.ignoradas = *ignoradas;
                return resultado;
            }
            copia.Detach(QStringLiteral("antigo"));
            QuickCheck(copia);
        }
        // The rebuilt file keeps the old one's permissions: a file made read only stays so. The "user"
        // flags say what this process may do (everything, for root), not the file's mode.
        const auto modo = alvo.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        if (!QFile::setPermissions(copiaPath, modo) || !files::SyncToDisk(copiaPath))
            throw RuntimeError(75, QStringLiteral("Não foi possível gravar ") + copiaPath);
        avisa(Etapa::Conferido, {});
        if (!pedido.reserva.isEmpty()) {
            if (!files::KeepBackup(alvo.absoluteFilePath(), pedido.reserva, motivo))
                throw RuntimeError(75, QStringLiteral("Não foi possível guardar a cópia de segurança ") +
                                           pedido.reserva + QStringLiteral(": ") + motivo);
            avisa(Etapa::Reserva, {});
        }
        if (!files::ReplaceWith(copiaPath, alvo.absoluteFilePath(), motivo))
            throw RuntimeError(75, QStringLiteral("Não foi possível substituir ") + alvo.fileName() +
                                       QStringLiteral(": ") + motivo);
        avisa(Etapa::Renomeado, {});
        if (pedido.apagaModelo) {
            QFile::remove(pedido.modelo);
            files::SyncToDisk(alvo.absolutePath());
        }
        resultado.feito = true;
    } catch (const RuntimeError& e) {
        QFile::remove(copiaPath);
        resultado.numero = e.number();
        resultado.erro = e.description();
    }
    return resultado;
}

Reconstrucao PedidoMovimento(const QString& pasta, const QString& arquivo) {
    Reconstrucao pedido;
    pedido.modelo = pasta + QStringLiteral("Movimento.mdb");
    pedido.alvo = arquivo;
    pedido.reserva = arquivo + QStringLiteral(".bak");
    pedido.recusaOutras = true;
    pedido.pasta = pasta;
    for (const char* familia : {"DIGE", "DIGS", "DIGISS"})
        for (int mes = 1; mes <= 12; ++mes)
            pedido.tabelas << platform::db::monthTable(QLatin1String(familia), mes);
    pedido.tabelas << QStringLiteral("Pos_Icms");
    return pedido;
}

Reconstrucao PedidoCadastro(const QString& pasta) {
    Reconstrucao pedido;
    pedido.modelo = pasta + QStringLiteral("Ajuste.mdb");
    pedido.alvo = pasta + QStringLiteral("Trabdados.mdb");
    pedido.reserva = pasta + QStringLiteral("seguro.bak");
    pedido.pasta = pasta;
    pedido.apagaModelo = true;
    pedido.tabelas = {
        QStringLiteral("CliGeral"),  QStringLiteral("Empresas"),      QStringLiteral("Parametros"),
        QStringLiteral("Contrato"),  QStringLiteral("Enquadramento"), QStringLiteral("ForGeral"),
        QStringLiteral("Padrao"),    QStringLiteral("Socios"),        QStringLiteral("ClasseSoc"),
        QStringLiteral("ClasseTer"), QStringLiteral("Terceiros"),     QStringLiteral("Termo"),
        QStringLiteral("Usuarios")};
    return pedido;
}

}  // namespace utilities
