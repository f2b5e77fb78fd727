#pragma once

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

#include "books/LinhasLivro.h"
#include "platform/db/Connection.h"

// The queries of the ICMS books on the movement database (a month's documents) and on the registry's
// suppliers and clients (the counterparts of those documents), each run once per preparation.
namespace Livros {

using platform::db::Connection;

enum class Livro { Entradas, Saidas };

// A day range of the month, both ends included, on the issue date (`porEmissao`) or the entry date.
struct FaixaDias {
    QDate inicio, fim;
    bool porEmissao = false;
};

// The documents of `tabela` (the month's "DIGE" table for the entries, "DIGS" for the exits; any other
// name is a run-time error, so no text ever becomes SQL), of the whole month or of a day range, in the
// book's order: by entry date, then (entries only) CNPJ/CPF, then first number.
std::vector<DocumentoIcms> LeDocumentos(Connection& movimento, Livro livro, const QString& tabela,
                                        const std::optional<FaixaDias>& faixa);

// A counterpart as the books print it.
struct Participante {
    QString nome, ie;
};
// The counterparts (suppliers for the entries, clients for the exits) of the documents' numbers, in one
// query, keyed by the number folded as the program compares text (foldCase). Of two rows of one number,
// the first in the register's order wins.
QHash<QString, Participante> LeParticipantes(Connection& cadastro, Livro livro,
                                             const std::vector<DocumentoIcms>& documentos);

}  // namespace Livros
