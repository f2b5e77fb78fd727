#include "partners/frmTerceiros.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "partners/frmClasseInss.h"
#include "partners/pessoas_sql.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/ShowModal.h"

namespace partners {

namespace ui = platform::ui;
using platform::values::Currency;

namespace {
const TextosPessoa& Textos() {
    static const TextosPessoa t{"frmTerceiros",
                                QStringLiteral("Arquivo de Terceiros"),
                                FamiliaTerceiros(),
                                "txtterceiros",
                                QStringLiteral("Nome "),
                                "tdbTerceiros",
                                QStringLiteral("Tabela de Terceiros Cadastrados"),
                                "sstabTer",
                                QStringLiteral("Não existe nenhum terceiro cadastrado, cadastrar agora ?"),
                                QStringLiteral("O campo nome é obrigatório !"),
                                QStringLiteral("Grava as Informações"),
                                10,
                                13};
    return t;
}
}  // namespace

frmTerceiros::frmTerceiros(QWidget* parent)
    : JanelaPessoa(Textos(), parent),
      cmbTinscr(new QComboBox(paginaInss)),
      tdbScinss(new platform::controls::TDBNumber(paginaInss)) {
    cmbTinscr->setObjectName(QStringLiteral("cmbTinscr"));
    cmbTinscr->setEditable(false);
    tdbScinss->setObjectName(QStringLiteral("tdbScinss"));
    tdbScinss->setDisplayFormat(QStringLiteral("###,###,##0.00"));
    tdbScinss->setMinValue(Currency::fromRaw(-9999999999900));
    tdbScinss->setMaxValue(Currency::fromRaw(9999999999900));
    ui::setTabIndex(cmbTinscr, 11);
    ui::setTabIndex(tdbScinss, 12);
    const std::pair<QWidget*, const char*> proprios[] = {{cmbTinscr, "Tipo de Inscrição"},
                                                         {tdbScinss, "Salário de Contribuição "}};
    int linha = 1;
    for (auto [campo, titulo] : proprios) {
        auto* rotulo = new QLabel(QString::fromUtf8(titulo), paginaInss);
        lblTit.add(ui::tabIndex(campo), rotulo);
        gradeInss->addWidget(rotulo, linha, 0);
        gradeInss->addWidget(campo, linha++, 1);
    }
    lblDataInicio->setObjectName(QStringLiteral("lbldini"));
    // The remarks' caption has no text.
    auto* semTitulo = new QLabel(paginaObs);
    paginaObs->layout()->addWidget(semTitulo);
    lblTit.add(13, semTitulo);
    abas->addTab(paginaInss, QStringLiteral("INSS"));
    abas->addTab(paginaObs, QStringLiteral("Observ"));

    Liga({{cmbTinscr, QStringLiteral("tipoinscr_inss")}, {tdbScinss, QStringLiteral("scinss")}});
    ui::onLostFocus(cmbTinscr, this, &frmTerceiros::cmbTinscr_LostFocus);
    ui::onLostFocus(tdbScinss, this, &frmTerceiros::tdbScinss_LostFocus);
}

void frmTerceiros::PreencheListas() {
    cmbTinscr->addItems({QStringLiteral(" "), QStringLiteral("Autônomo"), QStringLiteral("Contr.em Dobro"),
                         QStringLiteral("Empr.Doméstica"), QStringLiteral("Empregador")});
}

void frmTerceiros::MostraProprios(const platform::db::Recordset& registro) {
    const int tipo = cmbTinscr->findText(registro.Fields(QStringLiteral("tipoinscr_inss")).toString());
    cmbTinscr->setCurrentIndex(tipo < 0 ? 0 : tipo);
}

void frmTerceiros::LimpaProprios() { cmbTinscr->setCurrentIndex(0); }

void frmTerceiros::AposCep() { VaiPara(mskInscricao); }

void frmTerceiros::AbreClasse() {
    frmTerInss classe(this);
    ui::ShowModal(classe);
}

// An employer or a self-employed person has no contribution salary here.
void frmTerceiros::cmbTinscr_LostFocus() {
    const QString tipo = cmbTinscr->currentText();
    if (tipo == QStringLiteral("Empregador") || tipo == QStringLiteral("Autônomo")) VaiPara(txtObservacao);
}

void frmTerceiros::tdbScinss_LostFocus() { VaiPara(txtObservacao); }

}  // namespace partners
