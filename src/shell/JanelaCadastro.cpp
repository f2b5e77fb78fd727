#include "shell/JanelaCadastro.h"

#include <QAbstractButton>
#include <QScopeGuard>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "platform/controls/TDBList.h"
#include "platform/db/TableNames.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/KeyFilter.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "shell/JanelaCadastroCampos.h"

namespace shell {

using platform::db::ColumnList;
using platform::db::Param;
using platform::db::Params;
using platform::ui::Msg::Critical;
using platform::ui::Msg::Exclamation;
using platform::ui::Msg::Information;
using platform::ui::Msg::Yes;
using platform::ui::Msg::YesNo;
namespace values = platform::values;

struct JanelaCadastro::Retrato {
    EstadoCadastro estado;
    bool inclusao;
    QString chaveAtual;
    QString chaveComum;
};

// The declared column names are pasted into the frame's statements, so they pass the name guard.
JanelaCadastro::JanelaCadastro(QWidget& janela, DefinicaoCadastro definicao)
    : QObject(&janela), janela_(janela), def_(std::move(definicao)) {
    platform::db::columnName(def_.colunaChave);
    if (!def_.colunaDono.isEmpty()) platform::db::columnName(def_.colunaDono);
    for (const auto& c : def_.colunas)
        if (!c.coluna.isEmpty()) platform::db::columnName(c.coluna);
}

JanelaCadastro::~JanelaCadastro() = default;

void JanelaCadastro::Liga() {
    using namespace platform::ui;
    installEntryKeys(&janela_, EntryKeys::EnterAndQuote);
    onLostFocus(def_.chave, this, &JanelaCadastro::Chave_LostFocus);
    onGotFocus(def_.chave, this, &JanelaCadastro::Chave_GotFocus);
    for (const auto& campo : def_.campos)
        if (campo.destaca) onGotFocus(campo.controle, this, &JanelaCadastro::DestacaCampo);
    if (def_.cmdGravar) onClick(def_.cmdGravar, this, &JanelaCadastro::cmdGravar_Click);
    if (def_.cmdApagar) onClick(def_.cmdApagar, this, &JanelaCadastro::cmdApagar_Click);
    if (def_.cmdCancelar) onClick(def_.cmdCancelar, this, &JanelaCadastro::cmdCancelar_Click);
    if (def_.cmdSair) onClick(def_.cmdSair, this, &JanelaCadastro::cmdSair_Click);
    for (QAbstractButton* saida : {def_.cmdCancelar, def_.cmdSair})
        if (saida) setExitRole(saida);
    if (def_.cmdNovo) onClick(def_.cmdNovo, this, &JanelaCadastro::cmdNovo_Click);
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
    AbreConexao(def_.conexao.isEmpty() ? Geral::ConexaoCadastro : def_.conexao, def_.tabela);
    if (TemDono()) chaveDono_ = Geral::ChaveComum;
    Botao(Ocioso);
    if (lista_.Existe()) PreencheLista();
    if (!TemDono()) chaveAtual_ = Geral::ChaveComum;
    PosicionaLista();
}

// The name is checked before the file is opened, so a bad name leaves the window where it was.
void JanelaCadastro::AbreConexao(const QString& conexao, const QString& tabela) {
    const QString nome = platform::db::tableName(tabela);
    conexao_.Open(conexao);
    tabela_ = nome;
}

void JanelaCadastro::UsaTabela(const QString& conexao, const QString& tabela) {
    registro_.Close();
    AbreConexao(conexao, tabela);
    inclusao_ = false;
    chaveAtual_.clear();
    Botao(Ocioso);
    if (lista_.Existe()) PreencheLista();
}

void JanelaCadastro::UsaTabela(const QString& tabela) { tabela_ = platform::db::tableName(tabela); }

void JanelaCadastro::UsaDono(const QString& dono) {
    const QString antes = chaveDono_;
    chaveDono_ = dono;
    try {
        if (lista_.Existe()) PreencheLista();
    } catch (const values::RuntimeError&) {
        chaveDono_ = antes;
        throw;
    }
    registro_.Close();
    inclusao_ = false;
    chaveAtual_.clear();
}

void JanelaCadastro::Form_Unload(bool& Cancel) {
    if (RegistroAberto()) {
        Cancel = true;
        platform::ui::MsgBox(def_.textoGuarda, Critical, QStringLiteral("Atenção"));
        return;
    }
    AoFechar();
    registro_.Close();
    conexao_.Close();
}

// States 1 and 4 empty and lock the detail fields; states 2 and 3 leave the fields as the lookup set
// them. Botao never moves the focus.
void JanelaCadastro::Botao(EstadoCadastro estado) {
    estado_ = estado;
    const std::vector<EstadoCadastro> aberto{Carregado, Novo};
    const std::vector<EstadoCadastro> ocioso{Ocioso};
    const std::vector<EstadoCadastro> carregado{Carregado};
    std::vector<ControleEstados> tabela{{def_.cmdGravar, aberto},    {def_.cmdApagar, carregado},
                                        {def_.cmdCancelar, aberto},  {def_.cmdSair, {Ocioso, SemEmpresa}},
                                        {def_.cmdPesquisar, ocioso}, {def_.cmdImprimirRegistro, carregado},
                                        {def_.cmdNovo, ocioso}};
    for (auto* b : def_.botoesRegistro) tabela.push_back({b, carregado});
    tabela.insert(tabela.end(), def_.controles.begin(), def_.controles.end());
    for (const auto& [controle, estados] : tabela)
        if (controle)
            controle->setEnabled(std::find(estados.begin(), estados.end(), estado) != estados.end());
    if (estado == Ocioso || estado == SemEmpresa) {
        EsvaziaDetalhes();
        HabilitaDetalhes(false);
        LimpaMask();
        HabilitaCampo(def_.chave, estado == Ocioso && def_.procura != Procura::EscolhaOuNovo);
        if (def_.lista) def_.lista->setEnabled(estado == Ocioso);
    }
    AjustaBotao(estado);
}

void JanelaCadastro::TravaChave() {
    def_.chave->setEnabled(false);
    if (!inclusao_) platform::ui::setFocusTo(FocoAoCarregar());
}

void JanelaCadastro::CarregaRegistro() {
    inclusao_ = false;
    MostraRegistro();
    PosicionaLista();
    Botao(Carregado);
    def_.chave->setEnabled(false);
    carregado_.clear();
    if (registro_.State() == platform::db::ObjectState::Open && !registro_.Eof())
        for (int i = 0; i < registro_.FieldCount(); ++i) carregado_.push_back(registro_.Fields(i));
    platform::ui::setFocusTo(FocoAoCarregar());
    // The move is made from inside the key's check, where the field's own focus handler may not run.
    DestacaCampo();
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

// A lookup's own state change can pass the focus through the key field; leaving it then is no new
// lookup.
void JanelaCadastro::Chave_LostFocus() {
    if (consultando_ || !ConsultaPermitida() || def_.procura == Procura::EscolhaOuNovo) return;
    consultando_ = true;
    const auto fim = qScopeGuard([this] { consultando_ = false; });
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

// The row written holds only its key; the fields keep their empty values until the save.
std::optional<bool> JanelaCadastro::LocalizaOuCria(const QString& chave, const Retrato& antes) {
    const auto achou = LocalizaOuRestaura(chave, antes);
    if (!achou || *achou) return achou;
    try {
        platform::db::Transaction transacao(conexao_);
        CriaRegistro(chave);
        transacao.commit();
    } catch (const values::RuntimeError& e) {
        Restaura(antes);
        AvisaFalha(e);
        return std::nullopt;
    }
    criado_ = true;
    return LocalizaOuRestaura(chave, antes);
}

// A row the window cannot show is no loaded row: the window goes back to idle with its key emptied,
// so that what stays typed there is not taken for a row (Novo would refuse it as already used).
void JanelaCadastro::MostraEncontrado() {
    HabilitaDetalhes(true);
    try {
        CarregaRegistro();
    } catch (const values::RuntimeError&) {
        Botao(Ocioso);
        FocaChave();
        throw;
    }
    TravaChave();
}

void JanelaCadastro::ConsultaChave(const QString& texto) {
    const Retrato antes = Guarda();
    inclusao_ = false;
    criado_ = false;
    Geral::ChaveComum = texto;
    if (ChaveVazia(texto)) return;
    const auto aceita = ChaveAceita(texto);
    if (!aceita) return;
    const QString chave = *aceita;
    Geral::ChaveComum = chave;
    chaveAtual_ = chave;
    const auto achou = def_.procura == Procura::CriaSemPergunta ? LocalizaOuCria(chave, antes)
                                                                : LocalizaOuRestaura(chave, antes);
    if (!achou) return;
    if (*achou) {
        MostraEncontrado();
        return;
    }
    if (IncluiChaveDesconhecida()) {
        IniciaInclusao();
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
        IniciaInclusao();
        DefineTextoChave(chaveAtual_);
        platform::ui::setFocusTo(PrimeiroDetalhe());
        TravaChave();
    } else {
        EsvaziaChave();
        FocaChave();
    }
}

bool JanelaCadastro::IncluiChaveDesconhecida() {
    return !PerguntaInclusao() || platform::ui::MsgBox(def_.perguntaInclusao, YesNo + Exclamation,
                                                       QStringLiteral("Atenção...")) == Yes;
}

void JanelaCadastro::IniciaInclusao() {
    HabilitaDetalhes(true);
    EsvaziaDetalhes();
    Botao(Novo);
    inclusao_ = true;
}

void JanelaCadastro::cmdNovo_Click() {
    chaveAtual_.clear();
    IniciaInclusao();
    EsvaziaChave();
    def_.chave->setEnabled(false);
    platform::ui::setFocusTo(PrimeiroDetalhe());
}

void JanelaCadastro::cmdGravar_Click() { Grava(); }

bool JanelaCadastro::Grava() {
    const Retrato antes = Guarda();
    const QString texto = TextoChave();
    if (Historico()) {
        if (const auto data = values::parseDate(texto)) chaveAtual_ = values::formatDate(*data);
    } else if (def_.procura != Procura::EscolhaOuNovo) {
        chaveAtual_ = NormalizaChave(texto);
        Geral::ChaveComum = chaveAtual_;
    }
    const bool inclusao = inclusao_;
    QStringList celulas;
    try {
        // The rules (a duplicate key or name among them) and the write share one write transaction,
        // so a second running copy saving the same key waits and then sees this one's row. The lock is
        // let go while the error list is shown; confirmed warnings send the rules round once more under
        // a new lock, where only a fatal row stops the save.
        std::optional<platform::db::Transaction> transacao;
        bool confirmado = false;
        for (;;) {
            transacao.emplace(conexao_);
            IniciaErros();
            TestaRegras();
            if (Geral::ContaErros == 1 || (confirmado && !TemErroFatal())) break;
            transacao.reset();
            if (!ConcluiErros()) {
                Restaura(antes);
                return false;
            }
            confirmado = true;
        }
        Geral::ComErros = Geral::ContaErros > 1;
        if (const QString aviso = inclusao ? QString() : MudancaDoRegistro(QStringLiteral("a gravação"));
            !aviso.isEmpty()) {
            transacao.reset();
            platform::ui::MsgBox(aviso, Critical, QStringLiteral("Atenção"));
            Restaura(antes);
            return false;
        }
        GravaRegistro(inclusao);
        transacao->commit();
        celulas = CelulasGravadas();
    } catch (const values::RuntimeError& e) {
        Restaura(antes);
        AvisaFalha(e);
        return false;
    }
    if (lista_.Existe()) lista_.Grava(chaveAtual_, celulas, inclusao);
    inclusao_ = false;
    // The number shown when the new row began was taken meanwhile by another copy's save.
    if (inclusao && def_.chaveAutomatica && values::Val(texto) > 0 &&
        qint64(values::Val(texto)) != chaveAtual_.toLongLong())
        platform::ui::MsgBox(
            QStringLiteral("O número ") + QString::number(qint64(values::Val(texto))) +
                QStringLiteral(" foi usado por outra estação; o registro foi gravado com o número ") +
                chaveAtual_ + QStringLiteral(" !"),
            Information, QStringLiteral("Atenção"));
    PosicionaLista();
    Botao(Ocioso);
    if (Historico()) Geral::Alterado = true;
    platform::ui::setFocusTo(FocoAposGravar());
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
    if (platform::ui::MsgBox(def_.perguntaExclusao, def_.estiloExclusao, QStringLiteral("Atenção...")) !=
        Yes) {
        Restaura(antes);
        return;
    }
    try {
        // As a save: what another copy changed since the row was loaded is not deleted unseen.
        platform::db::Transaction transacao(conexao_);
        if (const QString aviso = MudancaDoRegistro(QStringLiteral("a exclusão")); !aviso.isEmpty()) {
            transacao.rollback();
            platform::ui::MsgBox(aviso, Critical, QStringLiteral("Atenção"));
            Restaura(antes);
            return;
        }
        ApagaRegistro();
        transacao.commit();
    } catch (const values::RuntimeError& e) {
        Restaura(antes);
        AvisaFalha(e);
        return;
    }
    if (lista_.Existe()) lista_.Remove(chaveAtual_);
    Botao(Ocioso);
    if (Historico()) Geral::Alterado = true;
    FocaChave();
}

void JanelaCadastro::cmdCancelar_Click() {
    inclusao_ = false;
    Botao(Ocioso);
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
    Botao(Ocioso);
    if (def_.procura == Procura::EscolhaOuNovo) {
        DefineTextoChave(chave);
        const Retrato antes = Guarda();
        chaveAtual_ = chave;
        const auto achou = LocalizaOuRestaura(chave, antes);
        if (achou && *achou) MostraEncontrado();
        return;
    }
    FocaChave();
    DefineTextoChave(CompletaChave(chave));
    QWidget* primeiro = PrimeiroDetalhe();
    primeiro->setEnabled(true);
    platform::ui::setFocusTo(primeiro);
}

void JanelaCadastro::Lista_HeadClick(int coluna) {
    if (OrdenacaoPermitida()) lista_.OrdenaCabecalho(coluna, 0);
}
void JanelaCadastro::Lista_FootClick(int coluna) {
    if (OrdenacaoPermitida()) lista_.OrdenaCabecalho(coluna, 1);
}

QString JanelaCadastro::TextoChave() const { return TextoCampo(def_.chave); }
void JanelaCadastro::DefineTextoChave(const QString& texto) { DefineTextoCampo(def_.chave, texto); }

bool JanelaCadastro::ChaveVazia(const QString& texto) const {
    for (QChar c : texto)
        if (c.isLetterOrNumber()) return false;
    return true;
}

bool JanelaCadastro::ChaveIncompleta(const QString& /*texto*/) const { return false; }

std::optional<QString> JanelaCadastro::ChaveAceita(const QString& texto) {
    if (ChaveIncompleta(texto)) {
        FocaChave();
        return std::nullopt;
    }
    return NormalizaChave(texto);
}
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
    if (TemDono()) condicao += QStringLiteral(" AND ") + def_.colunaDono + QStringLiteral(" = ?");
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
    if (TemDono()) p.push_back(ValorDoTipo(chaveDono_, def_.tipoDono));
    return p;
}

bool JanelaCadastro::ExisteChave(const QString& chave) {
    auto rs = conexao_.OpenRecordset(QStringLiteral("SELECT ") + def_.colunaChave + QStringLiteral(" FROM ") +
                                         tabela_ + QStringLiteral(" WHERE ") + CondicaoChave(),
                                     ParametrosChave(chave));
    return !rs.Eof();
}

bool JanelaCadastro::LocalizaRegistro(const QString& chave) {
    registro_.Open(conexao_,
                   QStringLiteral("SELECT * FROM ") + tabela_ + QStringLiteral(" WHERE ") + CondicaoChave(),
                   ParametrosChave(chave));
    return !registro_.Eof();
}

void JanelaCadastro::CriaRegistro(const QString& chave) { ColunasChave(chave).insert(conexao_, tabela_); }

// A null or an empty text is kept without a word: its field shows it empty.
void JanelaCadastro::MostraRegistro() {
    QStringList nomes;
    for (const auto& campo : def_.campos) {
        if (campo.coluna.isEmpty()) continue;
        const auto valor = registro_.Fields(campo.Coluna());
        if (campo.mostra)
            campo.mostra(campo.controle, valor);
        else
            MostraValorCampo(campo.controle, valor);
        const bool vazio =
            valor.isNull() || (valor.type() == platform::db::ColumnType::Text && valor.toString().isEmpty());
        if (const auto gravado = ValorGravado(campo.controle, valor, bool(campo.escrita));
            GuardaValorCampo(campo.controle, gravado, campo.escrita) && !vazio)
            nomes << NomeValorGuardado(campo.Coluna(), gravado);
    }
    AvisaValoresGuardados(nomes, QStringLiteral("registro"));
}

// A change writes only the columns whose fields were touched since the record was shown: the others
// hold what is stored, and writing them back could only change it.
ColumnList JanelaCadastro::ColunasRegistro() const {
    ColumnList colunas;
    for (const auto& campo : def_.campos)
        if (!campo.coluna.isEmpty() && (inclusao_ || !CampoIntacto(campo.controle)))
            colunas.add(campo.Coluna(), ValorEscrito(campo.controle, campo.escrita));
    return colunas;
}

ColumnList JanelaCadastro::ColunasChave(const QString& chave) const {
    ColumnList colunas;
    colunas.add(def_.colunaChave, ValorDoTipo(chave, def_.tipoChave));
    if (TemDono()) colunas.add(def_.colunaDono, ValorDoTipo(chaveDono_, def_.tipoDono));
    return colunas;
}

void JanelaCadastro::GravaRegistro(bool inclusao) {
    ColumnList colunas = ColunasRegistro();
    if (inclusao) {
        if (!def_.chaveAutomatica) colunas.add(def_.colunaChave, ValorDoTipo(chaveAtual_, def_.tipoChave));
        if (TemDono()) colunas.add(def_.colunaDono, ValorDoTipo(chaveDono_, def_.tipoDono));
        const qint64 automatica = colunas.insert(conexao_, tabela_);
        if (def_.chaveAutomatica) chaveAtual_ = QString::number(automatica);
    } else if (!colunas.empty()) {
        colunas.update(conexao_, tabela_, ColunasChave(chaveAtual_));
    }
}

QString MudancaDaLinha(const std::vector<platform::db::Field>& carregado,
                       const platform::db::Recordset& atual, const std::function<bool(const QString&)>& conta,
                       const QString& operacao) {
    if (atual.Eof())
        return QStringLiteral("Registro não encontrado, ") + operacao +
               QStringLiteral(" não foi realizada !");
    for (const auto& antes : carregado)
        if (conta(antes.name()) && !antes.sameValue(atual.Fields(antes.name())))
            return QStringLiteral("Registro alterado em outra estação depois de carregado, ") + operacao +
                   QStringLiteral(" não foi realizada !");
    return {};
}

QString JanelaCadastro::MudancaDoRegistro(const QString& operacao) {
    const auto atual = conexao_.OpenRecordset(
        QStringLiteral("SELECT * FROM ") + tabela_ + QStringLiteral(" WHERE ") + CondicaoChave(),
        ParametrosChave(chaveAtual_));
    return MudancaDaLinha(
        carregado_, atual,
        [this](const QString& coluna) { return !def_.colunasAlheias.contains(coluna, Qt::CaseInsensitive); },
        operacao);
}

void JanelaCadastro::ApagaRegistro() {
    conexao_.Execute(QStringLiteral("DELETE FROM ") + tabela_ + QStringLiteral(" WHERE ") + CondicaoChave(),
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
        QStringLiteral("SELECT ") + colunas.join(QLatin1Char(',')) + QStringLiteral(" FROM ") + tabela_;
    Params p;
    if (TemDono()) {
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
