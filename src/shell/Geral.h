#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <concepts>

#include "platform/values/Currency.h"

// The shared routines of the program: check digits, digit filters, the texts stored, printed and sent,
// and the stored form of a password. Errors they raise reach the caller as
// platform::values::RuntimeError with the original's numbers (5 invalid argument, 6 overflow, 94
// invalid use of null). The overloads on QVariant take a value that may be the database's null; they
// are templates so that a plain text or number always picks its own overload.
namespace Geral {

using platform::values::Currency;

// True when the two check digits of the 11-character CPF are right. A text of another length (after
// trimming blanks) is false without a word; wrong check digits show "CPF Inválido !" under "Erro".
bool ValidaCPF(const QString& Cpf);
// The same for a 14-character CNPJ, with "CGC Inválido !".
bool ValidaCGC(const QString& Cgc);
// The same checks without a word to the user, for numbers stored by others.
bool CpfConfere(const QString& Cpf);
bool CgcConfere(const QString& Cgc);

// The digits, the colon and the first comma of `Texto` (SoNumerosSinal: also every minus sign).
// `Texto` itself is left trimmed of blanks at both ends. A null value gives "" and stays null.
QString SoNumeros(QString& Texto);
QString SoNumerosSinal(QString& Texto);
QString SoNumerosVariant(QVariant& Texto);
QString SoNumerosSinalVariant(QVariant& Texto);
template <std::same_as<QVariant> V>
QString SoNumeros(V& Texto) {
    return SoNumerosVariant(Texto);
}
template <std::same_as<QVariant> V>
QString SoNumerosSinal(V& Texto) {
    return SoNumerosSinalVariant(Texto);
}

// The text with the accented letters of Windows-1252 replaced by plain ones and the apostrophe by a
// blank; the length does not change. Null is an invalid-use-of-null error.
QString TiraAcentos(const QString& Texto);
QString TiraAcentosVariant(const QVariant& Texto);
template <std::same_as<QVariant> V>
QString TiraAcentos(const V& Texto) {
    return TiraAcentosVariant(Texto);
}

// The value as text, trimmed, with every "," turned into "."; empty (or null) gives "". A number is
// first written as the regional text ("1234,56").
QString TrocaVirgula(const QString& Valor);
QString TrocaVirgula(Currency Valor);
QString TrocaVirgula(double Valor);
QString TrocaVirgulaVariant(const QVariant& Valor);
template <std::same_as<QVariant> V>
QString TrocaVirgula(const V& Valor) {
    return TrocaVirgulaVariant(Valor);
}

// Rounds exactly in decimal to `Casas` places, half up (a negative half goes towards zero).
Currency Arredonda(Currency Valor, int Casas);

// A number of 0 to 999, given as up to three characters, in upper-case Portuguese words, masculine or
// feminine, optionally split into syllables ("DU-ZEN-TAS E VIN-TE E DU-AS"). "0" and "" give "".
// More than three characters is an invalid-argument error.
QString NumeroExtenso(const QString& Numero, bool Masculino, bool Silabas);

// `Valor` trimmed, filled on the left with zeros to `Tamanho` (0 to 255) characters. A longer value is
// never cut: it is an invalid-argument error; a null value is an invalid-use-of-null error.
QString Zeros(const QString& Valor, int Tamanho);
QString Zeros(qint64 Valor, int Tamanho);
QString ZerosVariant(const QVariant& Valor, int Tamanho);
template <std::same_as<QVariant> V>
QString Zeros(const V& Valor, int Tamanho) {
    return ZerosVariant(Valor, Tamanho);
}

// The last day of the month of `Data`, "28" to "31", by the Gregorian calendar. The null date is
// the empty date, 30/12/1899, and gives "31".
QString UltimoDiaMes(const QDate& Data);

// "Janeiro" to "Novembro" for 1 to 11; every other value gives "Dezembro".
QString NomeMes(int Mes);

// The password form older versions stored, compared for equality and never decoded; only a login
// still reads it (new forms are hashes, SenhaAdm.h). Character codes are Windows-1252. A character
// outside Windows-1252 or a shifted code outside 0 to 255 is an invalid-argument error, a sum beyond
// 16 bits an overflow error.
QString CodificaSenha(const QString& Senha);

}  // namespace Geral
