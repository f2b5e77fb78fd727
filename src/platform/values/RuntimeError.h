#pragma once

#include <QString>
#include <stdexcept>

namespace platform::values {

// The numbers of the run-time errors the program raises itself, as the original platform numbered them.
namespace ErrorNumber {
constexpr long InvalidArgument = 5;
constexpr long Overflow = 6;
constexpr long InvalidUseOfNull = 94;
}  // namespace ErrorNumber

// The program's one run-time error: a number and a description, shown to the user as
// "Erro número " + number + " " + description.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(long number, const QString& description);

    long number() const { return number_; }
    const QString& description() const { return description_; }

private:
    long number_;
    QString description_;
};

}  // namespace platform::values
