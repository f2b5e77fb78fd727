#pragma once

#include <QString>

namespace registers {

// What the digits of a typed CNPJ/CPF make of it.
enum class TipoChave {
    Invalida,  // neither 11 nor 14 digits
    Cpf,       // 11 digits
    Cnpj,      // 14 digits
};

struct ChaveCgc {
    TipoChave tipo = TipoChave::Invalida;
    // The bare digits, as the check-digit routines take them.
    QString digitos;
    // The key as it is stored, "###.###.###-##" or "##.###.###/####-##", whether or not its check
    // digits are right; for any other count of digits, the text as typed.
    QString texto;
};

// Reads the digits of a typed key (SoNumeros) and rewrites it by their count. A comma or colon that
// the digit filter keeps makes the key invalid: only digits count.
ChaveCgc ReescreveCgc(const QString& digitado);

}  // namespace registers
