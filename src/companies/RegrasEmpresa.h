#pragma once

#include <QString>
#include <optional>

#include "platform/db/Connection.h"

// The rules a company must keep before it is written, checked into the shared error list.
namespace Empresas {

// The number a key text stands for: digits only (blanks around allowed), at most nine of them;
// anything else is no number.
std::optional<qint64> ChaveNumerica(const QString& chave);

// What the save rules read from the company window.
struct CamposGravacao {
    QString chave;  // the company number as typed
    bool inclusao = false;
    QString nome;
    QString uf;
    QString situacao;  // the text of the situation list
};

// Empties the error list and adds one "Erro Fatal" row per broken rule, in order: the key (not a number,
// or a number already in use while a new company is entered), the name, the state, the situation.
// The key rule reads the company of that number on `db` into `atual`. Sets and returns ComErros.
bool VerificaGravacao(platform::db::Connection& db, const CamposGravacao& campos,
                      platform::db::Recordset& atual);

}  // namespace Empresas
