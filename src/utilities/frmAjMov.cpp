#include "utilities/frmAjMov.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "platform/files/FileLookup.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Handlers.h"
#include "platform/ui/MsgBox.h"
#include "shell/EstadoGeral.h"
#include "utilities/Reconstrucao.h"

namespace utilities {

namespace ui = platform::ui;

frmAjMov::frmAjMov(QWidget* parent) : Form(parent) {
    setObjectName(QStringLiteral("frmAjMov"));
    setWindowTitle(QStringLiteral("Ajuste Individual do Arquivo de Movimento Anual"));
    const auto digitos = [this](const char* nome, int tamanho) {
        auto* campo = new QLineEdit(this);
        campo->setObjectName(QString::fromLatin1(nome));
        campo->setMaxLength(tamanho);
        campo->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\d{0,%1}").arg(tamanho)), campo));
        return campo;
    };
    txtCodigo = digitos("txtCodigo", 4);
    tdbAno = digitos("tdbAno", 4);
    cmdAjustar = ui::FormBuilder::button(this, "cmdAjustar", "&Ajustar", "Grava as informações");
    cmdSair = ui::FormBuilder::button(this, "cmdSair", "&Sair", "Sair");
    auto* layout = new QHBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{txtCodigo, tdbAno, cmdAjustar, cmdSair})
        layout->addWidget(w);
    ui::onClick(cmdAjustar, this, &frmAjMov::cmdAjustar_Click);
    ui::onClick(cmdSair, [this] { close(); });
}

void frmAjMov::cmdAjustar_Click() {
    const int ano = tdbAno->text().toInt();
    if (ano < 2000 || ano > 2099) {
        tdbAno->setFocus();
        return;
    }
    const QString numero = QStringLiteral("%1%2")
                               .arg(ano % 100, 2, 10, QChar(u'0'))
                               .arg(txtCodigo->text().toInt(), 4, 10, QChar(u'0'));
    const QString pasta = Geral::DiretorioSistema + QStringLiteral("Tarvel/");
    const auto arquivo =
        platform::files::FindFile(pasta, QStringLiteral("Mv") + numero + QStringLiteral(".mdb"));
    if (!arquivo) {
        ui::MsgBox(QStringLiteral("O arquivo de movimento MV") + numero +
                       QStringLiteral(".MDB não está presente no seu diretório, verifique !"),
                   ui::Msg::Exclamation, QStringLiteral("Atenção..."));
        return;
    }
    Reconstrucao pedido;
    pedido.modelo = Geral::DiretorioSistema + QStringLiteral("Movimento.mdb");
    pedido.alvo = *arquivo;
    pedido.recusaOutras = true;
    for (const char* familia : {"DIGE", "DIGS", "DIGISS"})
        for (int mes = 1; mes <= 12; ++mes)
            pedido.tabelas << QStringLiteral("%1%2").arg(QLatin1String(familia)).arg(mes, 2, 10, QChar(u'0'));
    pedido.tabelas << QStringLiteral("Pos_Icms");
    const QString nome = QFileInfo(*arquivo).fileName();
    const auto r = Reconstroi(pedido);
    if (r.feito)
        ui::MsgBox(QStringLiteral("Ajuste Realizado com Sucesso !"), ui::Msg::Information,
                   QStringLiteral("Concluído..."));
    else if (!r.recusas.isEmpty())
        ui::MsgBox(QStringLiteral("O arquivo ") + nome +
                       QStringLiteral(" não pode ser ajustado; nada foi alterado:\n") + r.recusas.join(u'\n'),
                   ui::Msg::Exclamation, QStringLiteral("Atenção..."));
    else
        ui::MsgBox(
            QStringLiteral("Erro número %1 %2 - O ajuste não foi concluído; o arquivo %3 não foi alterado.")
                .arg(r.numero)
                .arg(r.erro, nome),
            ui::Msg::Critical, QStringLiteral("Erro"));
}

}  // namespace utilities
