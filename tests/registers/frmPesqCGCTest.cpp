#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableView>

#include "RegistrosFixture.h"
#include "platform/controls/TDBList.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/ShowModal.h"
#include "registers/forcli_sql.h"
#include "registers/frmPesqCGC.h"
#include "shell/EstadoGeral.h"
#include "shell/ListaPesquisa.h"

using namespace registers;
using namespace testsupport;
using platform::ui::Msg::OK;

namespace {

class PesqCGCTest : public RegistrosFixture {
  protected:
    void SetUp() override {
        RegistrosFixture::SetUp();
        InsereParceiro(db, forcli::Clientes,
                       Parte(QStringLiteral("11.222.333/0001-81"), QStringLiteral("Beta"),
                             QStringLiteral("SP"), QStringLiteral("110")));
        InsereParceiro(db, forcli::Clientes, Parte(QStringLiteral("123.456.789-09"), QStringLiteral("Alfa")));
        InsereParceiro(
            db, forcli::Clientes,
            Parte(QStringLiteral("98.765.432/0001-98"), QStringLiteral("Gama"), QStringLiteral("RJ")));
    }
    // Opens the search on `tabela` and drives it; returns whether it ended with a choice.
    bool Pesquisa(const QString& tabela, std::function<void(frmPesqCGC&)> drive) {
        script->onDialog(QStringLiteral("frmPesqCGC"),
                         [drive](QDialog& d) { drive(static_cast<frmPesqCGC&>(d)); });
        Geral::TabelaPesquisa = tabela;
        frmPesqCGC dialogo;
        platform::ui::ShowModal(dialogo);
        const bool escolheu = !Geral::Cancelado;
        Geral::Cancelado = false;
        return escolheu;
    }
    static QStringList Coluna(frmPesqCGC& d, int c) {
        QStringList r;
        for (int i = 0; i < d.Lista().Linhas(); ++i) r << d.Lista().Celula(i, c);
        return r;
    }
};

TEST_F(PesqCGCTest, ListsTheClientsByNameAndReturnsKeyAndState) {
    QString caption, titulo;
    QStringList nomes;
    EXPECT_TRUE(Pesquisa(forcli::Clientes, [&](frmPesqCGC& d) {
        caption = d.tdbPesq->ColumnCaption(1);
        titulo = d.windowTitle();
        nomes = Coluna(d, 1);
        EXPECT_EQ(Coluna(d, 2), (QStringList{"", "110", ""}));
        // The key, the name and the registration are never cut.
        const QTableView* vista = d.tdbPesq->view();
        for (int c = 0; c < 3; ++c)
            for (const QString& texto : Coluna(d, c))
                EXPECT_GE(vista->columnWidth(c), vista->fontMetrics().horizontalAdvance(texto))
                    << texto.toStdString();
        d.Lista().DefineLinhaAtual(1);
        click(&d, QStringLiteral("cmdOk"));
    }));
    EXPECT_EQ(caption, QStringLiteral("Cliente"));
    EXPECT_EQ(titulo, QStringLiteral("Pesquisa de CNPJ"));
    EXPECT_EQ(nomes, (QStringList{"Alfa", "Beta", "Gama"}));
    EXPECT_EQ(Geral::ChaveComum, QStringLiteral("11.222.333/0001-81"));
    EXPECT_EQ(Geral::UfEscolhida, QStringLiteral("SP"));

    // A row without a state returns an empty one.
    Geral::UfEscolhida = QStringLiteral("XX");
    EXPECT_TRUE(Pesquisa(forcli::Clientes, [](frmPesqCGC& d) { click(&d, QStringLiteral("cmdOk")); }));
    EXPECT_EQ(Geral::ChaveComum, QStringLiteral("123.456.789-09"));
    EXPECT_TRUE(Geral::UfEscolhida.isEmpty());
}

TEST_F(PesqCGCTest, TheKeyColumnSortsAsTextWithItsPunctuation) {
    QStringList asc, desc;
    Pesquisa(forcli::Clientes, [&](frmPesqCGC& d) {
        d.Lista().Cabecalho(0);
        asc = Coluna(d, 0);
        d.Lista().Rodape(0);
        desc = Coluna(d, 0);
        d.close();
    });
    EXPECT_EQ(asc, (QStringList{"11.222.333/0001-81", "123.456.789-09", "98.765.432/0001-98"}));
    EXPECT_EQ(desc, (QStringList{"98.765.432/0001-98", "123.456.789-09", "11.222.333/0001-81"}));
}

TEST_F(PesqCGCTest, CancelEscAndTheCloseBoxLeaveTheKeyAndCancel) {
    QString caption;
    const std::vector<std::function<void(frmPesqCGC&)>> saidas = {[&](frmPesqCGC& d) {
                                                                      caption = d.tdbPesq->ColumnCaption(1);
                                                                      click(&d, QStringLiteral("cmdCancela"));
                                                                  },
                                                                  [](frmPesqCGC& d) {
                                                                      clickInto(d.tdbPesq->view());
                                                                      pressEsc();
                                                                  },
                                                                  [](frmPesqCGC& d) { d.close(); }};
    InsereParceiro(db, forcli::Fornecedores, Parte(QStringLiteral("123.456.789-09"), QStringLiteral("F")));
    for (const auto& saida : saidas) {
        Geral::ChaveComum = QStringLiteral("antes");
        EXPECT_FALSE(Pesquisa(forcli::Fornecedores, saida));
        EXPECT_EQ(Geral::ChaveComum, QStringLiteral("antes"));
    }
    EXPECT_EQ(caption, QStringLiteral("Fornecedor"));
}

TEST_F(PesqCGCTest, AnEmptyRegisterIsToldAndTheDialogNeverShows) {
    script->expect(QStringLiteral("Atenção, não há nenhum registro cadastrado !"), OK);
    Geral::TabelaPesquisa = forcli::Fornecedores;
    frmPesqCGC dialogo;
    platform::ui::ShowModal(dialogo);
    EXPECT_TRUE(Geral::Cancelado);
    EXPECT_FALSE(dialogo.isVisible());
}

}  // namespace
