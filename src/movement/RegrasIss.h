#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "movement/DocumentoMes.h"
#include "platform/values/Currency.h"

// The rules an ISS service document must pass before it is saved.
namespace movimento {

using platform::values::Currency;

// The type texts of an ISS document, in the order of their stored codes '0' to '3'.
inline const QStringList TiposIss = {
    QStringLiteral("Tributado"), QStringLiteral("Isentas (Tomador de Serviço)"),
    QStringLiteral("Isentas (Município)"), QStringLiteral("Remessas/Devoluções")};

// The stored code of a type text: its position in TiposIss, '3' for any other text.
QChar CodigoTipoIss(const QString& texto);

struct ErroIss {
    QString severidade;
    QString mensagem;
    friend bool operator==(const ErroIss&, const ErroIss&) = default;
};

// The broken rules of `d` as the window holds it (the note value V in base, the rate A, the ISS I, the
// deductions S (sub-contracted work) and M (materials), the numbers as typed, the type code) in the
// order the error list shows them (required fields, the ISS amount, the numbers), and whether rate and
// ISS are to be zeroed (an exempt type, or model-53 deductions that equal the note value). Every
// expected ISS is values::taxAmount over the base after deductions.
struct RegrasIss {
    std::vector<ErroIss> erros;
    bool zeraIss = false;
};
RegrasIss TestaRegrasIss(const DocumentoIss& d, bool modelo53);

// The number read from the start of a text (0 when it does not begin with digits).
qint64 NumeroDoc(const QString& texto);

// The ISS the window proposes on leaving the rate (none: the field stays as it is): the model-53
// base after its deductions, or the note value, times the rate.
std::optional<Currency> IssCalculado(const DocumentoIss& d, bool modelo53);

}  // namespace movimento
