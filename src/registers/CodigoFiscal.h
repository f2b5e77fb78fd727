#pragma once

#include <QString>

// The rules of the two tables of CFOP codes: the codes in force up to 2002 ("9.99" or "9.99.9") and
// those from 2003 ("9.999"), each typed into a masked field whose empty text shows "_" for each digit.
namespace registers::cfop {

enum class Tabela { Ate2002, Desde2003 };

// What differs between the two tables.
struct Definicao {
    QString tabela;           // "CodFiscal" or "CodFiscal2003"
    QString mascara;          // the input mask of the key field
    QString vazio;            // the key field's text when nothing is typed
    QString colunaDuplicado;  // the column the save's duplicate test selects
    QString caption;          // the window's caption
    QString titulo;           // the print's title (formula Tit), without its quotes
};
const Definicao& DefinicaoDe(Tabela t);

// The key field's text, judged on leaving the field or saving.
struct Chave {
    enum Estado {
        Vazia,       // the empty mask: nothing to do
        Incompleta,  // refused silently: the focus stays in the field
        Completa,    // a whole code, in `codigo`
    };
    Estado estado = Vazia;
    QString codigo;
};

// Up to 2002 a code is "D.DD" or "D.DD.D" whose first digit is not 0 (the mask's "9.99._" is cut to
// "9.99"); from 2003 it is "D.DDD", a leading 0 accepted. A text with gaps between its digits is
// incomplete, like a text whose last digits are missing, so no malformed code is ever stored.
Chave AnalisaChave(Tabela t, const QString& texto);

// The level stored with a new code: '1', '2' or '3'. Up to 2002: "00" at the end gives '1', "0" gives
// '2'. From 2003, by that table's structure: x.000 is '1', the group headings x.y00 and x.y50 are '2',
// every other code '3' (real operation codes such as 5.910 end in 0).
QString Nivel(Tabela t, const QString& codigo);

// The key field's text for a stored code: a four-character code of the table up to 2002 gets "._"
// appended so that it fills the mask.
QString TextoNaMascara(Tabela t, const QString& codigo);

}  // namespace registers::cfop
