#include "shell/JanelaCadastroCampos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/values/Vb.h"

namespace shell {

using namespace platform::controls;
namespace values = platform::values;

QString TextoCampo(const QWidget* campo) {
    if (auto* d = qobject_cast<const TDBDate*>(campo)) return d->Text();
    if (auto* m = qobject_cast<const MaskEdBox*>(campo)) return m->Text();
    if (auto* n = qobject_cast<const TDBNumber*>(campo)) return n->Text();
    if (auto* e = qobject_cast<const QLineEdit*>(campo)) return e->text();
    if (auto* t = qobject_cast<const QPlainTextEdit*>(campo)) return t->toPlainText();
    if (auto* c = qobject_cast<const QComboBox*>(campo)) return c->currentText();
    return {};
}

void DefineTextoCampo(QWidget* campo, const QString& texto) {
    if (auto* d = qobject_cast<TDBDate*>(campo))
        d->setText(texto);
    else if (auto* m = qobject_cast<MaskEdBox*>(campo))
        m->setText(texto);
    else if (auto* n = qobject_cast<TDBNumber*>(campo))
        n->setText(texto);
    else if (auto* e = qobject_cast<QLineEdit*>(campo))
        e->setText(texto);
    else if (auto* t = qobject_cast<QPlainTextEdit*>(campo))
        t->setPlainText(texto);
    else if (auto* c = qobject_cast<QComboBox*>(campo))
        c->setCurrentText(texto);
}

void EsvaziaCampo(QWidget* campo) {
    if (auto* d = qobject_cast<TDBDate*>(campo)) {
        d->clear();
    } else if (auto* m = qobject_cast<MaskEdBox*>(campo)) {
        m->setMask(m->Mask());
        m->setText(QString());
    } else if (auto* n = qobject_cast<TDBNumber*>(campo))
        n->setValue(values::Currency());
    else if (auto* e = qobject_cast<QLineEdit*>(campo))
        e->clear();
    else if (auto* t = qobject_cast<QPlainTextEdit*>(campo))
        t->clear();
    else if (auto* k = qobject_cast<QCheckBox*>(campo))
        k->setChecked(false);
}

void HabilitaCampo(QWidget* campo, bool habilita) {
    campo->setEnabled(habilita);
    if (qobject_cast<QCheckBox*>(campo)) return;
    setBackColor(campo, habilita ? White : buttonFaceColor());
}

bool CampoHabilitado(const QWidget* campo) { return campo->isEnabled(); }

platform::db::Param ValorCampo(const QWidget* campo) {
    if (auto* d = qobject_cast<const TDBDate*>(campo)) return platform::db::Param(d->Value());
    if (auto* n = qobject_cast<const TDBNumber*>(campo)) return platform::db::Param(n->Value());
    if (auto* k = qobject_cast<const QCheckBox*>(campo)) return platform::db::Param(k->isChecked());
    return platform::db::Param(TextoCampo(campo));
}

void MostraValorCampo(QWidget* campo, const platform::db::Field& valor) {
    if (auto* d = qobject_cast<TDBDate*>(campo))
        d->setValue(valor.toDate());
    else if (auto* n = qobject_cast<TDBNumber*>(campo))
        n->setValue(valor.toCurrency());
    else if (auto* k = qobject_cast<QCheckBox*>(campo))
        k->setChecked(valor.toBool());
    else
        DefineTextoCampo(campo, valor.toString());
}

QString CelulaCampo(const QWidget* campo) {
    if (auto* n = qobject_cast<const TDBNumber*>(campo)) return values::regionalText(n->Value());
    return TextoCampo(campo);
}

}  // namespace shell
