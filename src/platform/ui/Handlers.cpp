#include "platform/ui/Handlers.h"

#include <new>
#include <stdexcept>

#include "platform/ui/MsgBox.h"
#include "platform/values/RuntimeError.h"

namespace platform::ui {

QString errorText(long number, const QString& description) {
    return QStringLiteral("Erro número ") + QString::number(number) + QLatin1Char(' ') + description;
}

void showError(long number, const QString& description) {
    MsgBox(errorText(number, description), Msg::Critical, QStringLiteral("Erro"));
}

bool Guarded(const std::function<void()>& body) noexcept {
    try {
        body();
        return true;
    } catch (const values::RuntimeError& e) {
        try {
            showError(e.number(), e.description());
        } catch (...) {
        }
    } catch (const std::bad_alloc&) {
        try {
            showError(7, QStringLiteral("Memória insuficiente"));
        } catch (...) {
        }
    } catch (const std::out_of_range& e) {
        try {
            showError(9, QString::fromLocal8Bit(e.what()));
        } catch (...) {
        }
    } catch (const std::exception& e) {
        try {
            showError(5, QString::fromLocal8Bit(e.what()));
        } catch (...) {
        }
    } catch (...) {
        try {
            showError(5, QStringLiteral("Erro desconhecido"));
        } catch (...) {
        }
    }
    return false;
}

}  // namespace platform::ui
