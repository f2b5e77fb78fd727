#include "RegistrosFixture.h"

#include <memory>

#include "platform/report/Fonts.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "registers/Relatorios.h"
#include "shell/EstadoGeral.h"

namespace {

// The report fonts are loaded once for the whole test binary, from the build's own copies.
class FontsEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        fonts_ = std::make_unique<platform::report::ReportFonts>(QStringLiteral(RT_BIN_DIR "/fonts"));
        registers::RegistraRelatorios();
        testsupport::setModuleStateReset([] { Geral::ReiniciaEstadoGeral(); });
    }
    void TearDown() override { fonts_.reset(); }

  private:
    std::unique_ptr<platform::report::ReportFonts> fonts_;
};

[[maybe_unused]] ::testing::Environment* const fontsEnvironment =
    ::testing::AddGlobalTestEnvironment(new FontsEnvironment);

}  // namespace

void RegistrosFixture::SetUp() {
    UiFixture::SetUp();
    Geral::ConexaoCadastro = pasta.registryConnection();
    Geral::DiretorioSistema = pasta.path();
    db.Open(Geral::ConexaoCadastro);
}

void RegistrosFixture::TearDown() {
    db.Close();
    UiFixture::TearDown();
}

QString RegistrosFixture::Coluna(const QString& tabela, const QString& chave, const QString& valor,
                                 const QString& coluna) {
    auto rs = db.OpenRecordset(QStringLiteral("SELECT ") + coluna + QStringLiteral(" FROM ") + tabela +
                                   QStringLiteral(" WHERE ") + chave + QStringLiteral(" = ?"),
                               {valor});
    return rs.Eof() ? QStringLiteral("<nenhum>") : rs.Fields(0).toString();
}

long RegistrosFixture::Conta(const QString& tabela) {
    return long(
        db.OpenRecordset(QStringLiteral("SELECT Count(*) AS I FROM ") + tabela).Fields(0).toLongLong());
}

std::vector<platform::report::Document> RegistrosFixture::Previas() const {
    std::vector<platform::report::Document> r;
    if (auto* host = platform::report::frmRelatorio::shared())
        for (auto* p : host->previews()) r.push_back(p->document());
    return r;
}

QString RegistrosFixture::CaptionPrevia() const {
    auto* host = platform::report::frmRelatorio::shared();
    return host ? host->caption() : QString();
}
