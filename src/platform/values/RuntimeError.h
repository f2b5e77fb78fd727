#pragma once

#include <QString>
#include <stdexcept>

namespace platform::values {

// The numbers of the run-time errors the program raises itself, as the original platform numbered them.
namespace ErrorNumber {
constexpr long InvalidArgument = 5;
constexpr long Overflow = 6;
constexpr long DivisionByZero = 11;
constexpr long SubscriptOutOfRange = 9;
constexpr long InvalidUseOfNull = 94;
}  // namespace ErrorNumber

// The description the original platform gave each of those numbers, in Portuguese.
QString standardDescription(long number);

// The program's one run-time error: a number and a description, shown to the user as
// "Erro número " + number + " " + description.
class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(long number, const QString& description);
    // An error with the standard description of its number.
    explicit RuntimeError(long number);

    long number() const { return number_; }
    const QString& description() const { return description_; }

  private:
    long number_;
    QString description_;
};

}  // namespace platform::values
