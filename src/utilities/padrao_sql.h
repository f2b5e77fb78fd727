#pragma once

#include <QString>
#include <array>
#include <optional>

#include "platform/db/Connection.h"

// The statements of the standard label (table Padrao, the row of key 1), each value bound.
namespace Padrao {

struct Etiqueta {
    // Number of sheets as the two-digit text the window shows.
    QString nvias;
    std::array<QString, 4> linhas;
};

// The stored label (a column without value as the empty text), or nothing when the row is missing.
std::optional<Etiqueta> LeEtiqueta(platform::db::Connection& db);

// Stores the label in the row of key 1, inserting that row when no row was changed (a registry
// without it would otherwise lose every label typed). One transaction.
void GravaEtiqueta(platform::db::Connection& db, const Etiqueta& etiqueta);

}  // namespace Padrao
