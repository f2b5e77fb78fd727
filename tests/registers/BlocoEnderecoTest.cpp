#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "RegistrosFixture.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/ui/Focus.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "registers/BlocoEndereco.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "support/Drive.h"
#include "support/MessageScript.h"

using namespace registers;
using namespace testsupport;
using platform::ui::Msg::OK;

namespace {

// The fields of an address, the block attached to them, and a field after the postal code.
class frmEnderecoTeste : public platform::ui::Form {
  public:
    frmEnderecoTeste() {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*>{txtCidade, txtUf, mskCep, txtCMun, txtPais,
                                                          txtCPais, cmdPesqMun, txtSeguinte})
            layout->addWidget(w);
        mskCep->setObjectName(QStringLiteral("mskCep"));
        txtUf->setObjectName(QStringLiteral("txtUf"));
        txtSeguinte->setObjectName(QStringLiteral("txtSeguinte"));
        txtCMun->setObjectName(QStringLiteral("txtCMun"));
        bloco = new BlocoEndereco(*this, {txtCidade, txtUf, mskCep, txtCMun, txtPais, txtCPais, cmdPesqMun},
                                  {[this] { return inclusao; }, [] { return true; },
                                   [this] { platform::ui::setFocusTo(txtSeguinte); }, true});
        bloco->LimpaCep();
    }
    QLineEdit* txtCidade = new QLineEdit(this);
    QLineEdit* txtUf = new QLineEdit(this);
    platform::controls::MaskEdBox* mskCep = new platform::controls::MaskEdBox(this);
    QLineEdit* txtCMun = new QLineEdit(this);
    QLineEdit* txtPais = new QLineEdit(this);
    QLineEdit* txtCPais = new QLineEdit(this);
    QPushButton* cmdPesqMun = new QPushButton(this);
    QLineEdit* txtSeguinte = new QLineEdit(this);
    BlocoEndereco* bloco;
    bool inclusao = true;
};

class BlocoEnderecoTest : public RegistrosFixture {
  protected:
    void SetUp() override {
        RegistrosFixture::SetUp();
        w = static_cast<frmEnderecoTeste*>(platform::ui::ShowInstance(new frmEnderecoTeste));
        ASSERT_NE(w, nullptr);
        settle();
        w->txtCidade->setText(QStringLiteral("São Paulo"));
        w->txtUf->setText(QStringLiteral("SP"));
    }
    // Types a postal code and leaves it; returns the field that then has the focus.
    QString Cep(const QString& digitos) {
        w->bloco->LimpaCep();
        typeInto(w, QStringLiteral("mskCep"), digitos);
        pressTab();
        settle();
        return focusedName();
    }
    QPointer<frmEnderecoTeste> w;
};

// Eight digits make a postal code: anything shorter, or all zeros, keeps the focus against Tab without
// a word; a click goes where it points, and the save refuses the code by name.
TEST_F(BlocoEnderecoTest, OnlyAFullPostalCodeOfANewRecordFillsTheMunicipality) {
    for (const char* incompleto : {"0100", "0100100", "00000000"}) {
        EXPECT_EQ(Cep(QString::fromLatin1(incompleto)), QStringLiteral("mskCep")) << incompleto;
        EXPECT_TRUE(w->txtCMun->text().isEmpty()) << incompleto;
        clickInto(w->txtSeguinte);
        EXPECT_EQ(focusedName(), QStringLiteral("txtSeguinte")) << incompleto;
        shell::IniciaErros();
        w->bloco->TestaCep();
        EXPECT_EQ(Geral::ListaErros[1].Descricao,
                  QStringLiteral("CEP Inválido, digite os 8 dígitos corretamente ou deixe o campo vazio !"));
    }
    w->inclusao = false;
    EXPECT_EQ(Cep(QStringLiteral("01001000")), QStringLiteral("txtCMun"));
    EXPECT_TRUE(w->txtCMun->text().isEmpty());
    w->inclusao = true;
    EXPECT_EQ(Cep(QStringLiteral("01001000")), QStringLiteral("txtSeguinte"));
    EXPECT_EQ(w->txtCMun->text(), QStringLiteral("3550308"));
    EXPECT_EQ(w->txtPais->text(), QStringLiteral("Brasil"));
    EXPECT_EQ(w->txtCPais->text(), QStringLiteral("1058"));
}

TEST_F(BlocoEnderecoTest, TheStateIsCheckedAndTheButtonConfirmsAKnownCode) {
    w->txtUf->clear();
    script->expect(QStringLiteral("Sigla do Estado Inválido, digite corretamente ou deixe o campo vazio"),
                   QStringLiteral("Erro"), OK);
    typeInto(w, QStringLiteral("txtUf"), QStringLiteral("XX"));
    pressTab();
    settle();
    EXPECT_EQ(focusedName(), QStringLiteral("txtUf"));
    w->txtUf->setText(QStringLiteral("sp"));
    w->bloco->txtUf_LostFocus();
    EXPECT_EQ(w->txtUf->text(), QStringLiteral("SP"));

    click(w->cmdPesqMun);
    EXPECT_EQ(w->txtCMun->text(), QStringLiteral("3550308"));
    script->expect(QStringLiteral("O código do Município São Paulo(SP) é 3550308 e está correto !"), OK);
    click(w->cmdPesqMun);
}

// A foreign party keeps its country; any other takes Brazil's as its municipality code is left.
TEST_F(BlocoEnderecoTest, LeavingTheMunicipalityFillsTheCountryButAForeignOne) {
    w->inclusao = false;
    w->txtUf->setText(QStringLiteral("EX"));
    w->bloco->txtCMun_LostFocus();
    EXPECT_TRUE(w->txtPais->text().isEmpty());
    w->txtUf->setText(QStringLiteral("SP"));
    w->bloco->txtCMun_LostFocus();
    EXPECT_EQ(w->txtCPais->text(), QStringLiteral("1058"));
}

}  // namespace
