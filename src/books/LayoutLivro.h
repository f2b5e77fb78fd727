#pragma once

#include <QString>
#include <vector>

#include "platform/report/ColumnTable.h"
#include "platform/report/ReportLayout.h"

// What the layouts of the ICMS books share: the heading, the empty month, the totals per CFOP under
// the headings of their groups, the totals per state and the lines of additional information.
namespace Livros::Layout {

using platform::report::Column;
using platform::report::ColumnTable;
using platform::report::ReportContext;
using platform::report::ReportLayout;
using platform::report::Section;
using platform::report::TableForm;

inline const QString Valor = QStringLiteral("###,###,##0.00");
inline const QString Aliquota = QStringLiteral("#0.00##");
inline const QString Data = QStringLiteral("dd/mm/yyyy");
inline const QString SemMovimento = QStringLiteral("SEM  MOVIMENTO");

// The widest values the books print, each column declaring its field's: the largest amount the
// movement windows accept, negative where a column can hold one; a state registration of 15
// characters; a CNPJ; a CFOP of the 2002 table (six characters); a rate with four decimals; a date; a
// document number of six digits; a text of `n` characters of the widest letter.
inline const QString MaiorValor = QStringLiteral("99.999.999.999,99");
inline const QString MaiorNegativo = QStringLiteral("-99.999.999.999,99");
inline const QString MaiorInscricao = QStringLiteral("999.999.999.999");
inline const QString MaiorCnpj = QStringLiteral("99.999.999/9999-99");
inline const QString MaiorCfop = QStringLiteral("9.99.9");
inline const QString MaiorAliquota = QStringLiteral("99,9999");
inline const QString MaiorData = QStringLiteral("31/12/2099");
inline const QString MaiorNumero = QStringLiteral("999999");
// The IPI amount of an exits remark, in its plain form ("IPI= 12345.67"): a word of its own.
inline const QString MaiorIpiSimples = QStringLiteral("99999999999.99");
// The entries' remark of the ICMS at source in its plain form (" IF=12345,67"): a word of its own.
inline const QString MaiorFonte = QStringLiteral("IF=99999999999,99");
inline QString Letras(int n) { return QString(n, u'W'); }

// An amount column: right-aligned, in the books' money format, blank when zero.
Column ColunaValor(const QString& titulo, const QString& campo, double mm, int caracteres,
                   const QString& maior = MaiorNegativo);

// A rate column of a book's lines: right-aligned, four decimals at most, blank when zero.
Column ColunaAliquota(const QString& campo, double mm, int caracteres);

// The forms of the books: A4 landscape with narrow margins and gaps, and the wide continuous form
// (the books' columns, with their widest amounts, need its 225 characters at 17 cpi).
TableForm FormaA4();
TableForm FormaContinua();

// A formula's value as the page prints it: "*" and blanks (what the print passes for an empty
// item) print nothing, nor does an empty mask ("__.___.___-__") or a formula the print did not set.
QString impresso(const ReportContext& c, const QString& formula);

// The page size, the book heading on the width of `table`, and for a partial book the period line
// (the formula Peri, nothing when unset); then the table's column heading.
void cabecalho(ReportLayout& layout, const ColumnTable& table, const QString& titulo, bool parcial);

// The first section: "SEM  MOVIMENTO" where the lines go when the print says the month is empty.
Section semMovimento(const ColumnTable& table);

// The totals per CFOP of `tabela` (MovTent or MovTsai) for the CFOP groups that `flags` of MovTPara
// mark present, one heading per group (`grupos`: the first digit of the CFOP and its heading), the
// group's subtotal and the month's total. Printed only in a month with movement.
Section resumoCfop(const QString& tabela, const std::vector<std::pair<QString, QString>>& grupos,
                   const QString& imposto, const TableForm& form);

// The totals per state of `tabela` (MovUf or MovUfnc) under `titulo`; nothing when the table is empty.
Section resumoUf(const QString& tabela, const QString& titulo, const TableForm& form);

// The lines of additional information at the end of the book, one per formula, each printing nothing
// when its formula holds no item; declares the formulas.
void informacoes(ReportLayout& layout, const ColumnTable& table, const QStringList& formulas);

}  // namespace Livros::Layout
