// What a save writes, over the program's windows that save a row: a row whose every column holds an
// odd value, saved with nothing typed, is left whole, type and bytes; one field typed changes only its
// column.
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>
#include <functional>
#include <map>

#include "app/Janelas.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/Form.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/UiScript.h"
#include "shell/EstadoGeral.h"
#include "support/RegistryWindowFixture.h"

using namespace testsupport;
using platform::ui::Form;

namespace {

using Linha = std::map<QString, QString>;

// Answers every message (OK, or Yes to a question) and drives the dialog a row opens; an error
// message or any other dialog fails the test.
class Aceita : public platform::ui::UiScript {
  public:
    int answerMessage(const platform::ui::MessageRequest& r) override {
        EXPECT_FALSE(r.title.startsWith(QStringLiteral("Erro"))) << r.text.toStdString();
        return (r.style & 7) == platform::ui::Msg::OKOnly ? platform::ui::Msg::OK : platform::ui::Msg::Yes;
    }
    void dialogShown(QDialog& d) override {
        if (dialogo && d.objectName() == nomeDialogo) return dialogo(d);
        QStringList linhas;
        if (auto* erros = d.findChild<platform::controls::TDBList*>(QStringLiteral("tdbErros")))
            for (int i = 0; i < erros->Array()->Count(1); ++i)
                linhas << erros->Array()->Value(erros->Array()->LowerBound(1) + i, 2).toString();
        ADD_FAILURE() << "dialog " << d.objectName().toStdString() << ": " << linhas.join(u'|').toStdString();
        d.reject();
    }
    QString nomeDialogo;
    std::function<void(QDialog&)> dialogo;
};

class GravacaoTest : public RegistryWindowFixture {
  protected:
    // The columns of the row, each as its type and bytes.
    Linha Le(const QString& tabela, const QString& onde) {
        QStringList colunas;
        for (auto rs = db.OpenRecordset(QStringLiteral("PRAGMA table_info(") + tabela + u')'); !rs.Eof();
             rs.MoveNext())
            colunas << rs.Fields(QStringLiteral("name")).toString();
        QStringList exprs;
        for (const QString& c : colunas) exprs << QStringLiteral("typeof(%1) || ':' || hex(%1)").arg(c);
        auto rs = db.OpenRecordset(QStringLiteral("SELECT ") + exprs.join(u',') + QStringLiteral(" FROM ") +
                                   tabela + QStringLiteral(" WHERE ") + onde);
        Linha linha;
        for (int i = 0; !rs.Eof() && i < colunas.size(); ++i) linha[colunas[i]] = rs.Fields(i).toString();
        return linha;
    }
    // Every column but the key and `fixas` gets an odd value of its type, in turn.
    void Estranha(const QString& tabela, const QString& onde, const QStringList& fixas) {
        static const QStringList textos{QStringLiteral("printf('%300s', 'longo')"),
                                        QStringLiteral("NULL"),
                                        QStringLiteral("''"),
                                        QStringLiteral("'  sp  '"),
                                        QStringLiteral("CAST(X'53E36F205061756C6F' AS TEXT)"),
                                        QStringLiteral("'3.145.926-5'"),
                                        QStringLiteral("'4711-3/02'")};
        static const std::map<QString, QStringList> porTipo{
            {QStringLiteral("DATE"), {QStringLiteral("'2020-01-05 10:00:00'"), "''", "NULL"}},
            {QStringLiteral("CURRENCY"), {QStringLiteral("125007"), "NULL"}},
            {QStringLiteral("YESNO"), {QStringLiteral("-1")}},
            {QStringLiteral("INTEGER"), {QStringLiteral("NULL"), "123456789"}},
            {QStringLiteral("DOUBLE"), {QStringLiteral("1.23456789")}}};
        QStringList sets;
        int i = 0;
        for (auto rs = db.OpenRecordset(QStringLiteral("PRAGMA table_info(") + tabela + u')'); !rs.Eof();
             rs.MoveNext(), ++i) {
            const QString nome = rs.Fields(QStringLiteral("name")).toString();
            if (rs.Fields(QStringLiteral("pk")).toLongLong() || fixas.contains(nome, Qt::CaseInsensitive))
                continue;
            const auto tipo = porTipo.find(rs.Fields(QStringLiteral("type")).toString().toUpper());
            const QStringList& valores = tipo == porTipo.end() ? textos : tipo->second;
            sets << nome + QStringLiteral(" = ") + valores[i % valores.size()];
        }
        if (!sets.isEmpty())
            db.Execute(QStringLiteral("UPDATE ") + tabela + QStringLiteral(" SET ") + sets.join(u',') +
                       QStringLiteral(" WHERE ") + onde);
    }
    static QStringList Mudadas(const Linha& antes, const Linha& depois) {
        QStringList mudadas;
        for (const auto& [coluna, valor] : antes)
            if (depois.at(coluna) != valor) mudadas << coluna;
        return mudadas;
    }

  public:
    static void Chave(QWidget* w, const char* campo, const char* texto) {
        typeInto(w, QString::fromLatin1(campo), QString::fromUtf8(texto));
        pressTab();
        settle();
    }
};

// One window that saves a row: where the row is, the SQL that makes it, how the window (or the dialog
// it opens) loads it and hands itself to `grava`, the field typed and the columns that typing changes.
struct Janela {
    const char* janela;
    const char* tabela;
    const char* onde;
    const char* cria;
    QStringList fixas;
    std::function<void(QWidget*, const std::function<void(QWidget*)>& grava, Aceita&)> carrega;
    const char* campo;
    const char* texto;
    QStringList mudam;
};

// The key typed and left; the row is found.
auto PelaChave(const char* campo, const char* texto) {
    return [=](QWidget* w, const std::function<void(QWidget*)>& grava, Aceita&) {
        GravacaoTest::Chave(w, campo, texto);
        grava(w);
    };
}
// A company chosen, then the first person of its list.
auto PrimeiraPessoa() {
    return [](QWidget* w, const std::function<void(QWidget*)>& grava, Aceita&) {
        GravacaoTest::Chave(w, "txtCodigo", "7");
        QTableView* v = w->findChild<platform::controls::TDBList*>()->view();
        int coluna = 0;
        while (v->isColumnHidden(coluna)) ++coluna;
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {},
                          v->visualRect(v->model()->index(0, coluna)).center());
        settle();
        grava(w);
    };
}
// Company 7 loaded, its dialog opened by `botao`, the row of `data` typed in it.
auto Dialogo(const char* dialogo, const char* botao, const char* campoData, const char* data) {
    return [=](QWidget* w, const std::function<void(QWidget*)>& grava, Aceita& aceita) {
        GravacaoTest::Chave(w, "txtCodigo", "7");
        aceita.nomeDialogo = QString::fromLatin1(dialogo);
        aceita.dialogo = [&](QDialog& d) {
            GravacaoTest::Chave(&d, campoData, data);
            grava(&d);
            click(&d, QStringLiteral("cmdSair"));
        };
        click(w, QString::fromLatin1(botao));
        settle();
        aceita.dialogo = nullptr;
        click(w, QStringLiteral("cmdCancelar"));
    };
}

TEST_F(GravacaoTest, ASaveChangesOnlyTheColumnsOfTheFieldsTyped) {
    Geral::UsuarioAtual = QStringLiteral("Administrador");
    const QString empresa = QStringLiteral(
        "INSERT INTO Empresas (codigo, nome, uf, situ) VALUES (7, 'Padaria', 'SP', 'A');"
        "UPDATE Empresas SET mes_base_fiscal = NULL;");
    const QString uf = QStringLiteral(" nome = 'Padaria', uf = '  sp  ', situ = 'A'");
    const std::vector<Janela> janelas = {
        {"frmEmpresas",
         "Empresas",
         "codigo = 7",
         "",
         {"codigo", "codauto"},
         PelaChave("txtCodigo", "7"),
         "txtBairro",
         "Sé",
         {"bairro"}},
        {"frmForCliGeral",
         "ForGeral",
         "cgc = '11.222.333/0001-81'",
         "INSERT INTO ForGeral (cgc, nome) VALUES ('11.222.333/0001-81', 'F')",
         {"cgc", "nome"},
         PelaChave("txtCgc", "11222333000181"),
         "txtBairro",
         "Sé",
         {"bairro"}},
        {"frmForCliGeral",
         "CliGeral",
         "cgc = '11.222.333/0001-81'",
         "INSERT INTO CliGeral (cgc, nome) VALUES ('11.222.333/0001-81', 'C')",
         {"cgc", "nome"},
         [](QWidget* w, const std::function<void(QWidget*)>& grava, Aceita& a) {
             if (w->windowTitle() != u"Clientes") click(w, QStringLiteral("cmdAltera"));
             PelaChave("txtCgc", "11222333000181")(w, grava, a);
         },
         "txtNome",
         "Cliente",
         {"nome"}},
        {"frmCodFiscal03",
         "CodFiscal2003",
         "codfiscal = '5.102'",
         "UPDATE CodFiscal2003 SET Descri = '  Venda  ' WHERE codfiscal = '5.102'",
         {"codfiscal", "Descri"},
         PelaChave("mskCodigo", "5102"),
         "txtDescri",
         "Venda",
         {"Descri"}},
        {"frmCodFiscal",
         "CodFiscal",
         "codfiscal = '1.11'",
         "UPDATE CodFiscal SET Descri = '  Compra  ' WHERE codfiscal = '1.11'",
         {"codfiscal", "Descri"},
         PelaChave("mskCodigo", "111"),
         "txtDescri",
         "Venda",
         {"Descri"}},
        {"frmSocios",
         "Socios",
         "nome = 'S'",
         "INSERT INTO Socios (codempr, nome) SELECT codauto, 'S' FROM Empresas",
         {"codempr", "nome"},
         PrimeiraPessoa(),
         "txtBairro",
         "Sé",
         {"bairro"}},
        {"frmTerceiros",
         "Terceiros",
         "nome = 'T'",
         "INSERT INTO Terceiros (codempr, nome) SELECT codauto, 'T' FROM Empresas",
         {"codempr", "nome"},
         PrimeiraPessoa(),
         "txtBairro",
         "Sé",
         {"bairro"}},
        {"frmTermo",
         "Termo",
         "codcli = (SELECT codauto FROM Empresas)",
         "INSERT INTO Termo (codcli, Resp, Cpf, Rg, Cont, Crc) SELECT codauto, '  R  ', '123', '4', ' C ', "
         "'5' FROM Empresas",
         {"codcli", "Resp", "Cpf", "Rg", "Cont", "Crc"},
         PelaChave("txtCodigo", "7"),
         "txtRegN",
         "123",
         {"ESRegN"}},
        {"frmUsuarios",
         "usuarios",
         "codigo = 5",
         "INSERT INTO usuarios (codigo, nome) VALUES (5, ' Ana Beatriz de Souza Lima ')",
         {"codigo", "nome"},
         PelaChave("mskCodigo", "5"),
         "txtNome",
         "Beatriz",
         {"nome"}},
        {"frmEmpresas",
         "Enquadramento",
         "codempr = 7",
         "INSERT INTO Enquadramento (codempr, denquadra, codtipo) VALUES (7, '2005-01-01', 99)",
         {"codempr", "denquadra", "codtipo"},
         Dialogo("frmTenquad", "cmdEnquadra", "tdbDenquad", "01012005"),
         nullptr,
         "",
         {}},
        {"frmEmpresas",
         "Contrato",
         "Nregistro = '1'",
         "INSERT INTO Contrato (codempr, Dregistro, Nregistro) SELECT codauto, '2005-01-01', '1' FROM "
         "Empresas",
         {"codempr", "Dregistro", "Nregistro"},
         Dialogo("frmCsocial", "cmdContrato", "tdbDregistro", "01012005"),
         "txtBrelato",
         "Livro",
         {"Brelato"}},
    };
    Aceita aceita;
    platform::ui::setUiScript(&aceita);
    for (const auto& j : janelas) {
        SCOPED_TRACE(std::string(j.janela) + " " + j.tabela);
        db.Execute(QStringLiteral("DELETE FROM Empresas"));
        for (const QString& sql : (empresa + QString::fromUtf8(j.cria)).split(u';', Qt::SkipEmptyParts))
            db.Execute(sql);
        const QString tabela = QString::fromLatin1(j.tabela), onde = QString::fromLatin1(j.onde);
        if (tabela != u"Empresas") db.Execute(QStringLiteral("UPDATE Empresas SET") + uf);
        Estranha(tabela, onde, j.fixas);
        if (tabela == u"Empresas") db.Execute(QStringLiteral("UPDATE Empresas SET") + uf);
        app::JanelasDoPrograma().at(QString::fromLatin1(j.janela))();
        settle();
        QWidget* w = host->mdiArea()->activeSubWindow()->widget();
        for (const char* campo : {static_cast<const char*>(nullptr), j.campo}) {
            const Linha antes = Le(tabela, onde);
            j.carrega(
                w,
                [&](QWidget* janela) {
                    if (campo) typeInto(janela, QString::fromLatin1(campo), QString::fromUtf8(j.texto));
                    click(janela, QStringLiteral("cmdGravar"));
                    settle();
                },
                aceita);
            EXPECT_EQ(Mudadas(antes, Le(tabela, onde)), campo ? j.mudam : QStringList())
                << (campo ? campo : "nada digitado");
            if (!j.campo) break;
        }
        platform::ui::destroyAllForms();
        settle();
    }
    platform::ui::setUiScript(script.get());
}

}  // namespace
