#include "terms/frmTerPara.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/db/Connection.h"
#include "platform/report/Formula.h"
#include "platform/report/PrintRoutines.h"
#include "platform/report/frmRelatorio.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/Hourglass.h"
#include "platform/ui/KeyFilter.h"
#include "shell/EstadoGeral.h"
#include "terms/FormulasTermo.h"
#include "terms/termo_sql.h"

namespace terms {

namespace {

const char* const Legendas[NumeroTermos] = {
    "Termo Abertura Reg.Entradas",   "Termo Encerramento Reg.Entradas", "Termo Abertura Reg.Saidas",
    "Termo Encerramento Reg.Saidas", "Termo Abertura Apuração ICMS",    "Termo Encerramento Apuração ICMS",
    "Termo Abertura Apuração IPI",   "Termo Encerramento Apuração IPI", "Termo Abertura ISS",
    "Termo Encerramento ISS"};

// The caption of a box turns blue while it has the focus.
class DestaqueCaixa : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut) {
            auto* caixa = static_cast<QCheckBox*>(objeto);
            QPalette p = caixa->palette();
            p.setColor(QPalette::WindowText, evento->type() == QEvent::FocusIn
                                                 ? platform::ui::CaptionHighlight
                                                 : platform::ui::CaptionNormal);
            caixa->setPalette(p);
        }
        return false;
    }
};

}  // namespace

frmTerPara::frmTerPara(QWidget* parent) : Dialog(parent) {
    setObjectName(QStringLiteral("frmTerPara"));
    setWindowTitle(QString::fromUtf8(TituloTermos));
    auto* layout = new QVBoxLayout(this);
    auto* destaque = new DestaqueCaixa(this);
    for (int i = 0; i < NumeroTermos; ++i) {
        auto* caixa = new QCheckBox(QString::fromUtf8(Legendas[i]), this);
        caixa->setObjectName(QStringLiteral("chkTermo") + QString::number(i));
        caixa->installEventFilter(destaque);
        platform::ui::setTabIndex(caixa, i);
        connect(caixa, &QCheckBox::toggled, this, &frmTerPara::chkTermo_Click);
        layout->addWidget(caixa);
        chkTermo[std::size_t(i)] = caixa;
    }
    using platform::ui::FormBuilder;
    cmdImprimir = FormBuilder::button(this, "cmdImprimir", "&Imprimir", "Imprimi Relatório");
    cmdCancelar = platform::ui::asExit(FormBuilder::button(this, "cmdCancelar", "&Cancelar", "Cancela"));
    cmdSair = platform::ui::asExit(FormBuilder::button(this, "cmdSair", "&Sair", "Sair"));
    auto* botoes = new QHBoxLayout;
    int indice = NumeroTermos;
    for (QPushButton* b : {cmdImprimir, cmdCancelar, cmdSair}) {
        platform::ui::setTabIndex(b, indice++);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    cmdImprimir->setEnabled(false);
    cmdCancelar->setEnabled(false);
    platform::ui::installEntryKeys(this, platform::ui::EntryKeys::EnterAndQuote);
    platform::ui::onClick(cmdImprimir, this, &frmTerPara::cmdImprimir_Click);
    platform::ui::onClick(cmdCancelar, this, &frmTerPara::cmdCancelar_Click);
    platform::ui::onClick(cmdSair, [this] { close(); });
    platform::ui::applyTabOrder(this);
}

void frmTerPara::chkTermo_Click() {
    if (Geral::Cancelado) return;
    bool algum = false;
    for (QCheckBox* c : chkTermo) algum = algum || c->isChecked();
    cmdImprimir->setEnabled(algum);
    cmdCancelar->setEnabled(algum);
}

// Unchecking the boxes raises their clicks, which the flag turns into nothing.
void frmTerPara::cmdCancelar_Click() {
    Geral::Cancelado = true;
    for (QCheckBox* c : chkTermo) c->setChecked(false);
    Geral::Cancelado = false;
    cmdImprimir->setEnabled(false);
    cmdCancelar->setEnabled(false);
}

// One preview per checked term, each shown modal; a company whose terms row or company row is
// missing stops the run and leaves the dialog open.
void frmTerPara::cmdImprimir_Click() {
    const platform::ui::HourglassGuard ampulheta;
    platform::db::Connection conexao;
    conexao.Open(Geral::ConexaoCadastro);
    const qint64 codauto = Geral::ChaveComum.toLongLong();
    platform::report::frmRelatorioModal previa(this);
    for (int caixa = 0; caixa < NumeroTermos; ++caixa) {
        if (!chkTermo[std::size_t(caixa)]->isChecked()) continue;
        LinhaTermo termo;
        std::optional<EmpresaTermo> empresa;
        platform::report::EnginePrint termoImpresso;
        termoImpresso.reportPath = Geral::DiretorioSistema + QString::fromLatin1(ArquivoTermo);
        termoImpresso.caption = TituloTermo(caixa);
        termoImpresso.readRows = [&] {
            const auto linha = LeTermo(conexao, codauto);
            if (linha.Eof()) return false;
            termo = LeLinhaTermo(linha);
            empresa = LeEmpresaTermo(conexao, codauto);
            return empresa.has_value();
        };
        termoImpresso.formulas = [&](int job) {
            for (const auto& [nome, valor] :
                 FormulasTermo(caixa, termo, *empresa, Geral::ExtensoIcms, Geral::ExtensoIpi))
                platform::report::PESetFormula(job, nome, platform::report::quoted(valor));
        };
        termoImpresso.selection = QStringLiteral("{Termo.Codcli} = ") + QString::number(codauto);
        termoImpresso.zoom = platform::report::PEZoom::FitOneSide;
        if (platform::report::PrintOnEngineModal(termoImpresso, previa) ==
            platform::report::EngineOutcome::RowMissing)
            return;
    }
    close();
}

}  // namespace terms
