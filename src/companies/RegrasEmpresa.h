#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "platform/db/Connection.h"
#include "shell/ErrosLista.h"

// The rules a company must keep before it is written, returned as error-list rows.
namespace Empresas {

// The number a key text stands for: digits only (blanks around allowed), at most `digitos` of them;
// anything else is no number.
std::optional<qint64> ChaveNumerica(const QString& chave, int digitos = 9);

// What the save rules read from the company window.
struct CamposGravacao {
    QString chave;  // the company number as typed
    bool inclusao = false;
    QString nome;
    QString uf;
    QString situacao;  // the text of the situation list
};

// One "Erro Fatal" row per broken rule, in order: the key (not a number, or a number already in use
// while a new company is entered), the name, the state, the situation; empty when the company may be
// written. The key rule reads the company of that number on `db` into `atual`.
std::vector<shell::ErroRegra> VerificaGravacao(platform::db::Connection& db, const CamposGravacao& campos,
                                               platform::db::Recordset& atual);

}  // namespace Empresas
