#include "platform/values/RuntimeError.h"

namespace platform::values {

QString standardDescription(long number) {
    switch (number) {
        case ErrorNumber::InvalidArgument:
            return QStringLiteral("Chamada de procedimento ou argumento inválido");
        case ErrorNumber::Overflow:
            return QStringLiteral("Estouro");
        case ErrorNumber::SubscriptOutOfRange:
            return QStringLiteral("Subscrito fora do intervalo");
        case ErrorNumber::DivisionByZero:
            return QStringLiteral("Divisão por zero");
        case ErrorNumber::InvalidUseOfNull:
            return QStringLiteral("Uso inválido de Nulo");
        default:
            return QStringLiteral("Erro definido pelo aplicativo ou pelo objeto");
    }
}

RuntimeError::RuntimeError(long number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description) {}

RuntimeError::RuntimeError(long number) : RuntimeError(number, standardDescription(number)) {}

}  // namespace platform::values
