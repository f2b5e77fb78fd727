#include "support/EmpresaGravada.h"

#include "platform/db/ColumnList.h"

namespace testsupport {

using platform::db::ColumnList;
using namespace Qt::StringLiterals;

void InsereEmpresa(platform::db::Connection& db, const DadosEmpresa& e) {
    ColumnList c;
    c.add(u"nome"_s, e.nome).add(u"endereco"_s, e.endereco).add(u"numero"_s, e.numero);
    c.add(u"complemento"_s, e.complemento).add(u"bairro"_s, e.bairro).add(u"cidade"_s, e.cidade);
    c.add(u"uf"_s, e.uf).add(u"cep"_s, e.cep).add(u"cMun"_s, e.cMun).add(u"xPais"_s, e.xPais);
    c.add(u"cPais"_s, e.cPais).add(u"cgc"_s, e.cgc).add(u"inscr_estadual"_s, e.inscr_estadual);
    c.add(u"cei"_s, e.cei).add(u"ccm"_s, e.ccm).add(u"data_cadastro"_s, e.data_cadastro);
    c.add(u"cnae"_s, e.cnae).add(u"situ"_s, e.situ).add(u"atividade"_s, e.atividade);
    c.add(u"contato1"_s, e.contato1).add(u"contato2"_s, e.contato2).add(u"ddd"_s, e.ddd);
    c.add(u"fax"_s, e.fax).add(u"fone1"_s, e.fone1).add(u"fone2"_s, e.fone2).add(u"email"_s, e.email);
    c.add(u"homepage"_s, e.homepage).add(u"perc_ipi"_s, e.perc_ipi).add(u"perc_convenio"_s, e.perc_convenio);
    c.add(u"irpj_vendas"_s, e.irpj_vendas).add(u"irpj_servicos"_s, e.irpj_servicos);
    c.add(u"tipo_empresa"_s, e.tipo_empresa).add(u"fundacao"_s, e.fundacao).add(u"tpescri"_s, e.tpescri);
    c.add(u"tpipi"_s, e.tpipi).add(u"tpiss"_s, e.tpiss).add(u"icms"_s, e.icms).add(u"gricms"_s, e.gricms);
    c.add(u"sp"_s, e.sp).add(u"observacao"_s, e.observacao).add(u"codigo"_s, e.codigo);
    c.add(u"mes_base_fiscal"_s, platform::db::DbNull);
    db.Execute(c.insertSql(u"Empresas"_s), c.values());
}

}  // namespace testsupport
