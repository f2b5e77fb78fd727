#include "sintegra/GeracaoSintegra.h"

#include <QDir>
#include <QFileInfo>

#include "companies/CampoEmpresa.h"
#include "companies/empresas_sql.h"
#include "movement/ArquivoMovimento.h"
#include "movement/movimento_sql.h"
#include "platform/files/TextFile.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"
#include "shell/ErrosLista.h"
#include "shell/EstadoGeral.h"
#include "sintegra/RegistrosArquivo.h"

namespace sintegra {

namespace {

namespace Msg = platform::ui::Msg;
using platform::ui::MsgBox;

EmpresaSintegra empresaDe(const platform::db::Recordset& rs) {
    auto f = [&](const char* coluna) { return rs.Fields(QString::fromLatin1(coluna)).toString(); };
    return {f("cgc"),      f("inscr_estadual"), f("nome"),        f("cidade"), f("uf"), f("fax"),
            f("endereco"), f("numero"),         f("complemento"), f("bairro"), f("cep")};
}

// Lists every wrong field of the request as a fatal row; true when there was none. The company found
// is put into `empresa`.
bool confere(const PedidoSintegra& p, platform::db::Connection& cadastro, EmpresaSintegra& empresa) {
    shell::IniciaErros();
    auto erro = [](const char* texto) { shell::AdicionaErro(shell::ErroFatal, QString::fromUtf8(texto)); };
    const QString codigo = platform::values::Trim(p.codigo);
    bool achada = false;
    if (codigo.isEmpty()) {
        erro("O Campo Código da Empresa é Obrigatório !");
    } else {
        const qint64 numero = Empresas::NumeroEmpresa(codigo);
        if (numero > 0) {
            const platform::db::Recordset rs = Empresas::LeEmpresa(cadastro, numero);
            achada = !rs.Eof();
            if (achada) empresa = empresaDe(rs);
        }
        if (!achada) erro("Empresa Não Cadastrada, Utilize o Botão Pesquisar !");
    }
    if (!p.inicio.isValid()) erro("O Campo Data Inicial é Obrigatório !");
    if (!p.fim.isValid()) erro("O Campo Data Final é Obrigatório !");
    if (p.inicio.isValid() && p.fim.isValid()) {
        if (p.fim < p.inicio) erro("A Data Final é Menor que a Data Inicial !");
        if (p.fim.year() != p.inicio.year()) erro("O Período Deve Estar Dentro de um Mesmo Ano !");
    }
    if (achada) {
        if (Digitos(empresa.cgc).size() != 14) erro("O CNPJ da Empresa Deve Ter 14 Dígitos !");
        // The company that informs is a taxpayer of the state: "ISENTO" is for the other parties.
        if (Digitos(CampoInscricao(empresa.inscr_estadual)).isEmpty())
            erro("A Empresa Não Possui Inscrição Estadual, o Arquivo Não Pode Ser Gerado !");
        if (platform::values::Trim(empresa.uf).size() != 2) erro("O Campo UF da Empresa é Obrigatório !");
    }
    if (platform::values::Trim(p.nome).isEmpty())
        erro("O Campo Nome do Arquivo é Obrigatório !");
    else if (p.nome.contains(u'/'))
        erro("O Nome do Arquivo Não Pode Conter Barras !");
    if (Geral::ContaErros == 1) return true;
    shell::ConcluiErros();
    return false;
}

// Closes the movement connection however the generation ends.
struct FechaMovimento {
    platform::db::Connection& movimento;
    ~FechaMovimento() { movimento.Close(); }
};

}  // namespace

AcessoMovimento AcessoDoPrograma() {
    return {movimento::LocalizaMovimento, [](bool saidas, int mes) {
                return movimento::TabelaMes(saidas ? movimento::Saidas : movimento::Entradas, mes);
            }};
}

QString NomeArquivoPadrao(qint64 codigo) {
    return QStringLiteral("SINT") + QString::number(codigo).rightJustified(3, u'0');
}

ResultadoGeracao GeraArquivoSintegra(const PedidoSintegra& pedido, platform::db::Connection& cadastro,
                                     platform::db::Connection& movimento, const AcessoMovimento& acesso) {
    EmpresaSintegra empresa;
    if (!confere(pedido, cadastro, empresa)) return ResultadoGeracao::Recusada;

    const QString caminho = QDir(pedido.pasta).filePath(pedido.nome + QStringLiteral(".TXT"));
    if (QFileInfo::exists(caminho) &&
        MsgBox(
            QStringLiteral("Já existe o arquivo ") + pedido.nome + QStringLiteral(".TXT") +
                QStringLiteral(", deseja substitui-lo ? Você pode clicar não e mudar o nome ou o local..."),
            Msg::YesNo | Msg::Critical, QStringLiteral("Erro ao Localizar Arquivo")) != Msg::Yes)
        return ResultadoGeracao::NaoSubstituida;

    const qint64 codigo = Empresas::NumeroEmpresa(platform::values::Trim(pedido.codigo));
    const std::optional<QString> conexao = acesso.localiza(codigo, pedido.inicio.year());
    if (!conexao) return ResultadoGeracao::SemMovimento;

    FechaMovimento fecha{movimento};
    // The movement windows and the books refuse a file of an older layout: so does the file.
    const movimento::Abertura abertura =
        movimento::AbreExistente(movimento, movimento::NomeArquivo(codigo, pedido.inicio.year()), *conexao);
    if (!abertura.aberta()) {
        movimento::AvisaFalha(abertura);
        return ResultadoGeracao::MovimentoIlegivel;
    }
    LinhasRegistros registros(pedido.inicio.year() >= 2003);
    const QStringList recusas =
        ColetaMovimento(movimento, cadastro,
                        {pedido.inicio, pedido.fim, platform::values::Trim(empresa.uf), Digitos(empresa.cgc)},
                        acesso.tabelaMes, registros);
    movimento.Close();
    if (!recusas.isEmpty()) {
        shell::IniciaErros();
        for (const QString& recusa : recusas) shell::AdicionaErro(shell::ErroFatal, recusa);
        shell::ConcluiErros();
        return ResultadoGeracao::DocumentosRecusados;
    }

    // Every line is checked as it goes out; the file takes the old one's place only when all were right.
    platform::files::TextFile texto(caminho);
    int numero = 0, invalida = 0;
    if (texto.Open()) {
        LinhasArquivo(empresa, {pedido.inicio, pedido.fim, pedido.contato, pedido.fone}, registros,
                      [&](QByteArrayView linha) {
                          ++numero;
                          if (invalida == 0 && !LinhaValida(linha)) invalida = numero;
                          texto.WriteEncodedLine(linha);
                      });
    }
    if (invalida != 0) {
        MsgBox(QStringLiteral("A linha ") + QString::number(invalida) +
                   QStringLiteral(" do arquivo não tem 126 caracteres imprimíveis, o arquivo ") + caminho +
                   QStringLiteral(" não foi gravado !"),
               Msg::OKOnly | Msg::Critical, QStringLiteral("Erro"));
        return ResultadoGeracao::FalhaGravacao;
    }
    if (!texto.Commit()) {
        const QString motivo = texto.Motivo();
        MsgBox(QStringLiteral("Erro ao Gravar o Arquivo ") + caminho + QStringLiteral(" !\n") +
                   motivo.left(1).toUpper() + motivo.mid(1) + u'.',
               Msg::OKOnly | Msg::Critical, QStringLiteral("Erro"));
        return ResultadoGeracao::FalhaGravacao;
    }
    MsgBox(QStringLiteral("Arquivo Finalizado, Faça a Validação no Sintegra Validador 5.2.7 !"),
           Msg::OKOnly | Msg::Information, QStringLiteral("Finalização..."));
    return ResultadoGeracao::Concluida;
}

}  // namespace sintegra
