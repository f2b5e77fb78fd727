#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

#include "platform/db/Connection.h"
#include "sintegra/ColetaMovimento.h"

namespace sintegra {

// The fields of the SINTEGRA window that a generation reads.
struct PedidoSintegra {
    QString codigo;         // company number as typed
    QDate inicio, fim;      // the period; a null date is an empty field
    QString contato, fone;  // contact person and telephone
    QString pasta, nome;    // folder of the file and its name without ".TXT"
};

// How a generation reaches the movement: the connection string of the existing movement database of a
// company number and year, which then is also ConexaoMovimento (when there is none, the user is told
// "Arquivo de Movimento da Empresa Inexistente, Verifique !!!" and none is given), and the name of a
// month table of it.
struct AcessoMovimento {
    std::function<std::optional<QString>(qint64 codigo, int ano)> localiza;
    NomeTabelaMes tabelaMes;
};

// The program's own access: the movement's lookup of the database of a company and year (which also
// tells the user of a missing one) and its month tables "DIGE"mm and "DIGS"mm.
AcessoMovimento AcessoDoPrograma();

enum class ResultadoGeracao {
    Recusada,             // a field was wrong: listed in the error list
    NaoSubstituida,       // the file exists and the user keeps it: the name field takes the focus
    SemMovimento,         // the company has no movement database of that year
    MovimentoIlegivel,    // the movement database is no database or of an older layout: told
    DocumentosRecusados,  // documents that cannot go into the file were listed
    FalhaGravacao,        // the file could not be written; none was left
    Concluida,
};

// The default file name of a company: "SINT" and the number in at least three digits (SINT007,
// SINT1234).
QString NomeArquivoPadrao(qint64 codigo);

// The generation of the SINTEGRA file of the button of the window. First every wrong field is listed at
// once as a fatal row of the error list, before anything is touched; then an existing file is replaced
// only when the user says so; the movement database of the company and of the start year is opened on
// `movimento` (one of an older layout is refused and told, as the movement windows tell it) and closed
// again on every path; the
// collection refills RegSint; the file (records 10, 11, the registers, 90; Windows-1252, CRLF) is written
// beside its target and put in its place only when complete, and only then "Arquivo Finalizado" is shown.
// A database failure throws, RegSint rolled back.
ResultadoGeracao GeraArquivoSintegra(const PedidoSintegra& pedido, platform::db::Connection& cadastro,
                                     platform::db::Connection& movimento, const AcessoMovimento& acesso);

}  // namespace sintegra
