#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/report/Fonts.h"
#include "platform/report/PageModel.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

// A window test of the users family: an installed program folder whose registry the module state
// names, a connection of the test's own to prepare and check the rows, the report fonts and the
// shell's report layouts.
class UsuariosFixture : public testsupport::UiFixture {
  protected:
    void SetUp() override;
    void TearDown() override;

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

    // The documents of the previews in the shared preview window, and its caption.
    std::vector<platform::report::Document> Previas() const;
    QString CaptionPrevia() const;
    // The error-list rows that the next error dialog shows (its OK closes it).
    void EsperaErros(QStringList* linhas);

    testsupport::TempProgramFolder pasta;
    platform::db::Connection db;

  private:
    std::unique_ptr<platform::report::ReportFonts> fontes_;
};
