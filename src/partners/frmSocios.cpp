#include "partners/frmSocios.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

#include "partners/frmClasseInss.h"
#include "partners/pessoas_sql.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBDate.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/Vb.h"

namespace partners {

namespace ui = platform::ui;
using platform::controls::TDBDate;

namespace {
const TextosPessoa& Textos() {
    static const TextosPessoa t{"frmSocios",
                                QStringLiteral("Arquivo de Sócios"),
                                FamiliaSocios(),
                                "txtSocio",
                                QStringLiteral("Nome do Sócio"),
                                "tdbSocios",
                                QStringLiteral("Tabela de Sócios Cadastrados"),
                                "sstabSoc",
                                QStringLiteral("Não existe nenhum sócio cadastrado, cadastrar agora ?"),
                                QStringLiteral("O campo nome do sócio é obrigatório !"),
                                QStringLiteral("Grava Informações"),
                                19,
                                20};
    return t;
}

TDBDate* Data(QWidget* dono) {
    auto* d = new TDBDate(dono);
    d->setMinDate(QDate(1900, 1, 1));
    d->setMaxDate(platform::values::MaximumDate);
    return d;
}
}  // namespace

frmSocios::frmSocios(QWidget* parent)
    : JanelaPessoa(Textos(), parent),
      mskRg(new platform::controls::MaskEdBox(this)),
      txtExped(new QLineEdit(this)),
      tdbexpedicao(Data(this)),
      tdbnascto(Data(this)),
      cmbcivil(new QComboBox(this)),
      txtNacionalidade(new QLineEdit(this)),
      txtDdd(new QLineEdit(this)),
      txtFone(new QLineEdit(this)),
      tdbadmissao(Data(this)) {
    auto* geral = new QWidget(abas);
    int tab = 10;
    ui::FormBuilder campos(geral, lblTit, tab);
    campos.field(mskRg, "mskRg", "RG", 0, 0);
    campos.field(txtExped, "txtExped", "Org.Exp.", 0, 2);
    campos.field(tdbexpedicao, "tdbexpedicao", "Data Expedição", 0, 4);
    campos.field(tdbnascto, "tdbnascto", "Data Nascto.", 1, 0);
    campos.field(cmbcivil, "cmbcivil", "Estado Civil", 1, 2);
    campos.field(txtNacionalidade, "txtNacionalidade", "Nacionalidade", 1, 4);
    campos.field(txtDdd, "txtDdd", "DDD", 2, 0);
    campos.field(txtFone, "txtFone", "Telefone", 2, 2);
    campos.field(tdbadmissao, "tdbadmissao", "Data Adm.Socied.", 2, 4);
    mskRg->setMask(QStringLiteral("##.###.###-#"));
    txtExped->setMaxLength(4);
    txtNacionalidade->setMaxLength(20);
    txtDdd->setMaxLength(4);
    txtFone->setMaxLength(11);
    cmbcivil->setEditable(false);
    // The start date's caption shares the remarks' index, and the remarks light no caption.
    lblDataInicio->setObjectName(QStringLiteral("lblTit20"));
    lblTit.add(20, lblDataInicio);
    abas->addTab(geral, QStringLiteral("Geral"));
    abas->addTab(paginaInss, QStringLiteral("INSS"));
    abas->addTab(paginaObs, QStringLiteral("Obs."));

    Liga({{mskRg, QStringLiteral("rg")},
          {txtExped, QStringLiteral("orgao_exp")},
          {tdbexpedicao, QStringLiteral("data_exp")},
          {tdbnascto, QStringLiteral("nascto")},
          {cmbcivil, QStringLiteral("estado_civil")},
          {txtNacionalidade, QStringLiteral("nacionalidade")},
          {txtDdd, QStringLiteral("ddd")},
          {txtFone, QStringLiteral("fone")},
          {tdbadmissao, QStringLiteral("data_adm_soc")}});
    ui::onLostFocus(tdbadmissao, this, &frmSocios::tdbadmissao_LostFocus);
    ui::onLostFocus(mskInscricao, this, &frmSocios::mskInscricao_LostFocus);
}

void frmSocios::PreencheListas() {
    cmbcivil->addItems({QStringLiteral(" "), QStringLiteral("Solteiro"), QStringLiteral("Casado"),
                        QStringLiteral("Divorciado")});
}

void frmSocios::MostraProprios(const platform::db::Recordset& registro) {
    const int civil = cmbcivil->findText(registro.Fields(QStringLiteral("estado_civil")).toString());
    cmbcivil->setCurrentIndex(civil < 0 ? 0 : civil);
}

void frmSocios::LimpaProprios() { cmbcivil->setCurrentIndex(0); }

void frmSocios::AposCep() { VaiPara(mskRg); }

void frmSocios::AbreClasse() {
    frmSocInss classe(this);
    ui::ShowModal(classe);
}

void frmSocios::tdbadmissao_LostFocus() { VaiPara(mskInscricao); }

void frmSocios::mskInscricao_LostFocus() { VaiPara(txtObservacao); }

}  // namespace partners
