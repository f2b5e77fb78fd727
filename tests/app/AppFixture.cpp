#include "AppFixture.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/MotorImpressao.h"
#include "platform/db/Connection.h"
#include "platform/ui/Form.h"
#include "platform/ui/Hourglass.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/SenhaAdm.h"
#include "support/TempProgramFolder.h"

namespace apptest {

namespace {
QString ConexaoDe(const QString& arquivo) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=false; Data Source=") +
           arquivo + QStringLiteral(";Jet OLEDB:Database Password=;");
}

void Copia(const QString& modelo, const QString& destino) {
    ASSERT_TRUE(QFile::copy(testsupport::TempProgramFolder::templatePath(modelo), destino))
        << modelo.toStdString();
    QFile::setPermissions(destino, QFile::ReadOwner | QFile::WriteOwner);
}
}  // namespace

PastaPrograma::PastaPrograma(int conteudo) : dono_(!testsupport::inDeathTestChild()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const qint64 pai = dono_ ? ::getpid() : ::getppid();
    path_ = QDir::tempPath() +
            QStringLiteral("/rt-app-%1-%2.%3/")
                .arg(pai)
                .arg(QString::fromUtf8(info->test_suite_name()), QString::fromUtf8(info->name()));
    if (!dono_) return;
    QDir(path_).removeRecursively();
    QDir().mkpath(path_);
    if (conteudo & Ajuste) Copia(QStringLiteral("Ajuste.mdb"), arquivo(QStringLiteral("Ajuste.mdb")));
    if (conteudo & Trabdados) Copia(QStringLiteral("Ajuste.mdb"), arquivo(QStringLiteral("Trabdados.mdb")));
    if (conteudo & Movimento)
        Copia(QStringLiteral("Movimento.mdb"), arquivo(QStringLiteral("Movimento.mdb")));
    if (conteudo & Tarvel) QDir(path_).mkdir(QStringLiteral("Tarvel"));
}

PastaPrograma::~PastaPrograma() {
    if (dono_) QDir(path_).removeRecursively();
}

bool PastaPrograma::existe(const QString& nome) const { return QFileInfo::exists(arquivo(nome)); }
bool PastaPrograma::ehPasta(const QString& nome) const { return QFileInfo(arquivo(nome)).isDir(); }
QString PastaPrograma::conexao() const { return ConexaoDe(arquivo(QStringLiteral("Trabdados.mdb"))); }

void AppTest::Prepara(int conteudo) {
    pasta = std::make_unique<PastaPrograma>(conteudo);
    qputenv("REDAZOR_DIR", pasta->path().toUtf8());
}

void AppTest::TearDown() {
    platform::ui::destroyAllForms();
    janela.reset();
    testsupport::settle();
    script.reset();
    app::FechaMotorImpressao();
    platform::ui::resetPointer();
    Geral::ReiniciaEstadoGeral();
    qunsetenv("REDAZOR_DIR");
    pasta.reset();
}

void AppTest::CriaUsuario(const Usuario& u) {
    if (testsupport::inDeathTestChild()) return;
    platform::db::Connection cn;
    cn.Open(pasta->conexao());
    cn.Execute(
        QStringLiteral("INSERT INTO usuarios (codigo, nome, senha, impressora, dsenha, cfcon, cfadi, cfexc, "
                       "cfalt, cfbai, bdcon, bdadi, bdexc, bdalt) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {u.codigo, u.nome, Geral::CodificaSenha(u.senha), u.impressora, QDate::currentDate(), u.direitos[0],
         u.direitos[1], u.direitos[2], u.direitos[3], u.direitos[4], u.direitos[5], u.direitos[6],
         u.direitos[7], u.direitos[8]});
}

void AppTest::DefineSenhaAdm(const QString& senha) {
    if (testsupport::inDeathTestChild()) return;
    platform::db::Connection cn;
    cn.Open(pasta->conexao());
    shell::GravaSenhaAdm(cn, shell::HashSenhaAdm(senha));
}

QString AppTest::SenhaAdmGuardada() {
    platform::db::Connection cn;
    cn.Open(pasta->conexao());
    return shell::LeSenhaAdm(cn);
}

app::MDIformTarvel& AppTest::Cria(app::TabelaJanelas janelas) {
    janela = std::make_unique<app::MDIformTarvel>(std::move(janelas));
    return *janela;
}

app::MDIformTarvel& AppTest::Inicia(app::TabelaJanelas janelas) {
    Cria(std::move(janelas));
    janela->MDIForm_Load();
    janela->show();
    QApplication::setActiveWindow(janela.get());
    testsupport::settle();
    return *janela;
}

std::function<void(QDialog&)> AppTest::Entra(const QString& nome, const QString& senha) {
    return [nome, senha](QDialog& d) {
        testsupport::typeInto(&d, QStringLiteral("txtlogin"), nome);
        testsupport::pressTab();
        testsupport::typeText(senha);
        testsupport::pressEnter();
    };
}

std::function<void(QDialog&)> AppTest::NovaSenhaAdm(const QString& senha, const QString& confirmacao) {
    return [senha, confirmacao](QDialog& d) {
        testsupport::typeInto(&d, QStringLiteral("txtSenha"), senha);
        testsupport::pressTab();
        testsupport::typeText(confirmacao);
        testsupport::click(&d, QStringLiteral("cmdOk"));
    };
}

}  // namespace apptest
