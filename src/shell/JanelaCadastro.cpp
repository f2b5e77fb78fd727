#include "shell/JanelaCadastro.h"

#include <QAbstractButton>
#include <QWidget>

#include "platform/controls/TDBList.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastroCampos.h"

namespace shell {

using platform::db::Param;
using platform::db::Params;
using platform::ui::Msg::Critical;
using platform::ui::Msg::Exclamation;
using platform::ui::Msg::Yes;
using platform::ui::Msg::YesNo;
namespace values = platform::values;

struct JanelaCadastro::Retrato {
    int estado;
    bool inclusao;
    QString chaveAtual;
    QString chaveComum;
};

JanelaCadastro::JanelaCadastro(QWidget& janela, DefinicaoCadastro definicao)
    : QObject(&janela), janela_(janela), def_(std::move(definicao)) {}

JanelaCadastro::~JanelaCadastro() = default;

void JanelaCadastro::Liga() {
    using namespace platform::ui;
    installEntryKeys(&janela_, EntryKeys::EnterAndQuote);
    onLostFocus(def_.chave, this, &JanelaCadastro::Chave_LostFocus);
    onGotFocus(def_.chave, this, &JanelaCadastro::Chave_GotFocus);
    for (const auto& campo : def_.campos) onGotFocus(campo.controle, this, &JanelaCadastro::DestacaCampo);
    if (def_.cmdGravar) onClick(def_.cmdGravar, this, &JanelaCadastro::cmdGravar_Click);
    if (def_.cmdApagar) onClick(def_.cmdApagar, this, &JanelaCadastro::cmdApagar_Click);
    if (def_.cmdCancelar) onClick(def_.cmdCancelar, this, &JanelaCadastro::cmdCancelar_Click);
    if (def_.cmdSair) onClick(def_.cmdSair, this, &JanelaCadastro::cmdSair_Click);
    // A row is chosen by clicking it; moving the focus into the list chooses nothing.
    if (def_.lista) {
        auto* lista = def_.lista;
        connect(lista, &platform::controls::TDBList::Click, this,
                [this, lista] { Guarded([&] { Lista_RowChosen(lista->Bookmark()); }); });
        connect(lista, &platform::controls::TDBList::HeadClick, this,
                [this](int coluna) { Guarded([&] { Lista_HeadClick(coluna); }); });
        connect(lista, &platform::controls::TDBList::HeadRightClick, this,
                [this](int coluna) { Guarded([&] { Lista_FootClick(coluna); }); });
    }
    lista_.Configura(def_.lista, def_.colunas, def_.tipoOrdemInicial);
}

void JanelaCadastro::Form_Load() {
    conexao_.Open(Geral::ConexaoCadastro);
    if (Historico()) chaveDono_ = Geral::ChaveComum;
    Botao(1);
    if (lista_.Existe()) PreencheLista();
    if (!Historico()) chaveAtual_ = Geral::ChaveComum;
    PosicionaLista();
}

void JanelaCadastro::Form_Unload(bool& Cancel) {
    if (RegistroAberto()) {
        Cancel = true;
        platform::ui::MsgBox(def_.textoGuarda, Critical, QStringLiteral("Atenção"));
        return;
    }
    registro_.Close();
    conexao_.Close();
}

// State 1 empties and locks the detail fields and frees the key; states 2 and 3 leave the fields as
// the lookup set them. Botao never moves the focus.
void JanelaCadastro::Botao(int estado) {
    estado_ = estado;
    const bool aberto = estado != 1;
    auto liga = [](QAbstractButton* b, bool on) {
        if (b) b->setEnabled(on);
    };
    liga(def_.cmdGravar, aberto);
    liga(def_.cmdApagar, estado == 2);
    liga(def_.cmdCancelar, aberto);
    liga(def_.cmdSair, !aberto);
    liga(def_.cmdPesquisar, !aberto);
    liga(def_.cmdImprimirRegistro, estado == 2);
    for (auto* b : def_.botoesRegistro) liga(b, estado == 2);
    if (estado == 1) {
        EsvaziaDetalhes();
        HabilitaDetalhes(false);
        LimpaMask();
        HabilitaCampo(def_.chave, true);
        if (def_.lista) def_.lista->setEnabled(true);
    }
    AjustaBotao(estado);
}

void JanelaCadastro::TravaChave() {
    def_.chave->setEnabled(false);
    if (!inclusao_) platform::ui::setFocusTo(PrimeiroDetalhe());
}

void JanelaCadastro::CarregaRegistro() {
    inclusao_ = false;
    MostraRegistro();
    PosicionaLista();
    Botao(2);
    def_.chave->setEnabled(false);
    platform::ui::setFocusTo(PrimeiroDetalhe());
}

void JanelaCadastro::LimpaMask() { EsvaziaChave(); }

void JanelaCadastro::DestacaCampo() {
    if (!def_.lblTit) return;
    QWidget* foco = janela_.focusWidget();
    if (!foco) return;
    def_.lblTit->highlight(platform::ui::tabIndex(foco));
}

void JanelaCadastro::PosicionaLista() {
    if (lista_.Existe()) lista_.Posiciona(chaveAtual_);
}

void JanelaCadastro::Chave_GotFocus() { DestacaCampo(); }

void JanelaCadastro::Chave_LostFocus() {
    const QString texto = TextoChave();
    if (Historico())
        ConsultaData(texto);
    else
        ConsultaChave(texto);
}

std::optional<bool> JanelaCadastro::LocalizaOuRestaura(const QString& chave, const Retrato& antes) {
    try {
        return LocalizaRegistro(chave);
    } catch (const values::RuntimeError& e) {
        Restaura(antes);
        AvisaFalha(e);
        return std::nullopt;
    }
}

void JanelaCadastro::MostraEncontrado() {
    HabilitaDetalhes(true);
    CarregaRegistro();
    TravaChave();
}

void JanelaCadastro::ConsultaChave(const QString& texto) {
    const Retrato antes = Guarda();
    inclusao_ = false;
    Geral::ChaveComum = texto;
    if (ChaveVazia(texto)) return;
    if (ChaveIncompleta(texto)) {
        FocaChave();
        return;
    }
    const QString chave = NormalizaChave(texto);
    Geral::ChaveComum = chave;
    chaveAtual_ = chave;
    const auto achou = LocalizaOuRestaura(chave, antes);
    if (!achou) return;
    if (*achou) {
        MostraEncontrado();
        return;
    }
    if (platform::ui::MsgBox(def_.perguntaInclusao, YesNo + Exclamation, QStringLiteral("Atenção...")) ==
        Yes) {
        HabilitaDetalhes(true);
        EsvaziaDetalhes();
        Botao(3);
        inclusao_ = true;
        TravaChave();
        platform::ui::setFocusTo(PrimeiroDetalhe());
    } else {
        LimpaMask();
        FocaChave();
    }
}

// A dated-history window keeps the owner's key in ChaveComum, and a lookup made while a new row is
// being entered only checks that the date is still free.
void JanelaCadastro::ConsultaData(const QString& texto) {
    if (ChaveVazia(texto)) return;
    const auto data = values::parseDate(texto);
    if (!data) {
        FocaChave();
        return;
    }
    const Retrato antes = Guarda();
    chaveAtual_ = values::formatDate(*data);
    const auto achou = LocalizaOuRestaura(chaveAtual_, antes);
    if (!achou) return;
    if (inclusao_) {
        if (*achou) {
            platform::ui::MsgBox(QStringLiteral("Data Já Cadastrado, Utilize Outro !"), Exclamation,
                                 QStringLiteral("Atenção..."));
            EsvaziaChave();
            FocaChave();
        } else {
            TravaChave();
        }
        return;
    }
    if (*achou) {
        MostraEncontrado();
        return;
    }
    if (platform::ui::MsgBox(def_.perguntaInclusao, YesNo + Exclamation, QStringLiteral("Atenção...")) ==
        Yes) {
        HabilitaDetalhes(true);
        EsvaziaDetalhes();
        Botao(3);
        inclusao_ = true;
        DefineTextoChave(chaveAtual_);
        platform::ui::setFocusTo(PrimeiroDetalhe());
        TravaChave();
    } else {
        EsvaziaChave();
        FocaChave();
    }
}

void JanelaCadastro::cmdGravar_Click() { Grava(); }

bool JanelaCadastro::Grava() {
    const Retrato antes = Guarda();
    const QString texto = TextoChave();
    if (Historico()) {
        if (const auto data = values::parseDate(texto)) chaveAtual_ = values::formatDate(*data);
    } else {
        chaveAtual_ = NormalizaChave(texto);
        Geral::ChaveComum = chaveAtual_;
    }
    const bool inclusao = inclusao_;
    QStringList celulas;
    try {
        IniciaErros();
        TestaRegras();
        if (!ConcluiErros()) {
            Restaura(antes);
            return false;
        }
        GravaRegistro(inclusao);
        celulas = CelulasGravadas();
    } catch (const values::RuntimeError& e) {
        Restaura(antes);
        AvisaFalha(e);
        return false;
    }
    if (lista_.Existe()) lista_.Grava(chaveAtual_, celulas, inclusao);
    inclusao_ = false;
    PosicionaLista();
    Botao(1);
    if (Historico()) Geral::Alterado = true;
    FocaChave();
    return true;
}

void JanelaCadastro::cmdApagar_Click() {
    const Retrato antes = Guarda();
    const QString texto = TextoChave();
    if (Historico()) {
        if (const auto data = values::parseDate(texto)) chaveAtual_ = values::formatDate(*data);
    } else {
        chaveAtual_ = NormalizaChave(texto);
        Geral::ChaveComum = chaveAtual_;
    }
    if (platform::ui::MsgBox(def_.perguntaExclusao, YesNo + Critical, QStringLiteral("Atenção...")) != Yes) {
        Restaura(antes);
        return;
    }
    try {
        ApagaRegistro();
    } catch (const values::RuntimeError& e) {
        Restaura(antes);
        AvisaFalha(e);
        return;
    }
    if (lista_.Existe()) lista_.Remove(chaveAtual_);
    Botao(1);
    if (Historico()) Geral::Alterado = true;
    FocaChave();
}

void JanelaCadastro::cmdCancelar_Click() {
    inclusao_ = false;
    Botao(1);
    FocaChave();
}

void JanelaCadastro::cmdSair_Click() { janela_.close(); }

// Choosing a row drops an open edit without a question and loads the chosen row through the key
// field's own lookup. A new row being entered ends too, so the chosen row's lookup is a plain one.
void JanelaCadastro::Lista_RowChosen(int linha) {
    if (linha < 0 || linha >= lista_.Linhas()) return;
    const QString chave = lista_.Celula(linha, 0);
    if (!ChaveEscolhivel(chave)) return;
    inclusao_ = false;
    Botao(1);
    FocaChave();
    DefineTextoChave(CompletaChave(chave));
    QWidget* primeiro = PrimeiroDetalhe();
    primeiro->setEnabled(true);
    platform::ui::setFocusTo(primeiro);
}

void JanelaCadastro::Lista_HeadClick(int coluna) { lista_.OrdenaCabecalho(coluna, 0); }
void JanelaCadastro::Lista_FootClick(int coluna) { lista_.OrdenaCabecalho(coluna, 1); }

QString JanelaCadastro::TextoChave() const { return TextoCampo(def_.chave); }
void JanelaCadastro::DefineTextoChave(const QString& texto) { DefineTextoCampo(def_.chave, texto); }

bool JanelaCadastro::ChaveVazia(const QString& texto) const {
    for (QChar c : texto)
        if (c.isLetterOrNumber()) return false;
    return true;
}

bool JanelaCadastro::ChaveIncompleta(const QString& /*texto*/) const { return false; }
QString JanelaCadastro::NormalizaChave(const QString& texto) const {
    return def_.tipoChave == TipoColuna::Texto ? texto : values::Trim(texto);
}
QString JanelaCadastro::CompletaChave(const QString& chave) const { return chave; }

bool JanelaCadastro::ChaveEscolhivel(const QString& chave) const {
    if (Historico()) return !chave.isEmpty();
    return values::Val(chave) > 0;
}

void JanelaCadastro::EsvaziaChave() { EsvaziaCampo(def_.chave); }

QString JanelaCadastro::CondicaoChave() const {
    QString condicao = def_.colunaChave + QStringLiteral(" = ?");
    if (Historico()) condicao += QStringLiteral(" AND ") + def_.colunaDono + QStringLiteral(" = ?");
    return condicao;
}

namespace {
Param ValorDoTipo(const QString& texto, TipoColuna tipo) {
    switch (tipo) {
        case TipoColuna::Numero:
            return Param(static_cast<qint64>(values::Val(texto)));
        case TipoColuna::Data:
            return Param(values::parseDate(texto));
        case TipoColuna::Moeda:
            return Param(values::Currency::parse(texto));
        case TipoColuna::Texto:
            break;
    }
    return Param(texto);
}
}  // namespace

Params JanelaCadastro::ParametrosChave(const QString& chave) const {
    Params p{ValorDoTipo(chave, def_.tipoChave)};
    if (Historico()) p.push_back(ValorDoTipo(chaveDono_, def_.tipoDono));
    return p;
}

bool JanelaCadastro::ExisteChave(const QString& chave) {
    auto rs = conexao_.OpenRecordset(QStringLiteral("SELECT ") + def_.colunaChave + QStringLiteral(" FROM ") +
                                         def_.tabela + QStringLiteral(" WHERE ") + CondicaoChave(),
                                     ParametrosChave(chave));
    return !rs.Eof();
}

bool JanelaCadastro::LocalizaRegistro(const QString& chave) {
    registro_.Open(
        conexao_,
        QStringLiteral("SELECT * FROM ") + def_.tabela + QStringLiteral(" WHERE ") + CondicaoChave(),
        ParametrosChave(chave));
    return !registro_.Eof();
}

void JanelaCadastro::MostraRegistro() {
    for (const auto& campo : def_.campos)
        if (!campo.coluna.isEmpty()) MostraValorCampo(campo.controle, registro_.Fields(campo.coluna));
}

void JanelaCadastro::GravaRegistro(bool inclusao) {
    Params valores;
    QStringList colunas;
    for (const auto& campo : def_.campos) {
        if (campo.coluna.isEmpty()) continue;
        colunas << campo.coluna;
        valores.push_back(ValorCampo(campo.controle));
    }
    const Params chave = ParametrosChave(chaveAtual_);
    if (inclusao) {
        QStringList todas{def_.colunaChave};
        if (Historico()) todas << def_.colunaDono;
        todas << colunas;
        Params p = chave;
        p.insert(p.end(), valores.begin(), valores.end());
        QStringList marcas;
        for (int i = 0; i < todas.size(); ++i) marcas << QStringLiteral("?");
        conexao_.Execute(QStringLiteral("INSERT INTO ") + def_.tabela + QLatin1Char('(') +
                             todas.join(QLatin1Char(',')) + QStringLiteral(") VALUES(") +
                             marcas.join(QLatin1Char(',')) + QLatin1Char(')'),
                         p);
    } else if (!colunas.isEmpty()) {
        Params p = valores;
        p.insert(p.end(), chave.begin(), chave.end());
        conexao_.Execute(QStringLiteral("UPDATE ") + def_.tabela + QStringLiteral(" SET ") +
                             colunas.join(QStringLiteral(" = ?, ")) + QStringLiteral(" = ? WHERE ") +
                             CondicaoChave(),
                         p);
    }
}

void JanelaCadastro::ApagaRegistro() {
    conexao_.Execute(
        QStringLiteral("DELETE FROM ") + def_.tabela + QStringLiteral(" WHERE ") + CondicaoChave(),
        ParametrosChave(chaveAtual_));
}

QStringList JanelaCadastro::CelulasGravadas() {
    QStringList celulas;
    const int linha = lista_.LinhaDaChave(chaveAtual_);
    for (int c = 0; c < int(def_.colunas.size()); ++c)
        celulas << (c == 0 ? chaveAtual_ : (linha >= 0 ? lista_.Celula(linha, c) : QString()));
    for (const auto& campo : def_.campos)
        if (campo.colunaLista > 0 && campo.colunaLista < celulas.size())
            celulas[campo.colunaLista] = CelulaCampo(campo.controle);
    return celulas;
}

void JanelaCadastro::PreencheLista() {
    QStringList colunas;
    for (const auto& c : def_.colunas) colunas << (c.coluna.isEmpty() ? QStringLiteral("NULL") : c.coluna);
    QString sql =
        QStringLiteral("SELECT ") + colunas.join(QLatin1Char(',')) + QStringLiteral(" FROM ") + def_.tabela;
    Params p;
    if (Historico()) {
        sql += QStringLiteral(" WHERE ") + def_.colunaDono + QStringLiteral(" = ?");
        p.push_back(ValorDoTipo(chaveDono_, def_.tipoDono));
    }
    sql += QStringLiteral(" ORDER BY ") + def_.colunaChave;
    auto rs = conexao_.OpenRecordset(sql, p);
    std::vector<QStringList> linhas;
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList celulas;
        for (int c = 0; c < rs.FieldCount(); ++c) celulas << rs.Fields(c).toString();
        linhas.push_back(std::move(celulas));
    }
    lista_.Carrega(linhas);
}

void JanelaCadastro::HabilitaDetalhes(bool habilita) {
    for (const auto& campo : def_.campos) HabilitaCampo(campo.controle, habilita);
}

void JanelaCadastro::EsvaziaDetalhes() {
    for (const auto& campo : def_.campos) EsvaziaCampo(campo.controle);
}

QWidget* JanelaCadastro::PrimeiroDetalhe() const {
    return def_.campos.empty() ? def_.chave : def_.campos.front().controle;
}

void JanelaCadastro::FocaChave() { platform::ui::setFocusTo(def_.chave); }

JanelaCadastro::Retrato JanelaCadastro::Guarda() const {
    return {estado_, inclusao_, chaveAtual_, Geral::ChaveComum};
}

void JanelaCadastro::Restaura(const Retrato& r) {
    estado_ = r.estado;
    inclusao_ = r.inclusao;
    chaveAtual_ = r.chaveAtual;
    Geral::ChaveComum = r.chaveComum;
}

void JanelaCadastro::AvisaFalha(const values::RuntimeError& e) {
    platform::ui::showError(e.number(), e.description());
}

}  // namespace shell
