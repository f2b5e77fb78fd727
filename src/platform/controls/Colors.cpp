#include "platform/controls/Colors.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace platform::controls {

QColor buttonFaceColor() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

QColor menuColor() { return QApplication::palette("QMenu").color(QPalette::Active, QPalette::Window); }

void setBackColor(QWidget* field, const QColor& color) {
    QPalette p = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, color);
        p.setColor(group, QPalette::Window, color);
    }
    field->setPalette(p);
}

QColor backColor(const QWidget* field) { return field->palette().color(QPalette::Active, QPalette::Base); }

}  // namespace platform::controls
