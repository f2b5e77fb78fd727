#include "shell/JanelaCadastroCampos.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>
#include <optional>

#include "platform/controls/Colors.h"
#include "platform/controls/MaskEdBox.h"
#include "platform/controls/TDBDate.h"
#include "platform/controls/TDBNumber.h"
#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"

namespace shell {

using namespace platform::controls;
using platform::db::Param;
namespace values = platform::values;

namespace {

const QString NomeMemoria = QStringLiteral("rt_valorGravado");

// Any key or paste that edits a field, even when the text comes out as it was (0 typed over 0,00,
// an empty date erased).
bool Edita(const QKeyEvent* k) {
    if (k->matches(QKeySequence::Paste) || k->matches(QKeySequence::Cut) || k->matches(QKeySequence::Undo) ||
        k->matches(QKeySequence::Redo) || k->key() == Qt::Key_Backspace || k->key() == Qt::Key_Delete)
        return true;
    const bool simples = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    return simples && !k->text().isEmpty() && k->text()[0].isPrint();
}

// The stored value a field was given, kept while it cannot show it and nothing changed the field.
class MemoriaCampo : public QObject {
  public:
    explicit MemoriaCampo(QWidget* campo) : QObject(campo) {
        setObjectName(NomeMemoria);
        campo->installEventFilter(this);
        const auto solta = [this] { Solta(); };
        if (auto* e = qobject_cast<QLineEdit*>(campo)) {
            connect(e, &QLineEdit::textChanged, this, solta);
            // A paste or a drop by the mouse is typing too.
            connect(e, &QLineEdit::textEdited, this, [this] { digitado = true; });
        } else if (auto* t = qobject_cast<QPlainTextEdit*>(campo))
            connect(t, &QPlainTextEdit::textChanged, this, solta);
        else if (auto* c = qobject_cast<QComboBox*>(campo)) {
            connect(c, &QComboBox::currentIndexChanged, this, solta);
            connect(c, &QComboBox::activated, this, solta);
            connect(c, &QComboBox::editTextChanged, this, solta);
        } else if (auto* k = qobject_cast<QAbstractButton*>(campo)) {
            connect(k, &QAbstractButton::toggled, this, solta);
            connect(k, &QAbstractButton::clicked, this, solta);
        } else if (qobject_cast<QGroupBox*>(campo)) {
            for (auto* opcao : campo->findChildren<QAbstractButton*>())
                connect(opcao, &QAbstractButton::toggled, this, solta);
        }
    }
    static MemoriaCampo* De(const QWidget* campo) {
        return static_cast<MemoriaCampo*>(
            campo->findChild<QObject*>(NomeMemoria, Qt::FindDirectChildrenOnly));
    }
    void Solta() {
        gravado.reset();
        intacto = false;
    }

    std::optional<Param> gravado;
    bool intacto = false;
    // The clerk edited the field since MarcaPreenchido; the program's own changes do not count.
    bool digitado = false;

  protected:
    bool eventFilter(QObject* /*alvo*/, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && Edita(static_cast<QKeyEvent*>(e))) {
            Solta();
            digitado = true;
        }
        return false;
    }
};

// An amount as stored, every decimal kept: "922337203685477,5807".
QString Dinheiro(values::Currency valor) {
    const qint64 raw = valor.raw();
    const quint64 modulo = raw < 0 ? 0 - quint64(raw) : quint64(raw);
    QString texto = QString::number(modulo / values::Currency::Scale);
    if (const quint64 fracao = modulo % values::Currency::Scale) {
        QString digitos = QString::number(fracao).rightJustified(4, u'0');
        while (digitos.endsWith(u'0')) digitos.chop(1);
        texto += u',' + digitos;
    }
    return raw < 0 ? u'-' + texto : texto;
}

// What a masked field holds, its unfilled end ("5.12._" holds "5.12"; the empty mask nothing).
QString SemPromptFinal(QString texto) {
    while (!texto.isEmpty() && (texto.back() == u'_' || !texto.back().isLetterOrNumber())) texto.chop(1);
    return texto;
}

}  // namespace

QString TextoCampo(const QWidget* campo) {
    if (auto* d = qobject_cast<const TDBDate*>(campo)) return d->Text();
    if (auto* m = qobject_cast<const MaskEdBox*>(campo)) return m->Text();
    if (auto* n = qobject_cast<const TDBNumber*>(campo)) return n->Text();
    if (auto* e = qobject_cast<const QLineEdit*>(campo)) return e->text();
    if (auto* t = qobject_cast<const QPlainTextEdit*>(campo)) return t->toPlainText();
    if (auto* c = qobject_cast<const QComboBox*>(campo)) return c->currentText();
    if (qobject_cast<const QGroupBox*>(campo))
        for (const auto* opcao : campo->findChildren<QAbstractButton*>())
            if (opcao->isChecked()) return opcao->text();
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
    if (MemoriaCampo* m = MemoriaCampo::De(campo)) m->Solta();
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
    // A group of options keeps its state: its options are the fields the window opens.
    if (qobject_cast<QGroupBox*>(campo)) return;
    campo->setEnabled(habilita);
    if (qobject_cast<QCheckBox*>(campo)) return;
    setBackColor(campo, habilita ? White : buttonFaceColor());
}

bool CampoHabilitado(const QWidget* campo) { return campo->isEnabled(); }

platform::db::Param ValorCampo(const QWidget* campo) {
    if (const MemoriaCampo* m = MemoriaCampo::De(campo); m && m->gravado) return *m->gravado;
    if (auto* d = qobject_cast<const TDBDate*>(campo)) return platform::db::Param(d->Value());
    if (auto* n = qobject_cast<const TDBNumber*>(campo)) return platform::db::Param(n->Value());
    if (auto* k = qobject_cast<const QAbstractButton*>(campo)) return platform::db::Param(k->isChecked());
    return platform::db::Param(TextoCampo(campo));
}

void MostraValorCampo(QWidget* campo, const platform::db::Field& valor) {
    if (qobject_cast<TDBDate*>(campo))
        MostraValorCampo(campo, Param(valor.toDate()));
    else if (qobject_cast<TDBNumber*>(campo))
        MostraValorCampo(campo, Param(valor.toCurrency()));
    else if (auto* k = qobject_cast<QAbstractButton*>(campo))
        k->setChecked(valor.toBool());
    else
        DefineTextoCampo(campo, valor.toString());
}

void MostraValorCampo(QWidget* campo, const platform::db::Param& valor) {
    const auto& v = valor.value();
    if (auto* d = qobject_cast<TDBDate*>(campo)) {
        const QDate data = std::holds_alternative<QDate>(v) ? std::get<QDate>(v) : QDate();
        const bool cabe = !data.isValid() || ((!d->MinDate().isValid() || data >= d->MinDate()) &&
                                              (!d->MaxDate().isValid() || data <= d->MaxDate()));
        d->setValue(cabe ? data : QDate());
    } else if (auto* n = qobject_cast<TDBNumber*>(campo)) {
        n->setValue(values::Currency());
        if (const auto* c = std::get_if<values::Currency>(&v)) n->setValue(*c);
    } else if (auto* k = qobject_cast<QAbstractButton*>(campo)) {
        k->setChecked(std::holds_alternative<bool>(v) && std::get<bool>(v));
    } else {
        DefineTextoCampo(campo, std::holds_alternative<QString>(v) ? std::get<QString>(v) : QString());
    }
}

void MarcaPreenchido(QWidget* campo) {
    MemoriaCampo* m = MemoriaCampo::De(campo);
    if (!m) m = new MemoriaCampo(campo);
    m->digitado = false;
}

bool DigitadoDesde(const QWidget* campo) {
    const MemoriaCampo* m = MemoriaCampo::De(campo);
    return m && m->digitado;
}

bool GuardaValorCampo(QWidget* campo, const platform::db::Param& gravado, const EscritaCampo& escrita) {
    MemoriaCampo* m = MemoriaCampo::De(campo);
    if (!m) m = new MemoriaCampo(campo);
    m->Solta();
    Param visto = ValorCampo(campo);
    if (escrita) visto = escrita(visto);
    // A text stored in another encoding reads with replacement characters: shown so, its letters are lost.
    const auto* texto = std::get_if<QString>(&gravado.value());
    bool mostrado =
        visto.value() == gravado.value() && !(texto && texto->contains(QChar::ReplacementCharacter));
    if (auto* mascara = qobject_cast<const MaskEdBox*>(campo);
        !mostrado && !escrita && mascara && !mascara->Mask().isEmpty() &&
        std::holds_alternative<QString>(gravado.value()))
        mostrado = SemPromptFinal(mascara->Text()) == std::get<QString>(gravado.value());
    // Only a field whose every change the memory sees can say it is intact.
    m->intacto = qobject_cast<QLineEdit*>(campo) || qobject_cast<QPlainTextEdit*>(campo) ||
                 qobject_cast<QComboBox*>(campo) || qobject_cast<QAbstractButton*>(campo) ||
                 qobject_cast<QGroupBox*>(campo);
    if (!mostrado) m->gravado = gravado;
    return !mostrado;
}

platform::db::Param ValorGravado(const QWidget* campo, const platform::db::Field& valor, bool proprio) {
    using platform::db::ColumnType;
    if (qobject_cast<const TDBDate*>(campo)) return Param(valor.toDate());
    if (valor.isNull()) return platform::db::DbNull;
    if (proprio) {
        switch (valor.type()) {
            case ColumnType::Integer:
                return Param(valor.toLongLong());
            case ColumnType::Currency:
                return Param(valor.toCurrency());
            case ColumnType::Date:
                return Param(valor.toDate());
            case ColumnType::YesNo:
                return Param(valor.toBool());
            default:
                return Param(valor.toString());
        }
    }
    if (qobject_cast<const TDBNumber*>(campo)) return Param(valor.toCurrency());
    if (qobject_cast<const QAbstractButton*>(campo)) return Param(valor.toBool());
    const ColumnType tipo = valor.type();
    if (tipo == ColumnType::Text || tipo == ColumnType::None || tipo == ColumnType::Other)
        return Param(valor.toString());
    return Param(TextoCampo(campo));
}

platform::db::Param ValorEscrito(const QWidget* campo, const EscritaCampo& escrita) {
    if (!escrita || ValorGuardado(campo)) return ValorCampo(campo);
    return escrita(ValorCampo(campo));
}

QString TextoGravado(const QWidget* campo) {
    const Param valor = ValorCampo(campo);
    const auto* texto = std::get_if<QString>(&valor.value());
    return texto ? *texto : TextoCampo(campo);
}

bool ValorGuardado(const QWidget* campo) {
    const MemoriaCampo* m = MemoriaCampo::De(campo);
    return m && m->gravado;
}

bool CampoIntacto(const QWidget* campo) {
    const MemoriaCampo* m = MemoriaCampo::De(campo);
    return m && m->intacto;
}

QString NomeValorGuardado(const QString& rotulo, const platform::db::Param& gravado) {
    constexpr int Mostrados = 60;
    QString texto;
    const auto& v = gravado.value();
    if (const auto* c = std::get_if<values::Currency>(&v))
        texto = Dinheiro(*c);
    else if (const auto* d = std::get_if<QDate>(&v))
        texto = d->toString(u"dd/MM/yyyy");
    else if (const auto* t = std::get_if<QString>(&v))
        texto = t->size() > Mostrados ? t->left(Mostrados) + QStringLiteral("... (") +
                                            QString::number(t->size()) + QStringLiteral(" caracteres)")
                                      : *t;
    else if (const auto* n = std::get_if<qint64>(&v))
        texto = QString::number(*n);
    else if (const auto* b = std::get_if<bool>(&v))
        texto = *b ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
    return rotulo + QStringLiteral(": ") + texto;
}

void AvisaValoresGuardados(const QStringList& nomes, const QString& registro) {
    if (nomes.isEmpty()) return;
    platform::ui::MsgBox(
        QStringLiteral("Este ") + registro +
            QStringLiteral(" guarda o que a janela não pode mostrar como está gravado; o que "
                           "não for digitado será gravado como está:\n") +
            nomes.join(u'\n'),
        platform::ui::Msg::OKOnly + platform::ui::Msg::Exclamation, QStringLiteral("Atenção"));
}

QString CelulaCampo(const QWidget* campo) {
    if (auto* n = qobject_cast<const TDBNumber*>(campo)) return values::regionalText(n->Value());
    return TextoCampo(campo);
}

}  // namespace shell
