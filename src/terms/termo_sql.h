#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "platform/db/ColumnList.h"
#include "platform/db/Connection.h"
#include "platform/db/Param.h"
#include "platform/db/Recordset.h"

namespace terms {

using platform::db::Connection;
using platform::db::Recordset;

// How a column of Termo is written from the text its field shows: as shown (free texts and masked
// texts, "_" prompts included, never trimmed), trimmed and filled with zeros to 4 or 3 digits, a date
// (null when the field holds none), or the model: ESP1a the "P1A/P2A" choice, ESP1 its opposite.
enum class Forma { Texto, Zeros4, Zeros3, Data, Modelo, ModeloOposto };

struct ColunaTermo {
    QString nome;
    Forma forma;
};

inline constexpr int NumeroColunas = 35;

// The 35 data columns of Termo in the order the save writes them.
const std::vector<ColunaTermo>& ColunasTermo();

// The value of a column of form `forma` from its field's text `texto`; `p1a` is the model chosen.
platform::db::Param ValorColuna(Forma forma, const QString& texto, bool p1a);

// The company's terms row (every column), or an empty recordset when it has none.
Recordset LeTermo(Connection& db, qint64 codcli);
// A new terms row holding only the company's key.
void CriaTermo(Connection& db, qint64 codcli);

// What the printed terms take of the terms row: the model, the order number of each book (entries,
// exits, ICMS, IPI, ISS) and the date of each of the ten terms (null when the row holds none).
struct LinhaTermo {
    bool p1a = false;
    std::array<QString, 5> ordens;
    std::array<QDate, 10> datas;
};
// A null ESP1a counts as false.
LinhaTermo LeLinhaTermo(const Recordset& termo);

// What the printed terms take of the company.
struct EmpresaTermo {
    QString nome, endereco, numero, bairro, cidade, uf, ie, cgc, ccm;
};
// The company of automatic number `codauto`, or nothing when it has gone.
std::optional<EmpresaTermo> LeEmpresaTermo(Connection& db, qint64 codauto);

}  // namespace terms
