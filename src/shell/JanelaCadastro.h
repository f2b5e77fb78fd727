#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "platform/db/ColumnList.h"
#include "platform/db/Connection.h"
#include "platform/db/Field.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Focus.h"
#include "platform/ui/MsgBox.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/JanelaCadastroLista.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace shell {

// The guard texts of an open record: the CFOP and movement windows use the first, every other
// record window the second.
inline constexpr QStringView GuardaCurta =
    u"Você não pode abandonar uma operação em andamento, grave ou cancele !";
inline constexpr QStringView GuardaLonga =
    u"Você não pode abandonar uma operação em andamento, grave ou cancele antes...";

// The states of a record window, with the numbers the windows have always given them. SemEmpresa
// exists only in the movement windows: no company is open, so nothing but the company choice and
// the close button can be used.
enum EstadoCadastro : int { Ocioso = 1, Carregado = 2, Novo = 3, SemEmpresa = 4 };

// How a record is found.
enum class Procura {
    // A code typed in the key field, looked up on leaving it; an unknown code asks perguntaInclusao.
    Codigo,
    // The same, but an unknown code starts the new record without a question.
    CodigoSemPergunta,
    // A date typed in the key field among the rows of the owner whose key ChaveComum holds on
    // opening (colunaDono); an unknown date asks perguntaInclusao (the dated histories).
    DataDoDono,
    // A row chosen in the list, whose key is an automatic number, or a new one started by cmdNovo;
    // the key field only shows the number.
    EscolhaOuNovo,
    // A key (an owner's, such as a company's) whose row is created when missing, without a
    // question, holding only its key, and then loaded as found (the terms of a company).
    CriaSemPergunta,
};

// One detail field of a record window: its control, the table column it edits (empty when the window
// reads and writes it itself) and how the column is bound (a date field writes a date, a number field
// money...). The kind is taken from the control when not given.
struct CampoCadastro {
    QWidget* controle = nullptr;
    QString coluna;
    // The list column that shows this field (-1: none); its cell is the field's text after a save.
    int colunaLista = -1;
    // A slot of a row of items: the column is `coluna` followed by this number ("baseicms" 2 is
    // "baseicms2"); -1 for a plain column.
    int posicao = -1;
    // Its caption turns blue as it gets the focus (some fields leave the last caption lit).
    bool destaca = true;
    // Where the field's kind alone does not say how it shows and writes its column (a list of codes,
    // a group of options, a number written with its zeros): `mostra` shows the stored value, `escrita`
    // turns the field's value (ValorCampo) into the column's. Empty: by the field's kind.
    std::function<void(QWidget*, const platform::db::Field&)> mostra = {};
    EscritaCampo escrita = {};

    QString Coluna() const { return posicao < 0 ? coluna : coluna + QString::number(posicao); }
};

// A control of the window's own and the states in which it is enabled.
struct ControleEstados {
    QWidget* controle = nullptr;
    std::vector<EstadoCadastro> habilitado;
};

// What a record window declares: where its rows are, how one is found, its fields, list, buttons
// and texts.
struct DefinicaoCadastro {
    // The connection string of the database (empty: the registry, ConexaoCadastro when the window
    // loads) and the table, one of the program's tables or a month table ("DIGE03").
    QString conexao;
    QString tabela;
    QString colunaChave;
    TipoColuna tipoChave = TipoColuna::Texto;
    // The key is an automatic number: left out of the INSERT and read back after it.
    bool chaveAutomatica = false;
    Procura procura = Procura::Codigo;
    // The owner's key column: the window keeps to the rows whose column holds the owner's key, which
    // the owner handed over in ChaveComum before opening it (the dated-history dialogs, a company's
    // partners); a new row is written with it.
    QString colunaDono;
    TipoColuna tipoDono = TipoColuna::Numero;
    // Columns of the row that other windows keep (a working period, a password): a change of theirs
    // since the load does not stop a save.
    QStringList colunasAlheias;

    QWidget* chave = nullptr;           // the key field (a mask, a date or a text field)
    std::vector<CampoCadastro> campos;  // the detail fields; the first one receives the focus
    platform::ui::LabelArray* lblTit = nullptr;

    QAbstractButton* cmdGravar = nullptr;
    QAbstractButton* cmdApagar = nullptr;
    QAbstractButton* cmdCancelar = nullptr;
    QAbstractButton* cmdSair = nullptr;
    QAbstractButton* cmdPesquisar = nullptr;  // where present
    // A window that prints the loaded record gives its print button here; one that prints the whole
    // table leaves it out, so the button stays enabled in every state.
    QAbstractButton* cmdImprimirRegistro = nullptr;
    // Buttons that act on the loaded record: enabled only in state 2.
    std::vector<QAbstractButton*> botoesRegistro;
    // The button that starts a new record (Procura::EscolhaOuNovo): enabled while idle.
    QAbstractButton* cmdNovo = nullptr;
    // The window's other controls that follow the state.
    std::vector<ControleEstados> controles;

    // The list of the table's rows (none in a window without a list) and its columns; column 0 is
    // the key.
    platform::controls::TDBList* lista = nullptr;
    std::vector<ColunaLista> colunas;
    // The comparison kind of the sort that follows a save, until the first header event.
    TipoColuna tipoOrdemInicial = TipoColuna::Texto;

    QString perguntaInclusao = QStringLiteral("Código Não Cadastrado, Incluir Novo ?");
    QString perguntaExclusao = QStringLiteral("Deseja Realmente Excluir Este Registro ?");
    int estiloExclusao = platform::ui::Msg::YesNo | platform::ui::Msg::Critical;
    QString textoGuarda = GuardaLonga.toString();
};

// Why a row read again (`atual`, positioned on it) is no longer as a window loaded it (`carregado`, its
// fields as read then): "Registro não encontrado, ..." when `atual` holds no row, "Registro alterado em
// outra estação depois de carregado, ..." when a column that `conta` accepts changed; empty while it is
// as loaded. `operacao` ("a gravação", "a exclusão") names what was not made. Every save that writes a
// row another copy may have changed since its load runs this check inside its write transaction.
QString MudancaDaLinha(const std::vector<platform::db::Field>& carregado,
                       const platform::db::Recordset& atual, const std::function<bool(const QString&)>& conta,
                       const QString& operacao);

// The record-window frame: key lookup on leaving the key field, load or offer a new record, save
// through the error list, delete, cancel, the sorted list that follows the changes, the close guard,
// the caption highlight and Enter as Tab. A window declares its table, fields and texts, gives its
// rules in TestaRegras, and overrides the other hooks only where its own behaviour departs from the
// frame's. Every handler leaves the window as it was before the event when a statement fails, and
// then shows the error.
//
// The key is either a code (a mask or text field, ChaveComum holds it) or, with an owner column, a
// date (the dated-history dialogs): ChaveComum then holds the owner's key for as long as the window is
// open, and the frame keeps the date itself; such a window sets Alterado after each save and delete.
//
// A new window declares itself in a DefinicaoCadastro: where its rows are (conexao, tabela: a month
// table through platform::db::monthTable), how a record is found (procura, colunaChave,
// chaveAutomatica, colunaDono), its fields (campos, with slot columns by posicao), its buttons and the
// states its other controls follow (controles). It subclasses the frame only for its own rules
// (TestaRegras) and where its reading or writing departs from the declared columns (MostraRegistro,
// ColunasRegistro, GravaRegistro, ApagaRegistro), and forwards Form_Load and Form_Unload.
//
// A save runs the window's rules (its duplicate tests among them) and its writing inside one write
// transaction, so a second running copy saving the same key waits and then sees this row; the lock
// is let go while the error list is shown, and confirmed warnings run the rules again under a new
// one. A failing statement writes nothing; TestaRegras shows no message of its own. An UPDATE writes only
// while the row is as this window loaded it (columns declared alheias aside): a row deleted meanwhile says
// "Registro não encontrado...", a row another copy changed says "Registro alterado em outra estação...";
// either way nothing is written and the window keeps what was typed.
class JanelaCadastro : public QObject {
    Q_OBJECT
  public:
    // `janela` is the window's form (a window or a dialog), which owns this frame.
    JanelaCadastro(QWidget& janela, DefinicaoCadastro definicao);
    ~JanelaCadastro() override;

    // Connects the handlers of the declared controls; the window calls it once its controls exist.
    void Liga();

    // Form_Load: opens the connection, state 1, fills the list, PosicionaLista.
    void Form_Load();
    // Moves the window to another database and table (a movement window choosing a company, year and
    // month): the table is checked, the connection opened, the list filled again, state 1.
    void UsaTabela(const QString& conexao, const QString& tabela);
    // Another table of the same database, while idle (one window over two registers of one shape).
    void UsaTabela(const QString& tabela);
    // Another owner chosen inside the window (a company whose partners it keeps), while idle: the list
    // is filled again with the new owner's rows. A failing statement leaves the owner as it was.
    void UsaDono(const QString& dono);
    const QString& Tabela() const { return tabela_; }
    // Form_Unload: the close guard. Sets `Cancel` while a record is open; otherwise closes the
    // connection.
    void Form_Unload(bool& Cancel);

    EstadoCadastro EstadoAtual() const { return estado_; }
    bool Inclusao() const { return inclusao_; }
    // The last lookup created the row it loaded (Procura::CriaSemPergunta).
    bool Criado() const { return criado_; }
    // The key of the record being looked up or saved: the code text or the date as "dd/mm/yyyy".
    const QString& ChaveAtual() const { return chaveAtual_; }
    // The owner's key handed over on load (empty without an owner column).
    const QString& ChaveDono() const { return chaveDono_; }
    bool Historico() const { return def_.procura == Procura::DataDoDono; }
    // The window keeps to the rows of one owner (colunaDono).
    bool TemDono() const { return !def_.colunaDono.isEmpty(); }

    platform::db::Connection& Conexao() { return conexao_; }
    // The row the last lookup found (or the saved row).
    platform::db::Recordset& Registro() { return registro_; }
    ListaCadastro& Lista() { return lista_; }

    // The frame's routines, as each window has them. Botao applies the state table: the declared
    // buttons and controls enabled as their states say, and while idle the detail fields emptied
    // and locked and the key field open (in SemEmpresa the key and the list are locked too).
    void Botao(EstadoCadastro estado);
    void TravaChave();
    void CarregaRegistro();
    void LimpaMask();
    void DestacaCampo();
    void PosicionaLista();

    // Handlers.
    void Chave_LostFocus();
    void Chave_GotFocus();
    void cmdGravar_Click();
    // The save of cmdGravar_Click; true when the record was written (a print that saves first).
    bool Grava();
    void cmdApagar_Click();
    void cmdCancelar_Click();
    void cmdSair_Click();
    // A new record without a key: the automatic number comes with the save.
    void cmdNovo_Click();
    void Lista_RowChosen(int linha);
    void Lista_HeadClick(int coluna);
    void Lista_FootClick(int coluna);

    // The text the key field shows, as typed.
    QString TextoChave() const;
    void DefineTextoChave(const QString& texto);
    // The query of the row of `chave` (with the owner filter), as the lookup and the save's duplicate
    // test run it; true when a row exists.
    bool ExisteChave(const QString& chave);

  protected:
    // Hooks: each has the frame's behaviour; a window overrides the ones its own behaviour changes.

    // No key typed yet: the key field shows its empty mask.
    virtual bool ChaveVazia(const QString& texto) const;
    // Whether leaving the key field looks the key up now (a window whose user may not look others
    // up says no).
    virtual bool ConsultaPermitida() const { return true; }
    // The typed key as the lookup takes it (normalised; a window that writes keys its own way shows
    // the rewritten key in the field); nothing when the key is refused, the focus then back in the
    // key field.
    virtual std::optional<QString> ChaveAceita(const QString& texto);
    // An unknown key asks perguntaInclusao before a new record starts.
    virtual bool PerguntaInclusao() const { return def_.procura != Procura::CodigoSemPergunta; }
    // An unknown key was typed: true starts a new record with it. By default that follows
    // PerguntaInclusao; a window whose new records come only from its Novo button tells the user and
    // goes idle here.
    virtual bool IncluiChaveDesconhecida();
    // The key is typed but incomplete: the lookup puts the focus back without a message.
    virtual bool ChaveIncompleta(const QString& texto) const;
    // The key as the table stores it (a cut of a mask's unused positions).
    virtual QString NormalizaChave(const QString& texto) const;
    // The key field's text for a key read from the list (completed to the mask).
    virtual QString CompletaChave(const QString& chave) const;
    // A list row can be chosen: its key is a number above 0 (a date window: any non-empty key).
    virtual bool ChaveEscolhivel(const QString& chave) const;
    // The key field's empty text, written by LimpaMask.
    virtual void EsvaziaChave();

    // Reads the row of `chave` into Registro(); true when found.
    virtual bool LocalizaRegistro(const QString& chave);
    // Writes the row of `chave` holding only its key (Procura::CriaSemPergunta).
    virtual void CriaRegistro(const QString& chave);
    // The field that takes the focus when a looked-up record is loaded.
    virtual QWidget* FocoAoCarregar() const { return PrimeiroDetalhe(); }
    // Copies Registro() into the detail fields.
    virtual void MostraRegistro();
    // The window's rules, as error-list rows (AdicionaErro); the frame has none. Runs inside the
    // save's write transaction, possibly twice (after confirmed warnings).
    virtual void TestaRegras() {}
    // The columns the save writes with their values: the declared fields with a column.
    virtual platform::db::ColumnList ColunasRegistro() const;
    // Writes the record: an INSERT when `inclusao` (an automatic key is read back into ChaveAtual),
    // else an UPDATE of the row of ChaveAtual(). Runs inside the save's transaction.
    virtual void GravaRegistro(bool inclusao);
    // Deletes the row of ChaveAtual().
    virtual void ApagaRegistro();
    // The list cells of the record as just saved (column 0 the key).
    virtual QStringList CelulasGravadas();
    // Fills the list from the table on load.
    virtual void PreencheLista();
    // The window's own part of a state change, after the frame's (fields and buttons it alone has).
    virtual void AjustaBotao(EstadoCadastro /*estado*/) {}
    // The control that gets the focus after a save: the key field, or the Novo button of a window
    // whose next record is normally a new one.
    virtual QWidget* FocoAposGravar() const { return def_.chave; }
    // The window's last work as it closes, before the connection closes.
    virtual void AoFechar() {}
    // The header events sort the list (a window may refuse while a record is open).
    virtual bool OrdenacaoPermitida() const { return true; }
    // A record is open, so the window may not close.
    virtual bool RegistroAberto() const { return estado_ == Carregado || estado_ == Novo; }

    // Field helpers for windows and hooks.
    void HabilitaDetalhes(bool habilita);
    void EsvaziaDetalhes();
    // A new record: detail fields enabled and emptied, state 3 (a window's own Novo button).
    void IniciaInclusao();
    QWidget* PrimeiroDetalhe() const;
    void FocaChave();

  private:
    struct Retrato;
    Retrato Guarda() const;
    void Restaura(const Retrato& r);
    void AvisaFalha(const platform::values::RuntimeError& e);
    // The lookup of a key; a failing statement puts the window back as it was, is shown, and gives
    // no answer.
    std::optional<bool> LocalizaOuRestaura(const QString& chave, const Retrato& antes);
    // The same, creating the row of `chave` first when it is missing.
    std::optional<bool> LocalizaOuCria(const QString& chave, const Retrato& antes);
    // A found record: fields enabled, loaded, key locked.
    void MostraEncontrado();
    void ConsultaChave(const QString& texto);
    void ConsultaData(const QString& texto);
    platform::db::Params ParametrosChave(const QString& chave) const;
    QString CondicaoChave() const;
    platform::db::ColumnList ColunasChave(const QString& chave) const;
    void AbreConexao(const QString& conexao, const QString& tabela);
    // Why the row of ChaveAtual() is no longer as loaded (deleted or changed by another copy), saying
    // that `operacao` ("a gravação", "a exclusão") was not made; empty while it is.
    QString MudancaDoRegistro(const QString& operacao);

    QWidget& janela_;
    DefinicaoCadastro def_;
    platform::db::Connection conexao_;
    platform::db::Recordset registro_;
    ListaCadastro lista_;
    QString tabela_;
    // The loaded row as it was read, for the save's check.
    std::vector<platform::db::Field> carregado_;
    EstadoCadastro estado_ = Ocioso;
    bool consultando_ = false;
    bool inclusao_ = false;
    bool criado_ = false;
    QString chaveAtual_;
    QString chaveDono_;
};

}  // namespace shell
