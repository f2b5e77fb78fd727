#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace shell {

// The two severities of an error-list row.
inline constexpr QStringView ErroFatal = u"Erro Fatal";
inline constexpr QStringView AlertaErro = u"Alerta de Erro";

// The text of the last row when more rules broke than the list holds.
inline constexpr QStringView OutrosErros = u"Há outros erros não listados !";

// Starts a save's checks: ContaErros = 1 and every cell of ListaErros empty.
void IniciaErros();

// Adds the row of one broken rule at ContaErros and moves ContaErros on. The list never grows past
// its last row: from the rule that would not fit on, the last row reads OutrosErros, fatal when any
// rule it stands for was fatal, so that a fatal rule never shown still blocks the save.
void AdicionaErro(QStringView severidade, const QString& mensagem);

// One broken rule as a rule returns it to the save that runs it: its severity (ErroFatal or
// AlertaErro) and its message. Only the save starts the list; rules hand their rows back.
struct ErroRegra {
    QStringView severidade;
    QString mensagem;
    friend bool operator==(const ErroRegra&, const ErroRegra&) = default;
};

// Adds each row of `erros`, in order, by AdicionaErro.
void AdicionaErros(const std::vector<ErroRegra>& erros);

// Whether a row of the list is fatal.
bool TemErroFatal();

// Ends a save's checks: ComErros = (ContaErros > 1); with rows, shows frmErros modal. Returns true
// when the save may write (no rows, or warnings confirmed); on a refusal clears Cancelado and
// returns false. A save with no rows leaves Cancelado as it was.
bool ConcluiErros();

}  // namespace shell
