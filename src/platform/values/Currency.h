#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace platform::values {

// Money: a 64-bit count of ten-thousandths, exact. Never a double in arithmetic.
class Currency {
  public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths) { return Currency(tenThousandths); }
    // Whole units (reais).
    static Currency fromUnits(std::int64_t units);
    // Converts a double as the original's currency conversion did: to four decimals, ties to even.
    // Throws RuntimeError(Overflow) out of range.
    static Currency fromDouble(double value);
    // Reads a Brazilian text ("1.234,56", "-0,5", "12"); blanks around are allowed; null when not a number.
    // A point followed by exactly three digits is a thousands separator; more than four decimals round
    // to four, ties to even.
    static std::optional<Currency> parse(const QString& text);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / Scale; }
    bool isZero() const { return raw_ == 0; }

    // "1234,5600"-free plain form: the Brazilian text with two decimals and thousands points ("1.234,56").
    QString toString() const;

    Currency operator-() const { return Currency(-raw_); }
    Currency& operator+=(Currency o);
    Currency& operator-=(Currency o);
    friend Currency operator+(Currency a, Currency b) { return a += b; }
    friend Currency operator-(Currency a, Currency b) { return a -= b; }
    // Product and quotient of two amounts, exact through a 128-bit intermediate, to four decimals
    // with ties to even. Throws RuntimeError(Overflow) on overflow, and on division by zero.
    friend Currency operator*(Currency a, Currency b);
    friend Currency operator/(Currency a, Currency b);
    friend Currency operator*(Currency a, std::int64_t n);

    friend constexpr auto operator<=>(Currency, Currency) = default;

  private:
    constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

// Rounds exactly in decimal to `places` decimals (0 to 4), half up: a half goes towards plus
// infinity (0,125 -> 0,13; -0,125 -> -0,12; 1,005 -> 1,01).
Currency roundHalfUp(Currency value, int places);

// The tax on a base at a rate in percent, as every book and document computes it:
// base x rate / 100 exact, converted to four decimals (ties to even), then rounded half up to two.
Currency taxAmount(Currency base, Currency ratePercent);

}  // namespace platform::values
