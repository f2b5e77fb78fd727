#pragma once

#include <QString>

#include "platform/db/ColumnList.h"
#include "support/RegistryWindowFixture.h"

// A registry with companies and their terms rows, prepared as another workstation would.
class TermoFixture : public testsupport::RegistryWindowFixture {
  protected:
    // Company number `codigo`, with a full address; its automatic number.
    qint64 Empresa(qint64 codigo, const QString& nome = QStringLiteral("Comércio Exemplo Ltda"));
    // The terms row of the company of automatic number `codauto`, every column filled.
    void TermoCompleto(qint64 codauto);
    // Rewrites the company's terms row whole from one field text per column (`p1a` the model).
    void GravaTextos(qint64 codauto, const QStringList& textos, bool p1a);
    // The field texts of a full row, in the columns' order, and the row they store.
    static QStringList TextosCompletos();
    // The full row read back as texts, in the same order: numbers with their zeros, the flags as words.
    static QStringList TextosLidos();
};
