#pragma once

#include <array>

#include "books/LinhasLivro.h"
#include "books/documentos_sql.h"
#include "platform/db/Connection.h"

// The statements on the work tables of the ICMS books in the registry database (MovEntrada, MovTent,
// MovUf, MovTPara, MovSaida, MovTsai, MovUfnc, MovAliq). Every value is bound; each insert is one
// statement text, prepared once per connection and reused.
namespace Livros {

using platform::db::Params;
using platform::db::Recordset;

// Makes the ICMS books' work tables private to `cadastro` (Connection::PrivateTables), so that what it
// prepares and then prints are its own lines, whatever another copy of the program prepares meanwhile.
void TabelasDaEmissao(Connection& cadastro);

// The one row of MovTPara afresh: Codigo 1, every group flag false.
void RecriaMovTPara(Connection& cadastro);

// Empties the book's lines, its totals per CFOP and its totals per state (MovEntrada, MovTent, MovUf;
// or MovSaida, MovTsai, MovUf, MovUfnc).
void LimpaLivro(Connection& cadastro, Livro livro);

// The rows of MovEntrada or MovSaida, in the order given. They are written a batch at a time, several
// rows to one statement (prepared once and reused): a book has tens of thousands of rows and each
// statement run costs more than a row. Termina writes the rows still kept; rows not yet written when
// the object goes away without it are lost, as a failure half way wants.
class GravaLinhas {
  public:
    GravaLinhas(Connection& cadastro, Livro livro);
    void Insere(const LinhaTabela& linha);
    void Termina();

  private:
    Connection& cadastro_;
    Livro livro_;
    Params valores_;
    int linhas_ = 0;
};

// The totals per CFOP into MovTent or MovTsai, one row each, in their order.
void GravaTotaisCfop(Connection& cadastro, Livro livro, const TotaisPorChave& totais);

enum class TabelaUf { MovUf, MovUfnc };
// The interstate totals per state into MovUf or MovUfnc (accounting value, base, other, ICMS at source).
void GravaTotaisUf(Connection& cadastro, TabelaUf tabela, const TotaisPorChave& totais);

// The book's three group flags of MovTPara: 100, 200, 300 for the entries; 500, 600, 700 for the exits.
void GravaGrupos(Connection& cadastro, Livro livro, const std::array<bool, 3>& grupos);

// The rated lines of the book, in its order: rate, base and tax of each of the two lines of a row
// (aliqicms0, baseicms0, valricms0, aliqicms1, ...; or Aliq0, base0, valr0, Aliq1, ...), for the rows
// where one of the two rates is above 0.
Recordset LeLinhasTributadas(Connection& cadastro, Livro livro);
// The ICMS of every row of MovTent or MovTsai.
Recordset LeIcmsPorCfop(Connection& cadastro, Livro livro);

// One rate of the assessment: the bases and ICMS of the entries and of the exits at it.
struct TotalAliquota {
    Currency Aliquota, baseent, impent, basesai, impsai;
};
// MovAliq afresh with those rows, in their order.
void GravaAliquotas(Connection& cadastro, const std::vector<TotalAliquota>& aliquotas);

}  // namespace Livros
