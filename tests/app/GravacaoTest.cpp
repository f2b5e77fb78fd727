// What a save writes, over the program's windows that save a row: a row whose every column holds an
// odd value, saved with nothing typed, is left whole, type and bytes; one field typed changes only its
// column; and when another copy changed that column since the window showed it, the save is refused by
// name and writes nothing.
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>
#include <map>

#include "app/Janelas.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/UiScript.h"
#include "shell/EstadoGeral.h"
#include "support/LinhasGravadas.h"
#include "support/RegistryWindowFixture.h"

using namespace testsupport;

namespace {

// Answers every message (OK, or Yes to a question) and drives the dialog a window opens; an error
// message or any other dialog fails the test.
class Aceita : public platform::ui::UiScript {
  public:
    int answerMessage(const platform::ui::MessageRequest& r) override {
        mensagens << r.text;
        EXPECT_FALSE(r.title.startsWith(QStringLiteral("Erro"))) << r.text.toStdString();
        return (r.style & 7) == platform::ui::Msg::OKOnly ? platform::ui::Msg::OK : platform::ui::Msg::Yes;
    }
    void dialogShown(QDialog& d) override {
        if (dialogo) return dialogo(d);
        ADD_FAILURE() << d.objectName().toStdString() << ' ' << Geral::ListaErros[1].Descricao.toStdString();
        d.reject();
    }
    std::function<void(QDialog&)> dialogo;
    QStringList mensagens;
};

// One window that saves a row: the row (its table and condition, the SQL that makes it, the columns
// that keep their values, "*" for all: the SQL gives each its odd value), the button clicked first,
// the key typed (in the dialog `botao` opens), a person chosen from the list, and the field typed into
// with the columns it changes. A movement window's row is in the movement file `arquivo`, company 7
// chosen in its own period after the registry rows `cadastro` are written.
struct Janela {
    const char *janela, *tabela, *onde;
    QString cria;
    const char *fixas, *antes, *chave, *valor, *botao;
    bool pessoa;
    const char *campo, *texto, *coluna, *arquivo = nullptr, *cadastro = "";
};

// An ISS document of rate 5,00 and ISS 5,00 whose type is `tipo`, its other columns odd.
QString IssTipo(const char* tipo) {
    return QStringLiteral(
               "INSERT INTO DIGISS02 (datalan, codserv, serie, docinicial, docfinal, talao, base, aliq, iss, "
               "ir, tipo, observ, subempr, materiais) VALUES ('2012-02-09', '1', 'A', '7', '', NULL, "
               "1000000, 50000, 50000, NULL, ") +
           tipo + ", printf('%300s', 'x'), 0, 125007)";
}

class GravacaoTest : public RegistryWindowFixture {
  protected:
    // Every column but the key and `fixas` gets an odd value of its kind, in turn: a text longer than
    // any field and padded, null, empty, padded, Windows-1252 bytes, of another form; a date empty, with
    // a time part; a fourth decimal; YESNO -1.
    void Estranha(const QString& tabela, const QString& onde, const QStringList& fixas) {
        const std::map<QString, QStringList> valores{
            {"TEXT",
             {"printf('%300s', 'x')", "NULL", "''", "'  sp  '", "CAST(X'53E36F205061756C6F' AS TEXT)",
              "'3.145.926-5'", "'4711-3/02'"}},
            {"DATE", {"''", "'2020-01-05 10:00:00'", "NULL"}},
            {"CURRENCY", {"125007", "NULL"}},
            {"YESNO", {"-1"}},
            {"INTEGER", {"NULL", "123456789"}},
            {"DOUBLE", {"1.23456789"}}};
        if (fixas == QStringList{"*"}) return;
        QStringList trocas;
        std::map<QString, int> vez;
        for (auto rs = banco->OpenRecordset("PRAGMA table_info(" + tabela + ')'); !rs.Eof(); rs.MoveNext()) {
            const QString nome = rs.Fields("name").toString(), tipo = rs.Fields("type").toString().toUpper();
            if (rs.Fields("pk").toString() == "1" || fixas.contains(nome, Qt::CaseInsensitive)) continue;
            const auto& v = valores.count(tipo) ? valores.at(tipo) : valores.at("TEXT");
            trocas << nome + " = " + v[vez[v[0]]++ % v.size()];
        }
        banco->Execute("UPDATE " + tabela + " SET " + trocas.join(", ") + " WHERE " + onde);
    }
    platform::db::Connection movimento;
    platform::db::Connection* banco = &db;
    static void Chave(QWidget* w, const char* campo, const char* texto) {
        typeInto(w, QString::fromLatin1(campo), QString::fromUtf8(texto));
        pressTab();
        settle();
    }
};

TEST_F(GravacaoTest, ASaveChangesOnlyTheColumnsOfTheFieldsTyped) {
    Geral::UsuarioAtual = QStringLiteral("Administrador");
    const char* cgc = "cgc = '11.222.333/0001-81'";
    const char* arquivo = "MV120007.MDB";
    const Janela janelas[] = {
        {"frmEmpresas", "Empresas", "codigo = 7", "", "codigo nome uf situ", nullptr, "txtCodigo", "7",
         nullptr, false, "txtBairro", "Sé", "bairro"},
        {"frmForCliGeral", "ForGeral", cgc,
         "INSERT INTO ForGeral (cgc, nome) VALUES ('11.222.333/0001-81', 'F')", "cgc nome", nullptr, "txtCgc",
         "11222333000181", nullptr, false, "txtBairro", "Sé", "bairro"},
        {"frmForCliGeral", "CliGeral", cgc,
         "INSERT INTO CliGeral (cgc, nome) VALUES ('11.222.333/0001-81', 'C')", "cgc nome", "cmdAltera",
         "txtCgc", "11222333000181", nullptr, false, "txtNome", "x", "nome"},
        {"frmCodFiscal03", "CodFiscal2003", "codfiscal = '5.102'", "", "codfiscal Descri", nullptr,
         "mskCodigo", "5102", nullptr, false, "txtDescri", "x", "Descri"},
        {"frmCodFiscal", "CodFiscal", "codfiscal = '1.11'", "", "codfiscal Descri", nullptr, "mskCodigo",
         "111", nullptr, false, "txtDescri", "x", "Descri"},
        {"frmSocios", "Socios", "nome = 'S'",
         "INSERT INTO Socios (codempr, nome) SELECT codauto, 'S' FROM Empresas", "codempr nome", nullptr,
         "txtCodigo", "7", nullptr, true, "txtBairro", "Sé", "bairro"},
        {"frmTerceiros", "Terceiros", "nome = 'T'",
         "INSERT INTO Terceiros (codempr, nome) SELECT codauto, 'T' FROM Empresas", "codempr nome", nullptr,
         "txtCodigo", "7", nullptr, true, "txtBairro", "Sé", "bairro"},
        {"frmTermo", "Termo", "codcli > 0",
         "INSERT INTO Termo (codcli, Resp, Cpf, Rg, Cont, Crc) SELECT codauto, ' R ', '123', '4', ' C ', '5' "
         "FROM Empresas",
         "codcli Resp Cpf Rg Cont Crc", nullptr, "txtCodigo", "7", nullptr, false, "txtRegN", "123",
         "ESRegN"},
        {"frmUsuarios", "usuarios", "codigo = 5",
         "INSERT INTO usuarios (codigo, nome) VALUES (5, ' Ana Beatriz de Souza Lima ')", "codigo nome",
         nullptr, "mskCodigo", "5", nullptr, false, "txtNome", "x", "nome"},
        {"frmEmpresas", "Enquadramento", "codempr = 7",
         "INSERT INTO Enquadramento (codempr, denquadra, codtipo) VALUES (7, '2005-01-01', 99)", "*", nullptr,
         "tdbDenquad", "01012005", "cmdEnquadra", false, nullptr, "", ""},
        {"frmEmpresas", "Contrato", "Nregistro = '1'",
         "INSERT INTO Contrato (codempr, Dregistro, Nregistro) SELECT codauto, '2005-01-01', '1' FROM "
         "Empresas",
         "codempr Dregistro Nregistro", nullptr, "tdbDregistro", "01012005", "cmdContrato", false,
         "txtBrelato", "x", "Brelato"},
        // The ISS document of a model-51 company: a type the window cannot show keeps the tax.
        {"frmMovIss", "DIGISS02", "codauto = 1", IssTipo("'0 '"), "*", nullptr, "mskCodigo", "1", nullptr,
         false, "tdbVlrNota", "1000", "aliq base iss", arquivo},
        {"frmMovIss", "DIGISS02", "codauto = 1", IssTipo("' 0'"), "*", nullptr, "mskCodigo", "1", nullptr,
         false, "txtObs", "x", "observ", arquivo},
        {"frmMovIss", "DIGISS02", "codauto = 1", IssTipo("'7'"), "*", nullptr, "mskCodigo", "1", nullptr,
         false, nullptr, "", "", arquivo},
        {"frmMovIss", "DIGISS02", "codauto = 1", IssTipo("NULL"), "*", nullptr, "mskCodigo", "1", nullptr,
         false, nullptr, "", "", arquivo},
        // The ICMS document: unused slot types empty or null, a type padded, a gap, a fourth decimal.
        {"frmMovIcms", "DIGE02", "codauto = 1",
         "INSERT INTO DIGE02 (datalan, demiss, especie, serie, docinicial, docfinal, cgc, uf, codfiscal, "
         "vlrcontabil, tipolan, baseicms0, aliqicms0, valricms0, tipoicms0, tipoicms1, tipoicms2, tipoicms3, "
         "baseicms4, observ, talao) VALUES ('2012-02-09', '2012-02-09 10:00:00', 'NF', 'U', '7', '', "
         "'11.222.333/0001-81', 'SP', '1.102', 10000005, NULL, 10000005, 170000, 1700000, ' 1', '', '9', "
         "NULL, NULL, "
         "printf('%300s', 'x'), NULL)",
         "*", nullptr, "mskCodigo", "1", nullptr, false, "txtObserv", "x", "observ", arquivo,
         "UPDATE Empresas SET uf = 'SP'; DELETE FROM ForGeral; INSERT INTO ForGeral (cgc, nome, uf) VALUES "
         "('11.222.333/0001-81', 'F', 'SP')"},
        // The books' month: billing, invoice ranges and remarks of a company not micro, then micro.
        {"frmLivrosIcms", "Pos_Icms", "Mes_Base = 2", "", "Mes_Base", nullptr, nullptr, nullptr, "cmdInfoAdi",
         false, "txtObssai1", "x", "Obssai1", arquivo},
        {"frmLivrosIcms", "Pos_Icms", "Mes_Base = 2", "", "Mes_Base", nullptr, nullptr, nullptr, "cmdInfoAdi",
         false, "tdbFatAcu", "2000", "FatAcu", arquivo,
         "INSERT INTO Enquadramento VALUES (7, '2012-01-01', 3)"},
        // The annual summary: every month odd.
        {"frmLivrosIcms", "Pos_Icms", "Mes_Base > 0", "", "Mes_Base", nullptr, nullptr, nullptr, "cmdRanual",
         false, nullptr, "", "", arquivo},
    };
    Aceita aceita;
    platform::ui::setUiScript(&aceita);
    for (const Janela& j : janelas) {
        SCOPED_TRACE(std::string(j.janela) + " " + j.tabela);
        const QString tabela = QString::fromLatin1(j.tabela), onde = QString::fromLatin1(j.onde);
        db.Execute(QStringLiteral("DELETE FROM Empresas"));
        db.Execute(
            QStringLiteral("INSERT INTO Empresas (codigo, nome, uf, situ, mes_base_fiscal, TpIss, "
                           "tpescri) VALUES (7, 'P', '  sp  ', 'A', '2012-02-01', '51', 'C')"));
        for (const QString& linha : QString::fromLatin1(j.cadastro).split(u';', Qt::SkipEmptyParts))
            db.Execute(linha);
        if (j.arquivo) movimento.Open(pasta.movementConnection(QString::fromLatin1(j.arquivo)));
        banco = j.arquivo ? &movimento : &db;
        if (!j.cria.isEmpty()) banco->Execute(j.cria);
        Estranha(tabela, onde, QString::fromLatin1(j.fixas).split(u' '));
        // Nothing typed, a field typed, the same with another copy's change of its column first.
        for (int passo = 0; passo < 3; ++passo) {
            const char* campo = passo > 0 ? j.campo : nullptr;
            const QString coluna = QString::fromLatin1(j.coluna).section(u' ', 0, 0);
            const bool outraCopia = passo == 2;
            app::JanelasDoPrograma().at(QString::fromLatin1(j.janela))();
            settle();
            QWidget* w = host->mdiArea()->activeSubWindow()->widget();
            // Company 7 in its own period, as the clerk chooses it.
            if (j.arquivo) {
                clickInto(control(w, QStringLiteral("txtCodigo")));
                typeText(QStringLiteral("7"));
                for (int i = 0; i < 2; ++i) {
                    pressEnter();
                    settle();
                }
            }
            if (j.antes) click(w, QString::fromLatin1(j.antes));
            const auto grava = [&](QWidget* janela) {
                if (j.chave) Chave(janela, j.chave, j.valor);
                if (j.pessoa) {
                    QTableView* v = janela->findChild<platform::controls::TDBList*>()->view();
                    QTest::mouseClick(v->viewport(), Qt::LeftButton, {},
                                      v->visualRect(v->model()->index(0, 1)).center());
                }
                if (campo) {
                    clickInto(control(janela, QString::fromLatin1(campo)));
                    pressKey(Qt::Key_A, Qt::ControlModifier);
                    typeText(QString::fromUtf8(j.texto));
                }
                // Nothing typed: the focus only passes through the fields.
                for (int i = 0; !campo && i < 40; ++i) pressTab();
                if (outraCopia)
                    banco->Execute("UPDATE " + tabela + " SET " + coluna + " = CASE WHEN " + coluna +
                                   " IS NULL THEN 1 ELSE " + coluna + " || '1' END WHERE " + onde);
                aceita.mensagens.clear();
                click(janela, QStringLiteral("cmdGravar"));
                settle();
            };
            const auto antes = LinhasGravadas(*banco, tabela, "WHERE " + onde);
            if (j.botao) {
                if (!j.arquivo) Chave(w, "txtCodigo", "7");
                aceita.dialogo = [&](QDialog& d) {
                    grava(&d);
                    if (d.isVisible()) click(&d, QStringLiteral("cmdSair"));
                };
                click(w, QString::fromLatin1(j.botao));
                aceita.dialogo = nullptr;
                click(w, QStringLiteral("cmdCancelar"));
            } else {
                grava(w);
            }
            EXPECT_EQ(Mudadas(antes, LinhasGravadas(*banco, tabela, "WHERE " + onde)),
                      outraCopia ? coluna : QString::fromLatin1(campo ? j.coluna : ""))
                << (campo ? campo : "");
            EXPECT_EQ(outraCopia,
                      aceita.mensagens.contains(QStringLiteral(
                          "Registro alterado em outra estação depois de carregado, a gravação não "
                          "foi realizada !")));
            platform::ui::destroyAllForms();
            settle();
            if (!j.campo) break;
        }
    }
    platform::ui::setUiScript(script.get());
}

}  // namespace
