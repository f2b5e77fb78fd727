#include "movement/ArquivoMovimento.h"

#include "movement/DocumentoMes.h"
#include "platform/files/FileCopy.h"
#include "platform/files/FileLookup.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"

namespace movimento {

namespace files = platform::files;
using platform::ui::Msg::Critical;
using platform::ui::Msg::OKOnly;

namespace {
const QString Modelo = QStringLiteral("Movimento.mdb");

// The path of the movement database, made from the template when there is none yet. Another copy of
// the program may make it at the same moment: then its file is the one used.
std::optional<QString> ProcuraOuCria(const QString& arquivo, QString& falha) {
    if (auto caminho = files::FindFile(PastaMovimento(), arquivo)) return caminho;
    const auto modelo = files::FindFile(Geral::DiretorioSistema, Modelo);
    if (!modelo) {
        falha = Modelo + QStringLiteral(" não encontrado");
        return std::nullopt;
    }
    const QString destino = PastaMovimento() + arquivo;
    if (files::CopyNewFile(*modelo, destino, falha)) return destino;
    if (auto caminho = files::FindFile(PastaMovimento(), arquivo)) {
        falha.clear();
        return caminho;
    }
    return std::nullopt;
}
// A file of an older layout is told when it is opened, before anything is typed into it: a month
// table or column the program uses that the file lacks fails here, and the database layer names the
// file, what it lacks and the rebuild to run.
template <typename Documento>
void ConfereColunas(platform::db::Connection& banco, const QStringList& familias) {
    QStringList colunas;
    for (const auto& c : ColunasMes<Documento>()) colunas << c.nome;
    colunas << ColunasGuardadas<Documento>();
    const QString lista = colunas.join(u',');
    for (const QString& familia : familias)
        for (int mes = 1; mes <= 12; ++mes)
            banco.OpenRecordset(QStringLiteral("SELECT ") + lista + QStringLiteral(" FROM ") +
                                TabelaMes(familia, mes) + QStringLiteral(" LIMIT 0"));
}
}  // namespace

QString NomeArquivo(qint64 codigoEmpresa, int ano) {
    return QStringLiteral("MV") + QString::number(ano).right(2) + Geral::Zeros(codigoEmpresa, 4) +
           QStringLiteral(".MDB");
}

QString PastaMovimento() { return Geral::DiretorioSistema + QStringLiteral("Tarvel/"); }

QString Conexao(const QString& caminho) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=false; Data Source=") +
           caminho + QStringLiteral(";Jet OLEDB:Database Password=") + Geral::SenhaMovimento +
           QLatin1Char(';');
}

registers::cfop::Tabela TabelaCfop(int ano) {
    return ano > 2002 ? registers::cfop::Tabela::Desde2003 : registers::cfop::Tabela::Ate2002;
}

Abertura AbreMovimento(platform::db::Connection& banco, qint64 codigoEmpresa, int ano) {
    Abertura abertura{NomeArquivo(codigoEmpresa, ano), {}, {}};
    banco.Close();
    const auto caminho = ProcuraOuCria(abertura.arquivo, abertura.falha);
    if (!caminho) return abertura;
    abertura = AbreExistente(banco, abertura.arquivo, Conexao(*caminho));
    if (abertura.aberta()) Geral::ConexaoMovimento = abertura.conexao;
    return abertura;
}

Abertura AbreExistente(platform::db::Connection& banco, const QString& arquivo, const QString& conexao) {
    Abertura abertura{arquivo, {}, {}};
    banco.Close();
    try {
        banco.Open(conexao);
        // Opening reads nothing yet: a file that is no database fails here, not at the first search.
        banco.OpenRecordset(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        ConfereColunas<DocumentoIcms>(banco, {Entradas, Saidas});
        ConfereColunas<DocumentoIss>(banco, {Iss});
    } catch (const platform::db::Error& e) {
        banco.Close();
        abertura.falha = e.description();
        return abertura;
    }
    abertura.conexao = conexao;
    return abertura;
}

void AvisaFalha(const Abertura& abertura) {
    platform::ui::MsgBox(QStringLiteral("Não foi possível abrir o arquivo de movimento ") + abertura.arquivo +
                             QStringLiteral(" (") + abertura.falha + QStringLiteral(") !"),
                         OKOnly + Critical, QStringLiteral("Erro"));
}

std::optional<QString> LocalizaMovimento(qint64 codigoEmpresa, int ano) {
    const auto caminho = files::FindFile(PastaMovimento(), NomeArquivo(codigoEmpresa, ano));
    if (!caminho) {
        platform::ui::MsgBox(QStringLiteral("Arquivo de Movimento da Empresa Inexistente, Verifique !!!"),
                             OKOnly + Critical, QStringLiteral("Erro ao Localizar Arquivo"));
        return std::nullopt;
    }
    Geral::ConexaoMovimento = Conexao(*caminho);
    return Geral::ConexaoMovimento;
}

}  // namespace movimento
