#include "shell/RotinasControles.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/MultiLineText.h"
#include "platform/controls/SSTab.h"
#include "platform/controls/TDBCombo.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBList.h"
#include "platform/controls/TDBNumber.h"

using namespace platform::controls;

namespace Geral {

namespace {

// The parts a composite control is built of (a combo's own text field, a list's view) are not
// controls of the window.
bool isPartOfControl(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p) || qobject_cast<const ArrayList*>(p) ||
            qobject_cast<const QLineEdit*>(p) || qobject_cast<const QPlainTextEdit*>(p))
            return true;
    return false;
}

QList<QWidget*> controlsOf(QWidget* window) {
    QList<QWidget*> out;
    if (!window) return out;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!isPartOfControl(w, window)) out.push_back(w);
    return out;
}

bool isPlainTextBox(const QWidget* w) {
    return (qobject_cast<const QLineEdit*>(w) && !qobject_cast<const MaskEdBox*>(w) &&
            !qobject_cast<const TDBNumber*>(w)) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

void setPlainText(QWidget* w, const QString& text) {
    if (auto* m = qobject_cast<MultiLineText*>(w))
        m->setText(text);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        p->setPlainText(text);
    else if (auto* l = qobject_cast<QLineEdit*>(w))
        l->setText(text);
}

QString plainText(const QWidget* w) {
    if (auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText();
    if (auto* l = qobject_cast<const QLineEdit*>(w)) return l->text();
    return {};
}

}  // namespace

void LimpaCampos(const QList<QWidget*>& Controles) {
    for (QWidget* w : Controles) {
        if (auto* tab = qobject_cast<SSTab*>(w)) {
            tab->setTab(0);
        } else if (auto* chk = qobject_cast<QCheckBox*>(w)) {
            chk->setChecked(false);
        } else if (auto* combo = qobject_cast<TDBCombo*>(w)) {
            combo->setText(QString());
        } else if (auto* date = qobject_cast<TDBDate*>(w)) {
            date->setText(date->DisplayFormat() == QLatin1String(TDBDate::PeriodFormat)
                              ? QStringLiteral("__/____")
                              : QStringLiteral("__/__/____"));
        } else if (auto* number = qobject_cast<TDBNumber*>(w)) {
            number->setValue(platform::values::Currency());
        } else if (qobject_cast<MaskEdBox*>(w)) {
            // Each window resets its masks itself.
        } else if (isPlainTextBox(w)) {
            setPlainText(w, QString());
        } else if (auto* image = qobject_cast<QLabel*>(w); image && !image->pixmap().isNull()) {
            image->clear();
        }
    }
}

void LimpaCampos(QWidget* Controles) { LimpaCampos(controlsOf(Controles)); }

void HabilitaCampos(const QList<QWidget*>& Controles, bool Habilita) {
    for (QWidget* w : Controles) {
        if (qobject_cast<SSTab*>(w) || qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
            w->setEnabled(Habilita);
        } else if (qobject_cast<TDBCombo*>(w) || qobject_cast<QGroupBox*>(w)) {
            // Frames and list combos keep their state.
        } else if (isPlainTextBox(w) || qobject_cast<QComboBox*>(w) || qobject_cast<MaskEdBox*>(w) ||
                   qobject_cast<TDBNumber*>(w)) {
            w->setEnabled(Habilita);
            setBackColor(w, Habilita ? White : buttonFaceColor());
        }
    }
}

void HabilitaCampos(QWidget* Controles, bool Habilita) { HabilitaCampos(controlsOf(Controles), Habilita); }

void PreencheBrancos(const QList<QWidget*>& Controles) {
    for (QWidget* w : Controles) {
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (!qobject_cast<TDBCombo*>(w) && combo->isEditable() && combo->currentText().isEmpty())
                combo->setEditText(QStringLiteral(" "));
        } else if (isPlainTextBox(w) && plainText(w).isEmpty()) {
            setPlainText(w, QStringLiteral(" "));
        }
    }
}

void PreencheBrancos(QWidget* Controles) { PreencheBrancos(controlsOf(Controles)); }

void SelecionaTexto(QWidget*) {
    QWidget* w = QApplication::focusWidget();
    if (!w) return;
    if (auto* mask = qobject_cast<MaskEdBox*>(w)) {
        mask->setSelection(
            0, mask->engine().hasMask() ? mask->engine().length() : static_cast<int>(mask->text().size()));
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->setSelection(0, static_cast<int>(line->text().size()));
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
        text->selectAll();
    }
}

}  // namespace Geral
