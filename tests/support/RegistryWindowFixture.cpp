#include "support/RegistryWindowFixture.h"

#include <QApplication>

#include "platform/report/Fonts.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/frmRelatorio.h"
#include "shell/EstadoGeral.h"

namespace testsupport {

QList<platform::report::frmRelatorio*> previewWindows() {
    QList<platform::report::frmRelatorio*> janelas;
    for (QWidget* p : QApplication::allWidgets())
        if (auto* r = qobject_cast<platform::report::frmRelatorio*>(p)) janelas << r;
    return janelas;
}

RegistryWindowFixture::RegistryWindowFixture() = default;
RegistryWindowFixture::~RegistryWindowFixture() = default;

void RegistryWindowFixture::SetUp() {
    Geral::ReiniciaEstadoGeral();
    UiFixture::SetUp();
    if (!platform::report::ReportFonts::current())
        fontes_ = std::make_unique<platform::report::ReportFonts>(QStringLiteral(RT_BIN_DIR "/fonts"));
    Geral::ConexaoCadastro = pasta.registryConnection();
    Geral::DiretorioSistema = pasta.path();
    db.Open(Geral::ConexaoCadastro);
}

void RegistryWindowFixture::TearDown() {
    db.Close();
    UiFixture::TearDown();
    Geral::ReiniciaEstadoGeral();
    fontes_.reset();
}

std::vector<platform::report::Document> RegistryWindowFixture::Previas() const {
    std::vector<platform::report::Document> r;
    if (auto* host = platform::report::frmRelatorio::shared())
        for (auto* p : host->previews()) r.push_back(p->document());
    return r;
}

QString RegistryWindowFixture::CaptionPrevia() const {
    auto* host = platform::report::frmRelatorio::shared();
    return host ? host->caption() : QString();
}

}  // namespace testsupport
