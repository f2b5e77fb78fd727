#pragma once

#include <QDate>
#include <QString>
#include <array>

// The program-wide values through which the windows hand things to one another. One copy for the
// whole program, read and written directly, as every window expects; all start empty.
namespace Geral {

// Paths, connections and the logged-in user.

// The program folder, ending in "/": prefix of every database, template and report path.
inline QString DiretorioSistema;
// Database passwords of the registry and movement databases; always "".
inline QString SenhaCadastro;
inline QString SenhaMovimento;
// Connection string of the registry database; ConexaoAcesso is the same text, for the login alone.
inline QString ConexaoCadastro;
inline QString ConexaoAcesso;
// Connection string of the movement database of the company and year last opened.
inline QString ConexaoMovimento;
// Name of the logged-in user; "Administrador" for the built-in administrator.
inline QString UsuarioAtual;
// The code of the logged-in user's row; 0 for the built-in administrator, who has none.
inline qint64 CodigoUsuario = 0;
// Printer type of the logged-in user: "M" Matricial, "J" Jato de Tinta, "L" Laser, "S" Sem Impressora.
inline QString TipoImpressora;

// The nine rights of the logged-in user, in the order of the columns of its row (recorded, not
// enforced): index them with the constants below.
namespace Direito {
inline constexpr int cfcon = 0;
inline constexpr int cfadi = 1;
inline constexpr int cfexc = 2;
inline constexpr int cfalt = 3;
inline constexpr int cfbai = 4;
inline constexpr int bdcon = 5;
inline constexpr int bdadi = 6;
inline constexpr int bdexc = 7;
inline constexpr int bdalt = 8;
inline constexpr int Quantidade = 9;
}  // namespace Direito
// The column of usuarios that holds each right, in the same order.
inline constexpr std::array<const char*, Direito::Quantidade> ColunasDireitos{
    "cfcon", "cfadi", "cfexc", "cfalt", "cfbai", "bdcon", "bdadi", "bdexc", "bdalt"};
inline std::array<bool, Direito::Quantidade> DireitosUsuario{};

// The stored form of a password (its hash), computed just before it is written.
inline QString SenhaCodificada;

// Hand-over values between a window and the dialog it opens.

inline QString TituloPesquisa;
inline QString TabelaPesquisa;
inline QString ChaveComum;
inline QString UfEscolhida;
inline QString CidadePesquisa;
inline QString UfPesquisa;
// The answer of a modal dialog: the user cancelled, or the work must stop. Cleared by whoever reads it.
inline bool Cancelado = false;
// A child dialog saved or deleted rows: its owner must show them afresh.
inline bool Alterado = false;
// The last save found broken rules and showed the error list.
inline bool ComErros = false;

// One row of the error list of a save: its entry number, severity ("Erro Fatal" or "Alerta de Erro")
// and message. A row is in use when its severity is not empty.
struct LinhaErro {
    qint16 Numero = 0;
    QString Tipo;
    QString Descricao;

    bool vazia() const { return Tipo.isEmpty(); }
};

// The error list: rows numbered 1 to 20, as the save routines number them.
class TabelaErros {
  public:
    static constexpr int Linhas = 20;

    // Row `linha`, 1 to 20; any other number is a run-time error (subscript out of range), so the list
    // is never written beyond its last row.
    LinhaErro& operator[](int linha);
    const LinhaErro& operator[](int linha) const;
    // Every cell empty.
    void Apaga();

    auto begin() { return linhas_.begin(); }
    auto end() { return linhas_.end(); }
    auto begin() const { return linhas_.begin(); }
    auto end() const { return linhas_.end(); }

  private:
    std::array<LinhaErro, Linhas> linhas_;
};
inline TabelaErros ListaErros;
// The next free row of ListaErros; 1 means no error.
inline qint16 ContaErros = 0;

// A CNPJ/CPF met in a document, to be registered in the clients and suppliers window.
inline bool InclusaoAtiva = false;
inline QString InclusaoCgc;
// True: register it as a supplier; false: as a client.
inline bool InclusaoFornecedor = false;
// The table the clients and suppliers window edits: "ForGeral" or "CliGeral".
inline QString TabelaForCli;
// Company name and period date for the additional-information window; the null date is the empty date.
inline QString NomeEmpresa;
inline QDate DataReferencia;
// "(" + page count in words + ")" of the ICMS and IPI assessment books, for the terms.
inline QString ExtensoIcms;
inline QString ExtensoIpi;
// Listing formulas that no window assigns: always 0 and "".
inline qint16 ValorEmpat = 0;
inline QString ValorNempat;

// Scratch values: their content means nothing between two handlers.
inline qint16 Contador1 = 0;
inline qint16 Contador2 = 0;

// Puts every value back to its empty start (for tests, which set up the state they need afresh).
void ReiniciaEstadoGeral();

}  // namespace Geral
