#pragma once

#include <QString>
#include <optional>

#include "platform/db/Connection.h"
#include "registers/CodigoFiscal.h"

// The movement database of a company and year: one file in the folder "Tarvel/" of the program
// folder, made from the template "Movimento.mdb" by the movement windows the first time they open a
// period of that year, and only looked for by every other reader.
namespace movimento {

// "MV" + the last two digits of `ano` + the company code in four digits + ".MDB": company 1 in 2008
// is "MV080001.MDB". A code beyond four digits is a run-time error.
QString NomeArquivo(qint64 codigoEmpresa, int ano);

// The folder of the movement databases: DiretorioSistema + "Tarvel/".
QString PastaMovimento();

// The connection string of the movement database at `caminho`, in the program's order: the provider,
// "Data Source=" + the path, the movement password (SenhaMovimento).
QString Conexao(const QString& caminho);

// The CFOP table of documents of `ano` (codes up to 2002, or from 2003); its definition gives the
// table's name, the mask of the code field and that field's empty text.
registers::cfop::Tabela TabelaCfop(int ano);

// The outcome of opening a movement database.
struct Abertura {
    QString arquivo;  // the file's name as built ("MV030012.MDB")
    QString conexao;  // the connection string of the file opened; empty on failure
    QString falha;    // why the file could not be made or opened; empty when it is open
    bool aberta() const { return falha.isEmpty(); }
};

// Opens `banco` (closing it first) on the movement database of company `codigoEmpresa` and year
// `ano`. The file is found whatever the letter case of its name; a missing one is made silently from
// the template "Movimento.mdb" of the program folder, never over an existing file; a file that lacks
// a month table or column of the current layout is refused, naming the rebuild. On success
// ConexaoMovimento holds the connection string. On failure `banco` stays closed, ConexaoMovimento
// is left as it was, no partial file remains, and `falha` says why.
Abertura AbreMovimento(platform::db::Connection& banco, qint64 codigoEmpresa, int ano);

// Opens `banco` (closing it first) on `conexao`, the connection string of the existing movement
// database `arquivo`, with the checks of AbreMovimento (a file that is no database or of an older layout
// is refused); ConexaoMovimento is left as it was.
Abertura AbreExistente(platform::db::Connection& banco, const QString& arquivo, const QString& conexao);

// Tells a failed opening: "Não foi possível abrir o arquivo de movimento " + file + " (" + reason +
// ") !" under "Erro", critical.
void AvisaFalha(const Abertura& abertura);

// For the windows that only read movement databases: the connection string of the existing database
// of `codigoEmpresa` and `ano`, which then is also ConexaoMovimento; when there is none, says
// "Arquivo de Movimento da Empresa Inexistente, Verifique !!!" under "Erro ao Localizar Arquivo"
// (critical) and returns none, creating nothing.
std::optional<QString> LocalizaMovimento(qint64 codigoEmpresa, int ano);

}  // namespace movimento
