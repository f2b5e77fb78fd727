#include "utilities/frmAjMov.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "companies/CampoEmpresa.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/TDBDate.h"
#include "platform/files/FileLookup.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "utilities/Reconstrucao.h"

namespace utilities {

namespace ui = platform::ui;
using platform::controls::TDBDate;

namespace {
const char* const Suporte[] = {
    "Antes de utilizar esta rotina faça uma cópia de segurança atualizada da empresa ",
    "(Arquivo Trabdados.MDB) e do movimento a ser ajustado (Arquivo MV + ano base + ",
    "código da empresa. Exemplo: MV080001 => Movimento de 2008 da empresa 001).",
    "Também é necessário que apenas esta janela esteja ativa, confirme clicando o menu ",
    "\"Janelas\", somente esta janela deverá estar na relação."};
}  // namespace

frmAjMov::frmAjMov(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmAjMov"));
    setWindowTitle(QStringLiteral("Ajuste Individual do Arquivo de Movimento Anual"));
    int indice = 0;
    Frame2 = new QGroupBox(QStringLiteral(" Empresa Ativa"), this);
    ui::FormBuilder f(Frame2, lblTit, indice);
    txtCodigo = f.text("txtCodigo", "Código:", 4, 0, 0);
    cmdPesqe =
        f.next(ui::FormBuilder::button(Frame2, "cmdPesqe", "A&tivar", "Ativa uma Empresa"), "cmdPesqe");
    f.layout()->addWidget(cmdPesqe, 0, 2);
    lblNome = f.field(new QLabel(Frame2), "lblNome", "Empresa:", 1, 0, 2);
    lblUf = f.field(new QLabel(Frame2), "lblUf", "UF:", 2, 0);
    tdbAno = f.field(new TDBDate(Frame2), "tdbAno", "Indique o Ano Base do Ajuste: ", 3, 0);
    tdbAno->setDisplayFormat(QString::fromLatin1(TDBDate::YearFormat));
    tdbAno->setMinDate(QDate(2000, 1, 1));
    tdbAno->setMaxDate(QDate(2099, 12, 31));
    tdbAno->clear();
    cmdAjustar = ui::FormBuilder::button(this, "cmdAjustar", "&Ajustar", "Grava as informações");
    cmdSair = ui::asExit(ui::FormBuilder::button(this, "cmdSair", "&Sair", "Sair"));
    txtSuporte = new platform::controls::MultiLineText(this);
    txtSuporte->setObjectName(QStringLiteral("txtSuporte"));
    QString suporte;
    for (const char* linha : Suporte) suporte += QString::fromUtf8(linha) + QStringLiteral("\r\n");
    txtSuporte->setText(suporte);
    txtSuporte->setReadOnly(true);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdAjustar);
    botoes->addWidget(cmdSair);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame2);
    layout->addLayout(botoes);
    layout->addWidget(txtSuporte);
    ui::applyTabOrder(this);
    ui::installEntryKeys(this);

    ui::onKeyPress(txtCodigo, this, &frmAjMov::txtCodigo_KeyPress);
    ui::onLostFocus(txtCodigo, this, &frmAjMov::txtCodigo_LostFocus);
    ui::onClick(cmdPesqe, this, &frmAjMov::cmdPesqe_Click);
    ui::onClick(cmdAjustar, this, &frmAjMov::cmdAjustar_Click);
    ui::onClick(cmdSair, [this] { close(); });
}

// The rebuild needs only the code and year typed: a registry that cannot be opened is told once here
// and the window stays, without the company lookup.
void frmAjMov::Form_Load() {
    try {
        cn.Open(Geral::ConexaoCadastro);
    } catch (const platform::values::RuntimeError& e) {
        cn.Close();
        ui::showError(e.number(), e.description());
    }
}

void frmAjMov::Form_Unload(bool&) { cn.Close(); }

void frmAjMov::txtCodigo_KeyPress(int& KeyAscii) {
    if ((KeyAscii < '0' || KeyAscii > '9') && KeyAscii != 8) KeyAscii = 0;
}

void frmAjMov::txtCodigo_LostFocus() {
    if (cn.State() != platform::db::ObjectState::Open) return;
    const auto rs = Empresas::LeEmpresaDoCampo(*txtCodigo, cn, Empresas::BotaoLista::Ativar);
    if (!rs || rs->Eof()) return;
    lblNome->setText(rs->Fields(QStringLiteral("nome")).toString());
    lblUf->setText(rs->Fields(QStringLiteral("uf")).toString());
    const auto base = rs->Fields(QStringLiteral("mes_base_fiscal"));
    if (!base.isNull()) tdbAno->setValue(QDate(base.toDate().year(), 1, 1));
}

void frmAjMov::cmdPesqe_Click() { Empresas::PesquisaEmpresa(txtCodigo); }

void frmAjMov::cmdAjustar_Click() {
    if (tdbAno->ValueIsNull()) {
        ui::setFocusTo(tdbAno);
        return;
    }
    const QString numero = QStringLiteral("%1%2")
                               .arg(tdbAno->Value().year() % 100, 2, 10, QChar(u'0'))
                               .arg(Empresas::NumeroEmpresa(txtCodigo->text()), 4, 10, QChar(u'0'));
    const auto arquivo = platform::files::FindFile(Geral::DiretorioSistema + QStringLiteral("Tarvel/"),
                                                   QStringLiteral("Mv") + numero + QStringLiteral(".mdb"));
    ArquivoMovimento = arquivo ? QFileInfo(*arquivo).fileName() : QString();
    if (ArquivoMovimento.isEmpty()) {
        ui::MsgBox(QStringLiteral("O arquivo de movimento MV") + numero +
                       QStringLiteral(".MDB não está presente no seu diretório, verifique !"),
                   ui::Msg::Exclamation, QStringLiteral("Atenção..."));
        return;
    }
    AjustaMovimento();
}

void frmAjMov::AjustaMovimento() {
    const QString arquivo = Geral::DiretorioSistema + QStringLiteral("Tarvel/") + ArquivoMovimento;
    const auto r = Reconstroi(PedidoMovimento(Geral::DiretorioSistema, arquivo));
    if (r.feito)
        ui::MsgBox(QStringLiteral("Ajuste Realizado com Sucesso !"), ui::Msg::Information,
                   QStringLiteral("Concluído..."));
    else if (!r.impedimento.isEmpty())
        ui::MsgBox(r.impedimento, ui::Msg::Exclamation, QStringLiteral("Atenção..."));
    else if (!r.recusas.isEmpty())
        ui::MsgBox(QStringLiteral("O arquivo ") + ArquivoMovimento +
                       QStringLiteral(" não pode ser ajustado; nada foi alterado:\n") + r.recusas.join(u'\n'),
                   ui::Msg::Exclamation, QStringLiteral("Atenção..."));
    else
        ui::MsgBox(
            QStringLiteral("Erro número %1 %2 - O ajuste não foi concluído; o arquivo %3 não foi alterado.")
                .arg(r.numero)
                .arg(r.erro, ArquivoMovimento),
            ui::Msg::Critical, QStringLiteral("Erro"));
}

}  // namespace utilities
