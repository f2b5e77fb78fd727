#include "platform/ui/FormBuilder.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>
#include <algorithm>

namespace platform::ui {

FormBuilder::FormBuilder(QWidget* owner, LabelArray& captions, int& tabIndex)
    : layout_(new QGridLayout(owner)), owner_(owner), captions_(captions), tabIndex_(tabIndex) {}

void FormBuilder::name_(QWidget* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    setTabIndex(control, tabIndex_++);
}

void FormBuilder::place(QWidget* control, const char* name, const char* caption, int row, int column,
                        int span) {
    if (*caption) {
        auto* label = new QLabel(QString::fromUtf8(caption), owner_);
        label->setObjectName(QStringLiteral("lblTit") + QString::number(tabIndex_));
        layout_->addWidget(label, row, column);
        captions_.add(tabIndex_, label);
    }
    layout_->addWidget(control, row, column + 1, 1, span);
    name_(control, name);
}

QLineEdit* FormBuilder::text(const char* name, const char* caption, int maxLength, int row, int column,
                             int span) {
    auto* box = field(new QLineEdit(owner_), name, caption, row, column, span);
    box->setMaxLength(maxLength);
    return box;
}

QPushButton* FormBuilder::button(QWidget* owner, const char* name, const char* caption, const char* tip) {
    auto* b = new QPushButton(QString::fromUtf8(caption), owner);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromUtf8(tip));
    b->setAutoDefault(false);
    return b;
}

namespace {
// The width of `field` with room for a text `textWidth` pixels wide.
int widthFor(QWidget* field, int textWidth) {
    if (auto* box = qobject_cast<QLineEdit*>(field)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.rect = box->contentsRect();
        option.lineWidth =
            box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        const QMargins m = box->textMargins();
        // A line field keeps a margin of two pixels each side of its text, besides its frame.
        constexpr int MargemTexto = 4;
        return box->style()
            ->sizeFromContents(QStyle::CT_LineEdit, &option,
                               QSize(textWidth + m.left() + m.right() + MargemTexto, box->height()), box)
            .width();
    }
    const QMargins m = field->contentsMargins();
    return textWidth + m.left() + m.right();
}

void fitToWidth(QWidget* field, int textWidth) {
    field->setMinimumWidth(std::max(field->minimumWidth(), widthFor(field, textWidth)));
}

// No field needs to open wider than this many characters to show that it holds more.
constexpr int MaisLargoAberto = 60;
}  // namespace

void fitToText(QWidget* field, const QString& widest) {
    fitToWidth(field, qCeil(QFontMetricsF(field->font()).horizontalAdvance(widest)));
}

void fitToLength(QWidget* field, int characters) {
    fitToWidth(field, QFontMetrics(field->font()).averageCharWidth() * characters);
}

void fitFieldsToLengths(QWidget* window) {
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        const int length = box->maxLength();
        // A box's own editor (a spin box's, a combo's) is sized by its box.
        QWidget* parent = box->parentWidget();
        if (length >= QLineEdit().maxLength() || qobject_cast<QAbstractSpinBox*>(parent) ||
            qobject_cast<QComboBox*>(parent))
            continue;
        const int average = QFontMetrics(box->font()).averageCharWidth();
        const int holds = widthFor(box, average * length);
        box->setMaximumWidth(std::max(holds, box->minimumWidth()));
        fitToWidth(box, average * std::min(length, MaisLargoAberto));
    }
}

void makePasswordField(QLineEdit* field) {
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

void keepTitleWhole(QWidget* window) {
    // The icon and the three buttons of a title bar, with their margins.
    constexpr int ExtrasDoTitulo = 140;
    const int largura =
        QFontMetrics(QApplication::font(window)).horizontalAdvance(window->windowTitle()) + ExtrasDoTitulo;
    window->setMinimumWidth(std::max(window->minimumWidth(), largura));
    if (window->width() < largura) window->resize(largura, window->height());
}

}  // namespace platform::ui
