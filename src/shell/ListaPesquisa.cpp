#include "shell/ListaPesquisa.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <cmath>

#include "platform/controls/TDBList.h"
#include "platform/controls/XArrayDB.h"
#include "platform/ui/Focus.h"
#include "platform/ui/ShowModal.h"
#include "platform/values/MaskedText.h"
#include "platform/values/RuntimeError.h"
#include "platform/values/Vb.h"
#include "shell/EstadoGeral.h"
#include "shell/Geral.h"
#include "shell/JanelaCadastroCampos.h"
#include "shell/RotinasControles.h"

namespace shell {

namespace values = platform::values;

namespace Forma {
FormaCelula Zeros(int largura) {
    return [largura](const platform::db::Field& f) {
        return f.isNull() ? QString() : Geral::Zeros(f.toLongLong(), largura);
    };
}
FormaCelula Data(const QString& padrao) {
    // Another tool's empty text is no date, as a null is.
    return [padrao](const platform::db::Field& f) {
        return f.isNull() || f.toString().isEmpty() ? QString() : values::Format(f.toDate(), padrao);
    };
}
FormaCelula Numero(const QString& padrao) {
    return [padrao](const platform::db::Field& f) {
        return f.isNull() ? QString() : values::Format(f.toCurrency(), padrao);
    };
}
FormaCelula Mascara() {
    return [](const platform::db::Field& f) { return values::blankIfEmptyMask(f.toString()); };
}
}  // namespace Forma

namespace {
QString TextoCelula(const platform::db::Field& valor, const FormaCelula& forma) {
    return forma ? forma(valor) : valor.toString();
}
}  // namespace

ListaPesquisa::ListaPesquisa(platform::controls::TDBList& lista, std::vector<ColunaPesquisa> colunas,
                             QComboBox* seletor, QObject* parent)
    : QObject(parent),
      lista_(lista),
      dados_(std::make_unique<platform::controls::XArrayDB>()),
      colunas_(std::move(colunas)),
      seletor_(seletor) {
    QStringList titulos;
    for (int c = 0; c < int(colunas_.size()); ++c) {
        titulos << colunas_[c].titulo;
        lista_.setColumnCaption(c, colunas_[c].titulo);
    }
    dados_->ReDim(0, -1, 0, int(colunas_.size()) - 1);
    lista_.setArray(dados_.get());
    if (seletor_) {
        seletor_->addItems(titulos);
        seletor_->setCurrentIndex(-1);
    }
}

ListaPesquisa::~ListaPesquisa() = default;

int ListaPesquisa::Carrega(platform::db::Recordset& rs, const LinhaVazia& semChave) {
    std::vector<QStringList> linhas;
    for (; !rs.Eof(); rs.MoveNext()) {
        QStringList celulas;
        const bool vazia = semChave && semChave(rs);
        for (int c = 0; c < int(colunas_.size()); ++c)
            celulas << (c < rs.FieldCount() && !vazia ? TextoCelula(rs.Fields(c), colunas_[c].forma)
                                                      : QString());
        linhas.push_back(std::move(celulas));
    }
    dados_->ReDim(0, int(linhas.size()) - 1, 0, int(colunas_.size()) - 1);
    for (int i = 0; i < int(linhas.size()); ++i)
        for (int c = 0; c < int(colunas_.size()); ++c) dados_->setValue(i, c, linhas[i][c]);
    lista_.setArray(dados_.get());
    // A list just loaded stands on its first row, which OK takes at once.
    if (!linhas.empty()) DefineLinhaAtual(0);
    return int(linhas.size());
}

int ListaPesquisa::Linhas() const { return dados_->Count(1); }
QString ListaPesquisa::Celula(int linha, int coluna) const { return dados_->Value(linha, coluna).toString(); }

void ListaPesquisa::Ordena(int coluna, int ordem) {
    if (coluna < 0 || coluna >= int(colunas_.size())) return;
    coluna_ = coluna;
    ordem_ = ordem;
    tipo_ = colunas_[coluna].tipo;
    comparacao_ = colunas_[coluna].comparacao;
    if (Linhas() > 1) dados_->QuickSort(0, Linhas() - 1, coluna, ordem_, tipo_);
    lista_.ReBind();
    if (seletor_) {
        const QSignalBlocker calado(seletor_);
        seletor_->setCurrentIndex(coluna);
    }
}

void ListaPesquisa::SeletorMudou() {
    if (!seletor_ || seletor_->currentIndex() < 0) return;
    Ordena(seletor_->currentIndex(), Pesquisa::Ascendente);
}

namespace {
// A code typed into the find box, read as the nearest 16-bit whole number; none outside that range.
std::optional<qint64> CodigoDigitado(const QString& valor) {
    const double numero = std::nearbyint(values::Val(valor));
    if (numero < -32768 || numero > 32767) return std::nullopt;
    return static_cast<qint64>(numero);
}
}  // namespace

int ListaPesquisa::Procura(int coluna, const QString& valor) const {
    QVariant procurado = valor;
    if (comparacao_ == Pesquisa::CompIgual && tipo_ == Pesquisa::TipoInteiro) {
        const auto codigo = CodigoDigitado(valor);
        if (!codigo) return -1;
        procurado = *codigo;
    }
    return dados_->Find(0, coluna, procurado, ordem_, comparacao_, tipo_);
}

int ListaPesquisa::LinhaAtual() const { return lista_.Bookmark(); }
void ListaPesquisa::DefineLinhaAtual(int linha) { lista_.setBookmark(linha); }

std::optional<QString> ListaPesquisa::ChaveAtual() const {
    const int linha = LinhaAtual();
    if (linha < 0 || linha >= Linhas()) return std::nullopt;
    return Celula(linha, 0);
}

std::optional<QString> AbrePesquisa(QDialog& dialogo, const QString& titulo, const QString& tabela) {
    Geral::TituloPesquisa = titulo;
    Geral::TabelaPesquisa = tabela;
    platform::ui::ShowModal(dialogo);
    if (Geral::Cancelado) {
        Geral::Cancelado = false;
        return std::nullopt;
    }
    return Geral::ChaveComum;
}

void DevolveChave(QWidget* campoChave, const std::optional<QString>& chave) {
    if (chave) DefineTextoCampo(campoChave, *chave);
    platform::ui::setFocusTo(campoChave);
    if (chave) platform::ui::postTab();
}

void PesquisaDaChave(QWidget* campoChave, bool chaveVazia,
                     const std::function<std::optional<QString>()>& abre) {
    try {
        std::optional<QString> chave;
        if (chaveVazia) {
            chave = abre();
        } else if (Geral::Cancelado) {
            Geral::Cancelado = false;
        } else {
            chave = Geral::ChaveComum;
        }
        DevolveChave(campoChave, chave);
    } catch (const platform::values::RuntimeError&) {
    }
    platform::ui::setFocusTo(campoChave);
    Geral::SelecionaTexto();
}

}  // namespace shell
