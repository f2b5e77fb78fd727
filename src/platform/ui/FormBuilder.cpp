#include "platform/ui/FormBuilder.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
