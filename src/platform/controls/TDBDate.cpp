#include "platform/controls/TDBDate.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ui/MsgBox.h"
#include "platform/values/Vb.h"

namespace platform::controls {

namespace {
constexpr const char* NomesDias[7] = {"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sáb"};
constexpr const char* NomesMeses[12] = {"Janeiro",  "Fevereiro", "Março",    "Abril",
                                        "Maio",     "Junho",     "Julho",    "Agosto",
                                        "Setembro", "Outubro",   "Novembro", "Dezembro"};
constexpr int Semanas = 6;
}  // namespace

TDBDate::TDBDate(QWidget* parent) : MaskEdBox(parent), minDate_(1900, 1, 1), maxDate_(values::MaximumDate) {
    setMask(QStringLiteral("##/##/####"));
    botaoCalendario_ = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    connect(botaoCalendario_, &QAction::triggered, this, &TDBDate::AbreCalendario);
}

void TDBDate::setDisplayFormat(const QString& format) {
    const QDate keep = Value();
    displayFormat_ = format;
    setMask(isYear()     ? QStringLiteral("####")
            : isPeriod() ? QStringLiteral("##/####")
                         : QStringLiteral("##/##/####"));
    botaoCalendario_->setVisible(isDate());
    setValue(keep);
}

void TDBDate::keyPressEvent(QKeyEvent* event) {
    const bool abre =
        event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier);
    if (abre && isDate()) {
        AbreCalendario();
        return;
    }
    MaskEdBox::keyPressEvent(event);
}

void TDBDate::AbreCalendario() {
    if (!isDate() || isReadOnly() || !isEnabled()) return;
    if (!calendario_) {
        calendario_ = new QFrame(this, Qt::Popup);
        calendario_->setObjectName(QStringLiteral("calendario"));
        calendario_->setAttribute(Qt::WA_DeleteOnClose);
        calendario_->setFrameShape(QFrame::Box);
        auto* anterior = new QToolButton(calendario_);
        anterior->setObjectName(QStringLiteral("cmdMesAnterior"));
        anterior->setArrowType(Qt::LeftArrow);
        auto* seguinte = new QToolButton(calendario_);
        seguinte->setObjectName(QStringLiteral("cmdMesSeguinte"));
        seguinte->setArrowType(Qt::RightArrow);
        mesCalendario_ = new QLabel(calendario_);
        mesCalendario_->setObjectName(QStringLiteral("lblMes"));
        mesCalendario_->setAlignment(Qt::AlignCenter);
        diasCalendario_ = new QTableWidget(Semanas, 7, calendario_);
        diasCalendario_->setObjectName(QStringLiteral("tdbDias"));
        QStringList nomes;
        for (const char* n : NomesDias) nomes << QString::fromUtf8(n);
        diasCalendario_->setHorizontalHeaderLabels(nomes);
        diasCalendario_->verticalHeader()->hide();
        diasCalendario_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        diasCalendario_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        diasCalendario_->setSelectionMode(QAbstractItemView::SingleSelection);
        auto* topo = new QHBoxLayout;
        topo->addWidget(anterior);
        topo->addWidget(mesCalendario_, 1);
        topo->addWidget(seguinte);
        auto* layout = new QVBoxLayout(calendario_);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addLayout(topo);
        layout->addWidget(diasCalendario_);
        connect(anterior, &QToolButton::clicked, this, [this] { MostraMes(mesMostrado_.addMonths(-1)); });
        connect(seguinte, &QToolButton::clicked, this, [this] { MostraMes(mesMostrado_.addMonths(1)); });
        connect(diasCalendario_, &QTableWidget::cellClicked, this, &TDBDate::Escolhe);
        connect(diasCalendario_, &QTableWidget::cellActivated, this, &TDBDate::Escolhe);
    }
    const QDate mostrada = Value().isValid() ? Value() : std::clamp(QDate::currentDate(), minDate_, maxDate_);
    MostraMes(mostrada);
    calendario_->adjustSize();
    calendario_->move(mapToGlobal(QPoint(0, height())));
    calendario_->show();
    diasCalendario_->setFocus(Qt::PopupFocusReason);
}

// Sunday first; the days outside the month or the field's limits cannot be chosen.
void TDBDate::MostraMes(const QDate& dia) {
    mesMostrado_ = QDate(dia.year(), dia.month(), 1);
    mesCalendario_->setText(QString::fromUtf8(NomesMeses[dia.month() - 1]) + u' ' +
                            QString::number(dia.year()));
    diasCalendario_->clearContents();
    const int inicio = mesMostrado_.dayOfWeek() % 7;
    for (int d = 1; d <= mesMostrado_.daysInMonth(); ++d) {
        const QDate data(dia.year(), dia.month(), d);
        auto* celula = new QTableWidgetItem(QString::number(d));
        celula->setTextAlignment(Qt::AlignCenter);
        if (data < minDate_ || data > maxDate_) celula->setFlags(Qt::NoItemFlags);
        diasCalendario_->setItem((inicio + d - 1) / 7, (inicio + d - 1) % 7, celula);
        if (data == dia) diasCalendario_->setCurrentCell((inicio + d - 1) / 7, (inicio + d - 1) % 7);
    }
}

void TDBDate::Escolhe(int linha, int coluna) {
    const QTableWidgetItem* celula = diasCalendario_->item(linha, coluna);
    if (!celula || !(celula->flags() & Qt::ItemIsEnabled)) return;
    setValue(QDate(mesMostrado_.year(), mesMostrado_.month(), celula->text().toInt()));
    calendario_->close();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
}

QString TDBDate::emptyText() const {
    return isYear()     ? QStringLiteral("____")
           : isPeriod() ? QStringLiteral("__/____")
                        : QStringLiteral("__/__/____");
}

std::optional<QDate> TDBDate::parse() const {
    if (engine().isEmpty()) return std::nullopt;
    std::optional<QDate> d;
    if (isYear()) {
        bool numero = false;
        const int ano = engine().text().toInt(&numero);
        if (numero && engine().text().size() == 4) d = QDate(ano, 1, 1);
    } else {
        d = isPeriod() ? values::parsePeriod(engine().text()) : values::parseDate(engine().text());
    }
    if (!d) return std::nullopt;
    const QDate first = isYear()     ? QDate(minDate_.year(), 1, 1)
                        : isPeriod() ? QDate(minDate_.year(), minDate_.month(), 1)
                                     : minDate_;
    if (*d < first || *d > maxDate_) return std::nullopt;
    return d;
}

QDate TDBDate::Value() const { return parse().value_or(QDate()); }

void TDBDate::setValue(const QDate& date) {
    lastValid_ = date;
    if (date.isNull())
        setText(emptyText());
    else
        setText(isYear()     ? QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0'))
                : isPeriod() ? values::formatPeriod(date)
                             : values::formatDate(date));
}

void TDBDate::setMaxDate(const QDate& date) { maxDate_ = std::min(date, values::MaximumDate); }

bool TDBDate::commitEdit() {
    if (engine().isEmpty()) {
        lastValid_ = QDate();
        return true;
    }
    if (const auto d = parse()) {
        lastValid_ = *d;
        return true;
    }
    ui::MsgBox(QStringLiteral("Data inválida !"), ui::Msg::OKOnly + ui::Msg::Exclamation,
               QStringLiteral("Atenção"));
    ui::setFocusTo(this);
    selectAll();
    return false;
}

}  // namespace platform::controls
