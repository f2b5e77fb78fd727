#pragma once

#include <QString>
#include <optional>

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

class QLineEdit;
class QWidget;

// The company code field of the windows that work on one company: the number typed, the company of
// that number, and the company search that fills the field.
namespace Empresas {

// The button the message of an unknown company tells the user to press, as each window words it.
enum class BotaoLista {
    Pesquisar,       // "Empresa Não Cadastrada, Utilize o Botão Pesquisar !"
    PesquisarLista,  // "... Utilize o Botão Pesquisar para acionar uma lista de empresas !"
    Ativar,          // "... Utilize o Botão Ativar para acionar uma lista de empresas !"
};

// The company number a code text holds: digits only, blanks around allowed, leading zeros aside at most
// eighteen of them, above 0 ("007" is 7); 0 for anything else ("", "0", "-5", "abc", "7,5"), which no
// window looks up.
qint64 NumeroEmpresa(const QString& texto);

// The company of the number `campo` holds, read on `db` with every column. No number: nothing, and the
// field is left as it is. A number of no company: "Empresa Não Cadastrada, ..." (naming `botao`) is told
// under "Atenção...", the field is emptied and gets the focus, and the recordset returned is at its end.
std::optional<platform::db::Recordset> LeEmpresaDoCampo(QLineEdit& campo, platform::db::Connection& db,
                                                        BotaoLista botao);

// Opens the company search over `janela`: the code of the company chosen, or none when the search was
// left without one. A statement that fails is thrown, as the search raised it.
std::optional<QString> EscolheEmpresa(QWidget* janela);

// The company search opened from a company code field: a chosen company's code goes into the field,
// which gets the focus and a Tab so that its own lookup runs; a cancelled or failed search only gives
// the focus back.
void PesquisaEmpresa(QWidget* campoCodigo);

}  // namespace Empresas
