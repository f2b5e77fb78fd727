#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "support/RegistryWindowFixture.h"

// A window test of the users family, with the shell's report layouts.
class UsuariosFixture : public testsupport::RegistryWindowFixture {
  protected:
    void SetUp() override;

    // A user row as another copy of the program (or an older registry) left it: `senha` is the
    // typed password, stored in its encoded form; an empty `impressora` is stored as null.
    void InsereUsuario(int codigo, const QString& nome, const QString& senha, const QString& impressora = "J",
                       const QDate& dsenha = QDate(2011, 3, 15), const QString& direitos = "000000000");
    // The text of one column of the user of `codigo` ("<nenhum>" without such a row); true/false
    // columns read "1" or "0".
    QString Coluna(int codigo, const QString& coluna);
    // The nine rights of the row of `codigo`, bdcon first, as "1"/"0" characters.
    QString Direitos(int codigo);
    long Usuarios();
    // Whether `nome` with `senha` logs in as an ordinary user.
    bool Entra(const QString& nome, const QString& senha);
    // The message the handler guard shows when the row of usuarios is written while a trigger
    // refuses every write.
    QString BloqueiaEscrita();

    // The error-list rows that the next error dialog shows (its OK closes it).
    void EsperaErros(QStringList* linhas);
};
