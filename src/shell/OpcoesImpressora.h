#pragma once

#include <QString>

class QRadioButton;

namespace shell {

// The four option buttons of a printer kind, as the users window and the active-printer window show
// them: "M" Matricial, "J" Jato de Tinta, "L" Laser, anything else Sem Impressora.
struct OpcoesImpressora {
    QRadioButton* matricial;
    QRadioButton* jato;
    QRadioButton* laser;
    QRadioButton* nenhuma;

    // The letter stored in usuarios.impressora for the chosen option ("S" when none of the others).
    QString Letra() const;
    // Checks the option of a stored letter; an unknown or empty letter is Sem Impressora.
    void Marca(const QString& letra) const;
};

}  // namespace shell
