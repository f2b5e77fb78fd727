#pragma once

#include <QDate>
#include <QString>

#include "platform/db/Connection.h"
#include "platform/values/Currency.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

namespace movtest {

using platform::values::Currency;

// A program folder with the registry, the movement template and the empty "Tarvel" folder, as the
// start-up leaves it, and the shared state pointing at it.
class MovimentoTest : public testsupport::UiFixture {
  protected:
    void SetUp() override;

    QString tarvel(const QString& nome = {}) const {
        return pasta.filePath(QStringLiteral("Tarvel/") + nome);
    }
    QStringList arquivosTarvel() const;
    // An ICMS document in `tabela` of `banco`: entry date, CNPJ, CFOP and accounting value.
    static qint64 InsereIcms(platform::db::Connection& banco, const QString& tabela, const QDate& data,
                             const QString& cgc = {}, Currency valor = {});

    testsupport::TempProgramFolder pasta;
};

}  // namespace movtest
