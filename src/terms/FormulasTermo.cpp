#include "terms/FormulasTermo.h"

#include "shell/Geral.h"

namespace terms {

namespace {

const char* const Livros[] = {"REGISTRO DE ENTRADAS", "REGISTRO DE SAIDAS", "REGISTRO DE APURAÇÃO DE ICMS",
                              "REGISTRO DE APURAÇÃO DE IPI", "REGISTRO DE NOTAS FISCAIS DE SERVIÇOS"};

const char* const NomesLivros[] = {"Registro de Entradas", "Registro de Saídas",
                                   "Registro de Apuração de ICMS", "Registro de Apuração de IPI",
                                   "Registro de Notas Fiscais de Serviços"};

QString Termo(int caixa) {
    return caixa % 2 == 0 ? QStringLiteral("Termo de Abertura") : QStringLiteral("Termo de Encerramento");
}

QString Modelo(int livro, bool p1a) {
    switch (livro) {
        case 0:
            return QStringLiteral("Modelo : ") + (p1a ? QStringLiteral("P1A") : QStringLiteral("P1"));
        case 1:
            return QStringLiteral("Modelo : ") + (p1a ? QStringLiteral("P2A") : QStringLiteral("P2"));
        case 2:
            return QStringLiteral("Modelo : 9");
        default:
            return QStringLiteral("Modelo : 8");
    }
}

QString DataPorExtenso(const QDate& data) {
    return Geral::Zeros(qint64(data.day()), 2) + QStringLiteral(" de ") + Geral::NomeMes(data.month()) +
           QStringLiteral(" de ") + QString::number(data.year());
}

}  // namespace

QString TituloTermo(int caixa) {
    return Termo(caixa) + QStringLiteral(" - ") + QString::fromUtf8(NomesLivros[caixa / 2]);
}

std::vector<std::pair<QString, QString>> FormulasTermo(int caixa, const LinhaTermo& termo,
                                                       const EmpresaTermo& empresa,
                                                       const QString& extensoIcms,
                                                       const QString& extensoIpi) {
    const int livro = caixa / 2;
    std::vector<std::pair<QString, QString>> f;
    f.emplace_back(QStringLiteral("Titu"), QString::fromUtf8(Livros[livro]));
    f.emplace_back(QStringLiteral("Titu1"), Termo(caixa));
    if (livro < 4) f.emplace_back(QStringLiteral("Titu2"), Modelo(livro, termo.p1a));
    f.emplace_back(QStringLiteral("Titu3"),
                   QStringLiteral("Nº de Ordem : ") + termo.ordens[std::size_t(livro)]);
    f.emplace_back(QStringLiteral("Empr"), empresa.nome);
    f.emplace_back(QStringLiteral("Rua"), empresa.endereco);
    f.emplace_back(QStringLiteral("Numero"), empresa.numero);
    f.emplace_back(QStringLiteral("Bairro"), empresa.bairro);
    f.emplace_back(QStringLiteral("Cid"), empresa.cidade);
    f.emplace_back(QStringLiteral("Uf"), empresa.uf);
    f.emplace_back(QStringLiteral("Ie"), empresa.ie);
    f.emplace_back(QStringLiteral("CNPJ"), empresa.cgc);
    if (livro == 4) f.emplace_back(QStringLiteral("CCM"), empresa.ccm);
    if (caixa == 4) f.emplace_back(QStringLiteral("ExtICM"), extensoIcms);
    if (caixa == 6) f.emplace_back(QStringLiteral("ExtIPI"), extensoIpi);
    const QDate& data = termo.datas[std::size_t(caixa)];
    if (data.isValid()) f.emplace_back(QStringLiteral("Dat"), DataPorExtenso(data));
    return f;
}

}  // namespace terms
