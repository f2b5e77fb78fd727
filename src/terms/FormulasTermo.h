#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "terms/termo_sql.h"

namespace terms {

inline constexpr int NumeroTermos = 10;

// The caption of the terms' dialogs.
inline constexpr const char* TituloTermos = "Termo de Abertura e Encerramento";
inline constexpr const char* ArquivoTermo = "Termo.rpt";

// The formulas of term `caixa` (0 to 9: even an opening, odd a closing term, two per book: entries,
// exits, ICMS, IPI, ISS) in the order the print sets them, each (name, value): Titu, Titu1, Titu2
// (not for the ISS book), Titu3, the company's eight (Empr to CNPJ), CCM for the ISS book, ExtICM for
// the ICMS opening and ExtIPI for the IPI opening term, and Dat ("05 de Março de 2011") when the
// term has a date.
// The caption of term `caixa`'s preview, which is also its proposed file name: the term and its book
// ("Termo de Abertura - Registro de Entradas"), so that each term keeps a file of its own.
QString TituloTermo(int caixa);

std::vector<std::pair<QString, QString>> FormulasTermo(int caixa, const LinhaTermo& termo,
                                                       const EmpresaTermo& empresa,
                                                       const QString& extensoIcms, const QString& extensoIpi);

}  // namespace terms
