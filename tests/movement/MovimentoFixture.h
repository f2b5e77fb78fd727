#pragma once

#include <QDate>
#include <QPointer>
#include <QString>

#include "platform/db/Connection.h"
#include "platform/values/Currency.h"
#include "shell/JanelaCadastro.h"
#include "support/Drive.h"
#include "support/TempProgramFolder.h"
#include "support/UiFixture.h"

namespace movtest {

using platform::values::Currency;

// A program folder with the registry, the movement template and the empty "Tarvel" folder, as the
// start-up leaves it, and the shared state pointing at it.
class MovimentoTest : public testsupport::UiFixture {
  protected:
    void SetUp() override;

    QString tarvel(const QString& nome = {}) const {
        return pasta.filePath(QStringLiteral("Tarvel/") + nome);
    }
    QStringList arquivosTarvel() const;
    // An ICMS document in `tabela` of `banco`: entry date, CNPJ, CFOP and accounting value.
    static qint64 InsereIcms(platform::db::Connection& banco, const QString& tabela, const QDate& data,
                             const QString& cgc = {}, Currency valor = {});

    // Types the company code into a movement window and confirms the period (the company's own when
    // none is given), as the user does.
    template <class Janela>
    static void AbreEmpresa(Janela& w, int codigo, QDate periodo = {}) {
        using namespace testsupport;
        clickInto(w.txtCodigo);
        settle();
        w.txtCodigo->clear();
        typeText(QString::number(codigo));
        pressEnter();
        settle();
        if (periodo.isValid()) w.tdbAnomes->setValue(periodo);
        pressEnter();
        settle();
    }
    // Cancels the document being typed or changed, then closes and destroys the window.
    template <class Janela>
    static void FechaJanela(QPointer<Janela>& w) {
        if (w) {
            const auto estado = w->Cadastro().EstadoAtual();
            if (estado == shell::Carregado || estado == shell::Novo) w->Cadastro().cmdCancelar_Click();
            w->close();
        }
        testsupport::settle();
        delete w;
    }

    testsupport::TempProgramFolder pasta;
};

}  // namespace movtest
