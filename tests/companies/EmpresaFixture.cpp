#include "EmpresaFixture.h"

#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "companies/RelatorioEmpresa.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/Form.h"
#include "shell/EstadoGeral.h"
#include "support/EmpresaGravada.h"

using namespace testsupport;

void EmpresaFixture::SetUp() {
    RegistryWindowFixture::SetUp();
    Empresas::RegistraRelatorios();
    w = platform::ui::ShowForm<Empresas::frmEmpresas>();
    ASSERT_TRUE(w);
    settle();
}

testsupport::DadosEmpresa EmpresaFixture::Empresa(qint64 codigo, const QString& nome) {
    testsupport::DadosEmpresa e;
    e.codigo = codigo;
    e.nome = nome;
    e.uf = QStringLiteral("SP");
    e.situ = QStringLiteral("A");
    e.cep = QStringLiteral("_____-___");
    e.cgc = QStringLiteral("__.___.___/____-__");
    e.cei = QStringLiteral("__.___._____-__");
    e.ccm = QStringLiteral("__.___.___-__");
    e.cnae = QStringLiteral("_____-__");
    e.tipo_empresa = QStringLiteral(" ");
    for (QString* c : {&e.tpescri, &e.tpipi, &e.icms, &e.gricms, &e.sp}) *c = QStringLiteral(" ");
    return e;
}

qint64 EmpresaFixture::Insere(const testsupport::DadosEmpresa& e) {
    testsupport::InsereEmpresa(db, e);
    return Empresas::LeEmpresa(db, e.codigo).Fields(QStringLiteral("codauto")).toLongLong();
}

qint64 EmpresaFixture::Insere(qint64 codigo, const QString& nome) { return Insere(Empresa(codigo, nome)); }

void EmpresaFixture::Carrega(qint64 codigo) {
    typeInto(w, QStringLiteral("txtCodigo"), QString::number(codigo));
    pressTab();
    settle();
    ASSERT_EQ(w->Estado(), 2);
}

void EmpresaFixture::Abre(const QString& dialogo, const QString& botao, std::function<void(QDialog&)> drive) {
    script->onDialog(dialogo, std::move(drive));
    auto* b = control<QPushButton>(w, botao);
    w->sstabCli->setTab(b == w->cmdEnquadra ? 1 : 2);
    settle();
    click(b);
    settle();
}

QStringList EmpresaFixture::Linhas(platform::controls::TDBList* lista) {
    QStringList linhas;
    const auto* a = lista->Array();
    for (int i = a->LowerBound(1); i <= a->UpperBound(1); ++i) {
        QStringList celulas;
        for (int c = a->LowerBound(2); c <= a->UpperBound(2); ++c) celulas << a->Value(i, c).toString();
        linhas << celulas.join(u'|');
    }
    return linhas;
}

void EmpresaFixture::EscolheLinha(platform::controls::TDBList* lista, int linha) {
    QTableView* v = lista->view();
    const QRect r = v->visualRect(v->model()->index(linha, 0));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    settle();
}

void EmpresaFixture::EsperaErros(QStringList* linhas) {
    script->onDialog(QStringLiteral("frmErros"), [linhas](QDialog& d) {
        auto* lista = control<platform::controls::TDBList>(&d, QStringLiteral("tdbErros"));
        for (int i = 0; i < lista->Array()->Count(1); ++i)
            *linhas << lista->Array()->Value(lista->Array()->LowerBound(1) + i, 2).toString();
        click(&d, QStringLiteral("cmdOk"));
    });
}
