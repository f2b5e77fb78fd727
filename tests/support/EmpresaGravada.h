#pragma once

#include <QDate>
#include <QString>

#include "platform/db/Connection.h"
#include "platform/values/Currency.h"

namespace testsupport {

// A company row as the company window writes it: texts as typed (masked fields with their literals
// and prompt characters), a null date for an empty date field, codes as the lists store them.
struct DadosEmpresa {
    qint64 codigo = 0;
    QString nome, endereco, numero, complemento, bairro, cidade, uf, cep, cMun, xPais, cPais;
    QString cgc, inscr_estadual, cei, ccm;
    QDate data_cadastro;
    QString cnae, situ, atividade;
    QString contato1, contato2, ddd, fax, fone1, fone2, email, homepage;
    platform::values::Currency perc_ipi, perc_convenio, irpj_vendas, irpj_servicos;
    QString tipo_empresa;
    QDate fundacao;
    QString tpescri, tpipi, tpiss, icms, gricms, sp;
    QString observacao;
};

// Inserts a new company; its working period starts null.
void InsereEmpresa(platform::db::Connection& db, const DadosEmpresa& empresa);

}  // namespace testsupport
