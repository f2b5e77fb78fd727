#include "MovimentoFixture.h"

#include <QDir>

#include "shell/EstadoGeral.h"

namespace movtest {

void MovimentoTest::SetUp() {
    Geral::ReiniciaEstadoGeral();
    UiFixture::SetUp();
    Geral::DiretorioSistema = pasta.path();
    Geral::ConexaoCadastro = pasta.registryConnection();
}

QStringList MovimentoTest::arquivosTarvel() const {
    return QDir(tarvel()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

qint64 MovimentoTest::InsereIcms(platform::db::Connection& banco, const QString& tabela, const QDate& data,
                                 const QString& cgc, Currency valor) {
    banco.Execute(QStringLiteral("INSERT INTO ") + tabela +
                      QStringLiteral(" (datalan,cgc,uf,codfiscal,vlrcontabil) VALUES(?,?,'SP','5.102',?)"),
                  {data, cgc, valor});
    return banco.OpenRecordset(QStringLiteral("SELECT last_insert_rowid()")).Fields(0).toLongLong();
}

}  // namespace movtest
