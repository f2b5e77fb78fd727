#include "shell/JanelaCadastroLista.h"

#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/values/TextCompare.h"
#include "platform/values/Vb.h"
#include "shell/ListaPesquisa.h"

namespace shell {

namespace values = platform::values;

namespace {
int TipoDoArray(TipoColuna tipo) {
    switch (tipo) {
        case TipoColuna::Numero:
            return Pesquisa::TipoInteiro;
        case TipoColuna::Data:
            return Pesquisa::TipoData;
        case TipoColuna::Moeda:
            return Pesquisa::TipoMoeda;
        case TipoColuna::Texto:
            break;
    }
    return Pesquisa::TipoTexto;
}

// Keys compare by the kind of column 0: "012" is the code 12, and a date is a date.
bool MesmaChave(const QString& a, const QString& b, TipoColuna tipo) {
    switch (tipo) {
        case TipoColuna::Numero:
            return values::Val(a) == values::Val(b);
        case TipoColuna::Data: {
            const auto da = values::parseDate(a), db = values::parseDate(b);
            return da && db ? *da == *db : a == b;
        }
        case TipoColuna::Moeda:
            return values::Currency::parse(a) == values::Currency::parse(b);
        case TipoColuna::Texto:
            break;
    }
    return values::equalText(a, b);
}
}  // namespace

ListaCadastro::ListaCadastro() = default;
ListaCadastro::~ListaCadastro() = default;

void ListaCadastro::Configura(platform::controls::TDBList* lista, std::vector<ColunaLista> colunas,
                              TipoColuna tipoInicial) {
    lista_ = lista;
    colunas_ = std::move(colunas);
    tipoInicial_ = tipoInicial;
    ordem_ = 0;
    colunaOrdem_ = 0;
    tipo_ = tipoInicial;
    if (!lista_) return;
    dados_ = std::make_unique<platform::controls::XArrayDB>();
    for (int c = 0; c < int(colunas_.size()); ++c) lista_->setColumnCaption(c, colunas_[c].titulo);
    dados_->ReDim(0, -1, 0, int(colunas_.size()) - 1);
    lista_->setArray(dados_.get());
}

void ListaCadastro::Carrega(const std::vector<QStringList>& linhas) {
    if (!lista_) return;
    const int colunas = int(colunas_.size());
    dados_->ReDim(0, int(linhas.size()) - 1, 0, colunas - 1);
    for (int i = 0; i < int(linhas.size()); ++i)
        for (int c = 0; c < colunas; ++c)
            dados_->setValue(i, c, c < linhas[i].size() ? linhas[i][c] : QString());
    ordem_ = 0;
    colunaOrdem_ = 0;
    tipo_ = tipoInicial_;
    lista_->setArray(dados_.get());
}

int ListaCadastro::Linhas() const { return dados_ ? dados_->Count(1) : 0; }

QString ListaCadastro::Celula(int linha, int coluna) const { return dados_->Value(linha, coluna).toString(); }

int ListaCadastro::LinhaDaChave(const QString& chave) const {
    if (colunas_.empty()) return -1;
    const TipoColuna tipo = colunas_.front().tipo;
    for (int i = 0; i < Linhas(); ++i)
        if (MesmaChave(Celula(i, 0), chave, tipo)) return i;
    return -1;
}

void ListaCadastro::Posiciona(const QString& chave) {
    if (!lista_ || Linhas() == 0) return;
    const int linha = LinhaDaChave(chave);
    if (linha >= 0) lista_->setBookmark(linha);
}

int ListaCadastro::LinhaAtual() const { return lista_ ? lista_->Bookmark() : -1; }

void ListaCadastro::Grava(const QString& chave, const QStringList& celulas, bool inclusao) {
    if (!lista_) return;
    int linha = inclusao ? -1 : LinhaDaChave(chave);
    if (linha < 0) {
        linha = Linhas();
        dados_->Insert(1, linha, 1);
    }
    for (int c = 0; c < int(colunas_.size()); ++c)
        dados_->setValue(linha, c, c < celulas.size() ? celulas[c] : QString());
    // A date key always sorts as a date: in the kind of another column "dd/mm/yyyy" would put the
    // same day of every month together.
    const TipoColuna tipoChave = colunas_.front().tipo;
    const int coluna = lista_->ColumnVisible(0) ? 0 : colunaOrdem_;
    Ordena(coluna, coluna == 0 && tipoChave == TipoColuna::Data ? TipoColuna::Data : tipo_);
    lista_->ReBind();
}

void ListaCadastro::Remove(const QString& chave) {
    if (!lista_) return;
    const int linha = LinhaDaChave(chave);
    if (linha < 0) return;
    dados_->Delete(1, linha, 1);
    lista_->ReBind();
}

void ListaCadastro::OrdenaCabecalho(int coluna, int ordem) {
    if (!lista_ || coluna < 0 || coluna >= int(colunas_.size())) return;
    lista_->clearBookmark();
    ordem_ = ordem;
    colunaOrdem_ = coluna;
    tipo_ = colunas_[coluna].tipo;
    Ordena(coluna, tipo_);
    lista_->ReBind();
}

void ListaCadastro::Ordena(int coluna, TipoColuna tipo) {
    if (Linhas() > 1) dados_->QuickSort(0, Linhas() - 1, coluna, ordem_, TipoDoArray(tipo));
}

}  // namespace shell
