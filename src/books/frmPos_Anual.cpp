#include "books/frmPos_Anual.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "movement/LancamentoIcms.h"
#include "platform/controls/TDBGrid.h"
#include "platform/ui/Focus.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastro.h"
#include "shell/JanelaCadastroCampos.h"

namespace Livros {

namespace values = platform::values;
using platform::controls::TDBGrid;
using values::Currency;

namespace {

// Where each item lives in the grid and in Pos_Icms, in the order of ItensIcms.
struct Item {
    int coluna;
    Currency PosIcms::ItensIcms::*membro;
    const char* nome;
};
constexpr std::array<Item, 7> Itens{{
    {ColunaAnual::Saida, &PosIcms::ItensIcms::Saida, "Saida"},
    {ColunaAnual::O_deb, &PosIcms::ItensIcms::O_deb, "O_deb"},
    {ColunaAnual::Estcr, &PosIcms::ItensIcms::Estcr, "Estcr"},
    {ColunaAnual::Entra, &PosIcms::ItensIcms::Entra, "Entra"},
    {ColunaAnual::O_cre, &PosIcms::ItensIcms::O_cre, "O_cre"},
    {ColunaAnual::Estdb, &PosIcms::ItensIcms::Estdb, "Estdb"},
    {ColunaAnual::Scant, &PosIcms::ItensIcms::Scant, "Scant"},
}};

const char* const Titulos[9] = {"Mês",    "Saídas",   "Outros",   "Estornos", "Entradas",
                                "Outros", "Estornos", "S.Credor", "S.Final"};
// The captions repeat on the two sides: a message names the column in full.
const char* const NomesColunas[9] = {
    "Mês",      "Saídas",          "Outros Débitos",      "Estornos de Créditos",
    "Entradas", "Outros Créditos", "Estornos de Débitos", "S.Credor",
    "S.Final"};

}  // namespace

Currency SaldoFinal(const PosIcms::ItensIcms& m) {
    return m.Entra + m.O_cre + m.Estdb + m.Scant - m.Saida - m.O_deb - m.Estcr;
}

std::optional<PosIcms::ItensIcms> ItensDaLinha(const platform::controls::XArrayDB& a, int linha,
                                               int& invalida) {
    PosIcms::ItensIcms itens;
    for (const auto& [coluna, item, nome] : Itens) {
        const auto valor = movimento::NumeroDaCelula(a.Value(linha, coluna));
        if (!valor) {
            invalida = coluna;
            return std::nullopt;
        }
        itens.*item = Geral::Arredonda(*valor, 2);
    }
    return itens;
}

QString CelulaInvalida(int linha, int coluna, const QString& texto) {
    return QStringLiteral("O valor \"%1\" de %2 em %3 não é um valor válido !")
        .arg(texto, Geral::NomeMes(linha + 1), QString::fromUtf8(NomesColunas[coluna]));
}

frmPos_Anual::frmPos_Anual(platform::db::Connection& movimento, QWidget* parent)
    : Dialog(parent), BancoMovimento(movimento) {
    setObjectName(QStringLiteral("frmPos_Anual"));
    setWindowTitle(QStringLiteral("Resumo de Apuração Anual - ICMS"));
    using platform::ui::FormBuilder;
    tdgIcms = new TDBGrid(this);
    tdgIcms->setObjectName(QStringLiteral("tdgIcms"));
    for (int c = 0; c < 9; ++c) {
        tdgIcms->setColumnCaption(c, QString::fromUtf8(Titulos[c]));
        if (c != ColunaAnual::Mes) tdgIcms->setColumnFormat(c, QStringLiteral("####,##0.00"));
        tdgIcms->setColumnWidth(c, c == ColunaAnual::Mes ? 40 : 90);
    }
    // A changed month would send its row to another month; the balance is computed.
    tdgIcms->setColumnLocked(ColunaAnual::Mes, true);
    tdgIcms->setColumnLocked(ColunaAnual::Final, true);
    tdgIcms->setAllowUpdate(true);
    tdgIcms->setAllowAddNew(true);
    cmdGravar = FormBuilder::button(this, "cmdGravar", "&Gravar", "Grava Informações");
    cmdCancelar = platform::ui::asExit(FormBuilder::button(this, "cmdCancelar", "&Cancelar", "Cancela"));

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(cmdGravar);
    botoes->addWidget(cmdCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tdgIcms);
    layout->addLayout(botoes);
    resize(900, 420);
    int tab = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{tdgIcms, cmdGravar, cmdCancelar})
        platform::ui::setTabIndex(w, tab++);
    platform::ui::applyTabOrder(this);

    connect(tdgIcms, &TDBGrid::AfterColUpdate, this, &frmPos_Anual::tdgIcms_AfterColUpdate);
    connect(tdgIcms, &TDBGrid::BeforeColUpdate, this, &frmPos_Anual::tdgIcms_BeforeColUpdate);
    connect(tdgIcms, &TDBGrid::BeforeInsert, this, &frmPos_Anual::tdgIcms_BeforeInsert);
    connect(tdgIcms, &TDBGrid::KeyPress, this, &frmPos_Anual::tdgIcms_KeyPress);
    platform::ui::onClick(cmdGravar, this, &frmPos_Anual::cmdGravar_Click);
    platform::ui::onClick(cmdCancelar, [this] { reject(); });
    // Enter moves to the next field; a double quote is never typed.
    platform::ui::installEntryKeys(this);
}

// A null item shows an empty cell, and its month no balance until a cell of it is changed.
void frmPos_Anual::Form_Load() {
    ArrayPosicao.ReDim(0, 11, 0, 8);
    try {
        PosIcms::CompletaMeses(BancoMovimento);
        std::array<bool, 12> lido{};
        for (auto rs = PosIcms::LeItensDoAno(BancoMovimento); !rs.Eof(); rs.MoveNext()) {
            const int linha = rs.Fields(0).toInt() - 1;
            if (lido[std::size_t(linha)]) continue;
            lido[std::size_t(linha)] = true;
            bool nulo = false;
            for (int i = 0; i < 7; ++i) {
                const auto campo = rs.Fields(i + 1);
                carregados_[std::size_t(linha)].push_back(campo);
                nulo = nulo || campo.isNull();
                ArrayPosicao(linha, Itens[std::size_t(i)].coluna) =
                    campo.isNull() ? QVariant(QString()) : QVariant::fromValue(campo.toCurrency());
            }
            if (!nulo) MostraSaldo(linha);
        }
    } catch (const values::RuntimeError& e) {
        platform::ui::MsgBox(
            QStringLiteral("Erro número ") + QString::number(e.number()) + u' ' + e.description(),
            platform::ui::Msg::Critical, QStringLiteral("Erro Fatal"));
        reject();
        return;
    }
    for (int linha = 0; linha < 12; ++linha) ArrayPosicao(linha, ColunaAnual::Mes) = linha + 1;
    tdgIcms->setArray(&ArrayPosicao);
    tdgIcms->ReBind();
    tdgIcms->setCol(0);
    tdgIcms->setRow(0);
    AvisaGuardados();
    platform::ui::setFocusTo(tdgIcms);
}

void frmPos_Anual::AvisaGuardados() {
    QStringList nomes;
    for (int linha = 0; linha < 12; ++linha)
        for (const Item& item : Itens)
            if (const QVariant celula = ArrayPosicao(linha, item.coluna); celula.canConvert<Currency>())
                if (const Currency valor = celula.value<Currency>(); valor != Geral::Arredonda(valor, 2))
                    nomes << shell::NomeValorGuardado(QString::fromUtf8(NomesColunas[item.coluna]) +
                                                          QStringLiteral(" de ") + Geral::NomeMes(linha + 1),
                                                      platform::db::Param(valor));
    shell::AvisaValoresGuardados(nomes, QStringLiteral("resumo"));
}

void frmPos_Anual::MostraSaldo(int linha) {
    int invalida = 0;
    const auto itens = ItensDaLinha(ArrayPosicao, linha, invalida);
    ArrayPosicao(linha, ColunaAnual::Final) =
        itens ? QVariant::fromValue(SaldoFinal(*itens)) : QVariant(QString());
}

void frmPos_Anual::tdgIcms_BeforeColUpdate(int ColIndex, const QVariant& /*OldValue*/, bool& Cancel) {
    const QVariant celula = tdgIcms->Columns(ColIndex);
    if (movimento::NumeroDaCelula(celula)) return;
    Cancel = true;
    recusada_ = true;
    platform::ui::MsgBox(CelulaInvalida(tdgIcms->Row(), ColIndex, celula.toString()),
                         platform::ui::Msg::Exclamation, QStringLiteral("Atenção"));
}

void frmPos_Anual::tdgIcms_AfterColUpdate(int ColIndex) {
    const int linha = tdgIcms->Row();
    if (linha < 0 || linha >= 12) return;
    editadas_[std::size_t(linha)][std::size_t(ColIndex)] = true;
    MostraSaldo(linha);
    tdgIcms->setColumns(ColunaAnual::Final, ArrayPosicao(linha, ColunaAnual::Final));
    if (ColIndex == ColunaAnual::Estdb && linha == 11) platform::ui::setFocusTo(cmdGravar);
}

void frmPos_Anual::tdgIcms_KeyPress(int& KeyAscii) {
    recusada_ = false;
    if (KeyAscii != 8 && KeyAscii != ',' && (KeyAscii < '0' || KeyAscii > '9')) KeyAscii = 0;
}

// The grid never grows beyond the twelve months.
void frmPos_Anual::tdgIcms_BeforeInsert(bool& Cancel) {
    tdgIcms->Refresh();
    if (ArrayPosicao.Count(1) > 11) Cancel = true;
}

QString frmPos_Anual::MudancaDoAno(const std::array<platform::db::ColumnList, 12>& ano) {
    std::array<bool, 12> visto{};
    for (auto rs = PosIcms::LeItensDoAno(BancoMovimento); !rs.Eof(); rs.MoveNext()) {
        const auto linha = std::size_t(rs.Fields(0).toInt() - 1);
        if (std::exchange(visto[linha], true) || ano[linha].empty()) continue;
        const QStringList& escritas = ano[linha].columns();
        if (QString aviso = shell::MudancaDaLinha(
                carregados_[linha], rs,
                [&escritas](const QString& c) { return escritas.contains(c, Qt::CaseInsensitive); },
                QStringLiteral("a gravação"));
            !aviso.isEmpty())
            return aviso;
    }
    return {};
}

void frmPos_Anual::cmdGravar_Click() {
    tdgIcms->MoveFirst();
    // A cell refused on the way here (leaving it for this button) is shown again before anything is
    // written: the user retypes it or presses the button again.
    if (std::exchange(recusada_, false)) {
        platform::ui::setFocusTo(tdgIcms);
        return;
    }
    std::array<platform::db::ColumnList, 12> ano;
    for (int linha = 0; linha < 12; ++linha) {
        int invalida = 0;
        const auto itens = ItensDaLinha(ArrayPosicao, linha, invalida);
        if (!itens) {
            platform::ui::MsgBox(CelulaInvalida(linha, invalida, ArrayPosicao(linha, invalida).toString()),
                                 platform::ui::Msg::Exclamation, QStringLiteral("Atenção"));
            return;
        }
        for (const Item& item : Itens)
            if (editadas_[std::size_t(linha)][std::size_t(item.coluna)])
                ano[std::size_t(linha)].add(QString::fromLatin1(item.nome), (*itens).*item.membro);
    }
    try {
        platform::db::Transaction gravacao(BancoMovimento);
        if (const QString aviso = MudancaDoAno(ano); !aviso.isEmpty()) {
            gravacao.rollback();
            platform::ui::MsgBox(aviso, platform::ui::Msg::Critical, QStringLiteral("Atenção"));
            return;
        }
        PosIcms::GravaItensDoAno(BancoMovimento, ano);
        gravacao.commit();
    } catch (const values::RuntimeError& e) {
        platform::ui::MsgBox(QStringLiteral("O Resumo Anual não foi gravado, nenhum mês foi alterado !\n") +
                                 QStringLiteral("Erro número ") + QString::number(e.number()) + u' ' +
                                 e.description(),
                             platform::ui::Msg::Critical, QStringLiteral("Erro"));
        return;
    }
    accept();
}

}  // namespace Livros
