#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>

#include "books/LivrosIss_sql.h"
#include "books/documentos_sql.h"
#include "movement/CamposMes.h"
#include "movement/movimento_sql.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/values/RuntimeError.h"
#include "sintegra/sintegra_sql.h"
#include "support/TempProgramFolder.h"

using namespace movimento;
using platform::db::Connection;

namespace {

// A document whose every column holds a value of its own, told apart by the column's place in the map.
template <typename D>
D Distinto() {
    D d;
    int i = 0;
    for (const ColunaMes<D>& c : ColunasMes<D>()) {
        ++i;
        if (c.tipo == TipoMes::Data) d.*(c.data) = QDate(2003, 3, i);
        if (c.tipo == TipoMes::Dinheiro) c.Dinheiro(d) = Currency::fromRaw(10100 * i);
        if (c.tipo == TipoMes::Texto) c.Texto(d) = QString::number(100 + i);
    }
    return d;
}

// How many columns of `lido` hold what `escrito` holds; every other column (but the key, which the
// database gives) must have been left empty by a reader that does not take it.
template <typename D>
int Conferidas(const D& lido, const D& escrito, const char* leitor) {
    const D vazio;
    int iguais = 0;
    for (const ColunaMes<D>& c : ColunasMes<D>()) {
        if (c.tipo == TipoMes::Numero) continue;
        const auto valor = Valor(lido, c).value();
        if (valor == Valor(escrito, c).value())
            ++iguais;
        else
            EXPECT_TRUE(valor == Valor(vazio, c).value()) << leitor << ": " << c.nome.toStdString();
    }
    return iguais;
}

// The window's side: a field of each column's kind shows the document and gives it back whole.
template <typename D>
void ConfereCampos(const D& escrito) {
    QWidget janela;
    std::vector<std::pair<QWidget*, QString>> pares;
    for (const ColunaMes<D>* c : SemChave<D>()) {
        QWidget* campo = c->tipo == TipoMes::Data
                             ? static_cast<QWidget*>(new platform::controls::TDBDate(&janela))
                         : c->tipo == TipoMes::Dinheiro ? new platform::controls::TDBNumber(&janela)
                                                        : new QLineEdit(&janela);
        pares.emplace_back(campo, c->nome);
    }
    const CamposMes<D> campos(pares);
    ASSERT_EQ(campos.Campos().size(), pares.size());
    campos.Mostra(escrito);
    EXPECT_EQ(Conferidas(campos.Le(), escrito, "janela"), int(pares.size()));
    EXPECT_EQ(campos.Colunas(), SemChave<D>());
}

class DocumentoMesTest : public ::testing::Test {
  protected:
    void SetUp() override { banco.Open(pasta.movementConnection(QStringLiteral("MV030012.MDB"))); }
    testsupport::TempProgramFolder pasta;
    Connection banco;
};

// Every column the map declares is written by its writer, read back whole by the window's reader and
// shown and taken by the window's fields; the books and the file read each column they take into the
// document's member the map names, and leave the others empty.
TEST_F(DocumentoMesTest, EveryColumnOfTheMapReachesTheWindowTheBooksAndTheFile) {
    const DocumentoIcms icms = Distinto<DocumentoIcms>();
    const int colunasIcms = int(SemChave<DocumentoIcms>().size());
    for (const QString& tabela : {TabelaMes(Entradas, 3), TabelaMes(Saidas, 3)}) {
        EXPECT_EQ(ColunasGravadas(icms, SemChave<DocumentoIcms>()).insert(banco, tabela), 1);
        const auto linha = LeDocumentoDaLinha<DocumentoIcms>(LeDocumento(banco, tabela, 1));
        EXPECT_EQ(linha.codauto, 1);
        EXPECT_EQ(Conferidas(linha, icms, "linha"), colunasIcms);
    }
    ConfereCampos(icms);

    struct Livro {
        Livros::Livro livro;
        const char* tabela;
        bool industria;
    };
    for (const Livro& l :
         {Livro{Livros::Livro::Entradas, "DIGE03", false}, Livro{Livros::Livro::Saidas, "DIGS03", false},
          Livro{Livros::Livro::Saidas, "DIGS03", true}}) {
        const auto lidos =
            Livros::LeDocumentos(banco, l.livro, l.tabela, QDate(2003, 3, 1), std::nullopt, l.industria);
        ASSERT_EQ(lidos.size(), 1u);
        EXPECT_GT(Conferidas(lidos[0], icms, l.tabela), 0);
    }
    for (const bool saida : {false, true}) {
        QStringList recusas;
        std::vector<DocumentoIcms> lidos;
        sintegra::LeDocumentos(banco, TabelaMes(saida ? Saidas : Entradas, 3), saida, true, QDate(2003, 3, 1),
                               QDate(2003, 3, 31), recusas,
                               [&](const DocumentoIcms& d) { lidos.push_back(d); });
        EXPECT_TRUE(recusas.isEmpty()) << recusas.join(u'\n').toStdString();
        ASSERT_EQ(lidos.size(), 1u);
        EXPECT_GT(Conferidas(lidos[0], icms, "sintegra"), 0);
    }

    const DocumentoIss iss = Distinto<DocumentoIss>();
    ColunasGravadas(iss, SemChave<DocumentoIss>()).insert(banco, TabelaMes(Iss, 3));
    EXPECT_EQ(
        Conferidas(LeDocumentoDaLinha<DocumentoIss>(LeDocumento(banco, TabelaMes(Iss, 3), 1)), iss, "linha"),
        int(SemChave<DocumentoIss>().size()));
    ConfereCampos(iss);
    const auto lidos = LivrosIss::LeDocumentos(banco, QDate(2003, 3, 1));
    ASSERT_EQ(lidos.size(), 1u);
    EXPECT_GT(Conferidas(lidos[0], iss, "livro de ISS"), 0);
}

// The template's month tables hold the map's columns, each of its kind and in its order, then the
// kept ones, and nothing else: a column added to the schema or to the map alone fails here.
TEST_F(DocumentoMesTest, TheMapAndTheKeptColumnsAreEveryColumnOfTheTemplate) {
    const char* const tipos[] = {"INTEGER", "TEXT", "DATE", "CURRENCY"};
    const auto declaradas = [&](const auto& mapa, const QStringList& guardadas) {
        QStringList colunas;
        for (const auto& c : mapa) colunas << c.nome + u' ' + QLatin1String(tipos[int(c.tipo)]);
        for (const QString& g : guardadas) colunas << g + QStringLiteral(" TEXT");
        return colunas;
    };
    const QStringList icms = declaradas(ColunasIcms(), ColunasGuardadas<DocumentoIcms>());
    const QStringList iss = declaradas(ColunasIss(), ColunasGuardadas<DocumentoIss>());
    for (const QString& familia : {Entradas, Saidas, Iss})
        for (int mes = 1; mes <= 12; ++mes) {
            QStringList colunas;
            for (auto rs = banco.OpenSchema(platform::db::Schema::Columns, TabelaMes(familia, mes));
                 !rs.Eof(); rs.MoveNext())
                colunas << rs.Fields("COLUMN_NAME").toString() + u' ' + rs.Fields("DATA_TYPE").toString();
            EXPECT_EQ(colunas, familia == Iss ? iss : icms) << TabelaMes(familia, mes).toStdString();
        }
}

// A name the map does not declare is refused wherever a column or a table is named.
TEST_F(DocumentoMesTest, NamesOutsideTheMapAreRefused) {
    using platform::values::RuntimeError;
    EXPECT_EQ(ColunaDoMapa<DocumentoIcms>(QStringLiteral("BASEICMS4")).slot, 4);
    EXPECT_EQ(Projeta<DocumentoIcms>({"aliqicms"}).size(), std::size_t(SlotsItens));
    EXPECT_EQ(TabelaDoMovimento(QStringLiteral("digiss12")), QStringLiteral("DIGISS12"));
    for (const char* nome : {"talao2", "baseicms5", "", "codauto; DROP"}) {
        EXPECT_THROW(ColunaDoMapa<DocumentoIcms>(QString::fromLatin1(nome)), RuntimeError) << nome;
        EXPECT_THROW(Projeta<DocumentoIss>({nome}), RuntimeError) << nome;
    }
    for (const char* tabela : {"DIGE13", "DIGE3", "Empresas", "DIGS03 WHERE 1", "DIGISS"})
        EXPECT_THROW(
            LeituraMes<DocumentoIcms>(banco, QString::fromLatin1(tabela), SemChave<DocumentoIcms>(), {}),
            RuntimeError)
            << tabela;
}

}  // namespace
