#pragma once

#include <QString>
#include <vector>

// The fixed lists of the company record: the coded columns with the captions the company window shows
// for them, the masks of its masked boxes, and the widening of old five-digit activity codes.
namespace Empresas {

// The eight lists of the company window, in the order PreencheCombos fills them.
enum class Lista { TipoEmpresa, Situacao, TpEscri, TpIpi, TpIss, Icms, GrIcms, Sp };
inline constexpr Lista TodasListas[] = {Lista::TipoEmpresa, Lista::Situacao, Lista::TpEscri, Lista::TpIpi,
                                        Lista::TpIss,       Lista::Icms,     Lista::GrIcms,  Lista::Sp};

// One entry of a list: the caption shown and the value stored for it.
struct Entrada {
    QString legenda;
    QString codigo;
};

// The entries of a list, in the order the window shows them.
const std::vector<Entrada>& Entradas(Lista lista);

// The value stored for the entry at `indice` (-1: no entry chosen). An entry without a code of its own
// stores its own text (situation, company type), one blank, or the empty text (ISS type).
QString CodigoDe(Lista lista, int indice);

// The value stored for the entry whose caption is `legenda` (no such entry: as for no entry chosen).
QString CodigoDaLegenda(Lista lista, const QString& legenda);

// The entry a stored value selects when a company is loaded: the entry of that code; an unknown code
// selects the first entry (the blank), while an unknown situation or company type selects nothing (-1).
// Codes compare exactly, letter case included.
int IndiceDe(Lista lista, const QString& codigo);

// Masks of the masked boxes ('#' a digit) and their text when empty ('_' the prompt character).
inline const QString MascaraCei = QStringLiteral("##.###.#####-##");
inline const QString MascaraCgc = QStringLiteral("##.###.###/####-##");
inline const QString MascaraCcm = QStringLiteral("##.###.###-##");
inline const QString MascaraCnae = QStringLiteral("#####-##");
// The empty text of a mask: every '#' a '_', the literals kept.
QString MascaraVazia(const QString& mascara);

// The text the CNAE box shows for a stored activity code: old codes of five characters are widened to
// the seven-digit form ("12345" -> "12345-00", "_____" -> "_____-__"); any other length as stored.
QString CnaeParaTela(const QString& cnae);

}  // namespace Empresas
