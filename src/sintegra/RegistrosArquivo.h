#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "sintegra/RegistroSintegra.h"

// The records of the SINTEGRA file, each exactly 126 characters: every field cut or padded to its width
// (text fields blanks on the right, digit fields zeros on the left), so that no value can move the next.
namespace sintegra {

// The company columns the file takes, as the companies table keeps them.
struct EmpresaSintegra {
    QString cgc, inscr_estadual, nome, cidade, uf, fax, endereco, numero, complemento, bairro, cep;
};

// What the window gives a generation beside the company.
struct ParametrosArquivo {
    QDate inicio, fim;
    QString contato, fone;
};

// Identification: CNPJ (digits only) and state registration (CampoInscricao, as every record writes
// one), name, municipality, state, fax, the period and the structure code of the period's start year
// ("331" from 2004, "231" in 2003, "131" before).
QString Registro10(const EmpresaSintegra& empresa, const ParametrosArquivo& parametros);
// Address and contact: the street number is the last 5 of the leading digits of `numero`, the postal
// code the digits of `cep`, the telephone its leading digits.
QString Registro11(const EmpresaSintegra& empresa, const ParametrosArquivo& parametros);
// The register records of a period from 2003 on, by type.
QString Registro50(const RegistroSintegra& r);
QString Registro61(const RegistroSintegra& r);
QString Registro70(const RegistroSintegra& r);
QString Registro76(const RegistroSintegra& r);
// A register 50 of a period before 2003, with its three-digit CFOP (record 61 is the same in both).
QString Registro50Antigo(const RegistroSintegra& r);
// Totals: the CNPJ and state registration as record 10 wrote them, then each (type, count) of
// `totais`, then "99" and the number of lines of the file (records 10, 11 and 90 with the counts).
QString Registro90(const QString& registro10, const std::vector<std::pair<QString, qint64>>& totais);

// The register lines of a file, each built (accents taken off) when its register is staged and kept as
// its 126 Windows-1252 bytes, so that the year is never held as registers; given back in the file's
// order: by type and date, the staging order kept within a date.
class LinhasRegistros {
  public:
    // The layout from 2003 (`novo`) or the one before.
    explicit LinhasRegistros(bool novo);
    void acrescenta(const RegistroSintegra& r);
    // Calls `linha` with every line in the file's order, in Windows-1252.
    void emOrdem(const std::function<void(QByteArrayView)>& linha);
    // Each (type, count) that record 90 lists for the layout, in its order, of the types with lines.
    std::vector<std::pair<QString, qint64>> totais() const;

  private:
    struct Total {
        QStringView tipo;
        qint64 quantos = 0;
    };
    static constexpr qsizetype LinhasPorBloco = 8192;
    bool novo_;
    std::vector<QByteArray> blocos_;
    std::vector<qint64> ordem_;
    Total totais_[6] = {{u"50"}, {u"51"}, {u"53"}, {u"61"}, {u"70"}, {u"76"}};
};

// Calls `linha` with every line of the file in order, in Windows-1252 as the file takes it: 10, 11, the
// register lines, 90. Every record but 90 has its accents taken off.
void LinhasArquivo(const EmpresaSintegra& empresa, const ParametrosArquivo& parametros,
                   LinhasRegistros& registros, const std::function<void(QByteArrayView)>& linha);

// True when the line is 126 printable Windows-1252 characters.
bool LinhaValida(QByteArrayView linha);

}  // namespace sintegra
