#include "sintegra/RegistrosArquivo.h"

#include <algorithm>
#include <type_traits>

#include "platform/values/Cp1252.h"
#include "shell/Geral.h"

namespace sintegra {

namespace {

constexpr qsizetype Largura = 126;

// The control characters of Unicode, C1 included: Windows-1252 would write some of them as they are.
bool controle(QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F); }

// A record built field by field, in place in a line of 126 blanks: a text of its own (`Char` QChar),
// or Windows-1252 bytes written straight where the file's line goes (`Char` char). The bytes take only
// what needs no conversion, printable ASCII (an apostrophe a blank, as TiraAcentos makes it); a line
// with any other character is not `simples` and is to be built as text.
template <class Char>
class Linha {
  public:
    explicit Linha(QStringView tipo) requires std::is_same_v<Char, QChar>
        : s_(Largura, u' '), inicio_(s_.data()), p_(inicio_) {
        texto(tipo, tipo.size());
    }
    Linha(QStringView tipo, char* destino) requires std::is_same_v<Char, char> : inicio_(destino),
                                                                                 p_(destino) {
        std::fill_n(destino, Largura, ' ');
        texto(tipo, tipo.size());
    }
    // The first `largura` characters of `v`, blanks on the right.
    Linha& texto(QStringView v, qsizetype largura) {
        Char* const fim = campo(largura);
        escreve(v, fim);
        return *this;
    }
    // The last `largura` characters of `v`.
    Linha& fim(QStringView v, qsizetype largura) { return texto(v.right(largura), largura); }
    // Digits: the first `largura` characters of `v`, zeros on the left.
    Linha& zeros(QStringView v, qsizetype largura) {
        Char* const fim = campo(largura);
        v = v.left(fim - p_);
        p_ = std::fill_n(p_, fim - p_ - v.size(), Char('0'));
        escreve(v, fim);
        return *this;
    }
    // A CNPJ/CPF of a register, fourteen zeros when there is none.
    Linha& cgc(const QString& v) { return v.isEmpty() ? zeros(u"", 14) : texto(v, 14); }
    bool simples() const { return simples_; }
    QString feito() requires std::is_same_v<Char, QChar> {
        Q_ASSERT(p_ == inicio_ + Largura);
        return std::move(s_);
    }

  private:
    // Writes `v` up to `fim`, where the field ends whatever `v` held. A character beyond the basic
    // plane, which the file writes as one "?", counts as one; a control character (a line break or tab
    // stored by another tool) is a blank, so that no field can break its line.
    void escreve(QStringView v, Char* fim) {
        for (qsizetype i = 0; i < v.size() && p_ < fim; ++i) {
            const QChar c = v[i];
            if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
                *p_++ = caractere(c);
                continue;
            }
            if constexpr (std::is_same_v<Char, char>) {
                simples_ = false;
                break;
            } else {
                if (c.isHighSurrogate() && i + 1 < v.size() && v[i + 1].isLowSurrogate()) ++i;
                *p_++ = c.isSurrogate() ? QChar(u'?') : controle(c) ? QChar(u' ') : c;
            }
        }
        p_ = fim;
    }
    static Char caractere(QChar c) {
        if constexpr (std::is_same_v<Char, char>)
            return c == u'\'' ? ' ' : char(c.unicode());
        else
            return c;
    }
    // Where a field of `largura` characters ends; the layouts' widths add up to the line's, and none
    // is ever written past its end.
    Char* campo(qsizetype largura) {
        Q_ASSERT(p_ + largura <= inicio_ + Largura);
        return std::min(p_ + largura, inicio_ + Largura);
    }
    QString s_;
    Char* inicio_;
    Char* p_;
    bool simples_ = true;
};

// The digits a text begins with, without leading zeros; "0" when it begins with none.
QString valorNumerico(QStringView texto) {
    qsizetype fim = 0;
    while (fim < texto.size() && texto[fim] >= u'0' && texto[fim] <= u'9') ++fim;
    qsizetype inicio = 0;
    while (inicio < fim && texto[inicio] == u'0') ++inicio;
    return inicio == fim ? QStringLiteral("0") : texto.sliced(inicio, fim - inicio).toString();
}

// The value of a field of digits (type, date); 0 for one that holds anything else.
qint64 numero(QStringView digitos) {
    qint64 valor = 0;
    for (const QChar c : digitos) {
        if (c < u'0' || c > u'9') return 0;
        valor = valor * 10 + (c.unicode() - u'0');
    }
    return valor;
}

}  // namespace

QString Registro10(const EmpresaSintegra& e, const ParametrosArquivo& p) {
    const int ano = p.inicio.year();
    return Linha<QChar>(u"10")
        .texto(Digitos(e.cgc), 14)
        .texto(CampoInscricao(e.inscr_estadual), 14)
        .texto(e.nome, 35)
        .texto(e.cidade, 30)
        .texto(e.uf, 2)
        .zeros(Digitos(e.fax).left(10), 10)
        .texto(DataSintegra(p.inicio), 8)
        .texto(DataSintegra(p.fim), 8)
        .texto(ano >= 2004   ? u"331"
               : ano == 2003 ? u"231"
                             : u"131",
               3)
        .feito();
}

QString Registro11(const EmpresaSintegra& e, const ParametrosArquivo& p) {
    const QString numero = valorNumerico(e.numero);
    return Linha<QChar>(u"11")
        .texto(e.endereco, 34)
        .zeros(QStringView(numero).right(5), 5)
        .texto(e.complemento, 22)
        .texto(e.bairro, 15)
        .zeros(Digitos(e.cep), 8)
        .texto(p.contato, 28)
        .zeros(valorNumerico(p.fone), 12)
        .feito();
}

namespace {

// The fields after the type of each register record, written in a line of text or of bytes.
template <class Char>
Linha<Char>& campos50(Linha<Char>& l, const RegistroSintegra& r) {
    return l.cgc(r.cgc)
        .texto(r.inscr_estadual, 14)
        .texto(r.demis, 8)
        .texto(r.uf, 2)
        .texto(r.modelo, 2)
        .texto(r.serie, 3)
        .texto(r.nrnf, 6)
        .texto(r.cfop, 4)
        .texto(r.subserie, 1)
        .texto(r.vlrtot, 13)
        .texto(r.baseicms, 13)
        .texto(r.vlricms, 13)
        .texto(r.vlrisent, 13)
        .texto(r.vlroutr, 13)
        .texto(r.aliqicms, 4)
        .texto(r.situacao, 1);
}

template <class Char>
Linha<Char>& campos61(Linha<Char>& l, const RegistroSintegra& r) {
    return l.texto(u"", 28)
        .texto(r.demis, 8)
        .texto(r.modelo, 2)
        .texto(r.serie, 3)
        .texto(r.subserie, 2)
        .texto(r.nrnf, 6)
        .texto(r.nrnf, 6)
        .texto(r.vlrtot, 13)
        .texto(r.baseicms, 13)
        .fim(r.vlricms, 12)
        .texto(r.vlrisent, 13)
        .texto(r.vlroutr, 13)
        .texto(r.aliqicms, 4)
        .texto(u"", 1);
}

template <class Char>
Linha<Char>& campos70(Linha<Char>& l, const RegistroSintegra& r) {
    return l.cgc(r.cgc)
        .texto(r.inscr_estadual, 14)
        .texto(r.demis, 8)
        .texto(r.uf, 2)
        .texto(r.modelo, 2)
        .texto(r.serie, 3)
        .texto(r.nrnf, 6)
        .texto(r.cfop, 4)
        .texto(r.vlrtot, 13)
        .zeros(r.baseicms, 14)
        .zeros(r.vlricms, 14)
        .zeros(r.vlrisent, 14)
        .zeros(r.vlroutr, 14)
        .texto(r.subserie, 1)
        .texto(r.situacao, 1);
}

template <class Char>
Linha<Char>& campos76(Linha<Char>& l, const RegistroSintegra& r) {
    return l.cgc(r.cgc)
        .texto(r.inscr_estadual, 14)
        .texto(r.modelo, 2)
        .texto(r.serie, 2)
        .texto(r.subserie, 2)
        .zeros(r.nrnf, 10)
        .texto(r.cfop, 4)
        .texto(u"1", 1)
        .texto(r.demis, 8)
        .texto(r.uf, 2)
        .texto(r.vlrtot, 13)
        .texto(r.baseicms, 13)
        .fim(r.vlricms, 12)
        .fim(r.vlrisent, 12)
        .fim(r.vlroutr, 12)
        .texto(r.aliqicms, 2)
        .texto(r.situacao, 1);
}

template <class Char>
Linha<Char>& campos50Antigo(Linha<Char>& l, const RegistroSintegra& r) {
    return l.cgc(r.cgc)
        .texto(r.inscr_estadual, 14)
        .texto(r.demis, 8)
        .texto(r.uf, 2)
        .texto(r.modelo, 2)
        .texto(r.serie, 3)
        .texto(r.subserie, 2)
        .texto(r.nrnf, 6)
        .texto(r.cfop, 3)
        .texto(r.vlrtot, 13)
        .texto(r.baseicms, 13)
        .texto(r.vlricms, 13)
        .texto(r.vlrisent, 13)
        .texto(r.vlroutr, 13)
        .texto(r.aliqicms, 4)
        .texto(r.situacao, 1);
}

// The fields of a register after its type, in the record of its type and layout.
template <class Char>
void campos(Linha<Char>& l, const RegistroSintegra& r, bool novo) {
    if (r.regtip == u"61")
        campos61(l, r);
    else if (!novo)
        campos50Antigo(l, r);
    else if (r.regtip == u"70")
        campos70(l, r);
    else if (r.regtip == u"76")
        campos76(l, r);
    else
        campos50(l, r);
}

// The record of `r` as text, its fields after the type written by `campos`.
QString comoTexto(const RegistroSintegra& r,
                  Linha<QChar>& (*campos)(Linha<QChar>&, const RegistroSintegra&)) {
    Linha<QChar> l(r.regtip);
    return campos(l, r).feito();
}

}  // namespace

QString Registro50(const RegistroSintegra& r) { return comoTexto(r, campos50<QChar>); }
QString Registro61(const RegistroSintegra& r) { return comoTexto(r, campos61<QChar>); }
QString Registro70(const RegistroSintegra& r) { return comoTexto(r, campos70<QChar>); }
QString Registro76(const RegistroSintegra& r) { return comoTexto(r, campos76<QChar>); }
QString Registro50Antigo(const RegistroSintegra& r) { return comoTexto(r, campos50Antigo<QChar>); }

QString Registro90(const QString& registro10, const std::vector<std::pair<QString, qint64>>& totais) {
    QString pares;
    qint64 linhas = 3;
    for (const auto& [tipo, quantos] : totais) {
        pares += tipo + Geral::Zeros(quantos, 8);
        linhas += quantos;
    }
    return Linha<QChar>(u"90")
        .texto(QStringView(registro10).mid(2, 28), 28)
        .texto(pares + QStringLiteral("99") + Geral::Zeros(linhas, 8), 95)
        .texto(u"1", 1)
        .feito();
}

LinhasRegistros::LinhasRegistros(bool novo) : novo_(novo) {}

void LinhasRegistros::acrescenta(const RegistroSintegra& r) {
    // Type and date are digits: with the line's number below them, one integer orders the file and
    // keeps the staging order within a date (a type of 2 and a date of 8 digits take 34 bits).
    const qint64 chave = numero(r.regtip) * 100'000'000 + numero(r.demis);
    ordem_.push_back(chave << 29 | qint64(ordem_.size()));
    // Blocks of a fixed size: the lines are never copied to grow.
    if (blocos_.empty() || blocos_.back().size() == LinhasPorBloco * Largura) {
        blocos_.emplace_back();
        blocos_.back().reserve(LinhasPorBloco * Largura);
    }
    QByteArray& bloco = blocos_.back();
    const qsizetype inicio = bloco.size();
    bloco.resize(inicio + Largura);
    // Most registers hold printable ASCII alone and are written as bytes where their line goes; any
    // other is built as text, its accents taken off, and converted.
    Linha<char> bytes(r.regtip, bloco.data() + inicio);
    campos(bytes, r, novo_);
    if (!bytes.simples()) {
        Linha<QChar> texto(r.regtip);
        campos(texto, r, novo_);
        bloco.truncate(inicio);
        platform::values::appendCp1252(bloco, Geral::TiraAcentos(texto.feito()));
    }
    for (Total& t : totais_) {
        if (t.tipo == r.regtip) {
            ++t.quantos;
            break;
        }
    }
}

void LinhasRegistros::emOrdem(const std::function<void(QByteArrayView)>& linha) {
    std::sort(ordem_.begin(), ordem_.end());
    constexpr qint64 Indice = (qint64(1) << 29) - 1;
    for (const qint64 chave : ordem_) {
        const qint64 i = chave & Indice;
        linha(QByteArrayView(blocos_[std::size_t(i / LinhasPorBloco)])
                  .sliced(i % LinhasPorBloco * Largura, Largura));
    }
}

std::vector<std::pair<QString, qint64>> LinhasRegistros::totais() const {
    // Before 2003 the file holds records 50 and 61 alone.
    std::vector<std::pair<QString, qint64>> totais;
    for (const Total& t : totais_)
        if (t.quantos > 0 &&
            (novo_ || t.tipo == u"50" || t.tipo == u"51" || t.tipo == u"53" || t.tipo == u"61"))
            totais.emplace_back(t.tipo.toString(), t.quantos);
    return totais;
}

void LinhasArquivo(const EmpresaSintegra& empresa, const ParametrosArquivo& parametros,
                   LinhasRegistros& registros, const std::function<void(QByteArrayView)>& linha) {
    const QString registro10 = Registro10(empresa, parametros);
    linha(platform::values::toCp1252(Geral::TiraAcentos(registro10)));
    linha(platform::values::toCp1252(Geral::TiraAcentos(Registro11(empresa, parametros))));
    registros.emOrdem(linha);
    linha(platform::values::toCp1252(Registro90(registro10, registros.totais())));
}

bool LinhaValida(QByteArrayView linha) {
    // A byte is printable when its character is neither a control character nor one of the codes
    // Windows-1252 leaves undefined (read as the C1 controls of the same number).
    return linha.size() == Largura && std::all_of(linha.begin(), linha.end(), [](char b) {
               const auto codigo = static_cast<unsigned char>(b);
               if (codigo >= 0x20 && codigo < 0x7F) return true;
               const QChar c = platform::values::fromAnsiCode(codigo);
               return c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() > 0x9F);
           });
}

}  // namespace sintegra
