#pragma once

#include <cstdint>
#include <vector>

// Every number computed from quantities, prices and amounts (line amounts,
// totals, balances, a count's difference, stock after a bill) is reckoned on
// decimal values, not on binary fractions: a double stands for the decimal
// of its shortest text that reads back as the same double (0.1 is 0.1), a
// product, sum or difference of such decimals is exact, and the result is
// rounded half away from zero to ComputedPlaces decimals before it is kept,
// compared or shown, then taken back as the double nearest to it. So
// 1.001 × 1.0625 is 1.063563 and 1000.1 - 1000 is 0.1 in the window while
// it is typed, in the saved row, in every list and in every print. Values
// typed are kept as typed.
namespace decimal {

constexpr int ComputedPlaces = 6;
// The significant digits a figure is shown and kept with at most.
constexpr int FigureDigits = 15;

// digits × 10^exponent.
struct Decimal {
    __int128 digits = 0;
    int exponent = 0;
};

// The decimal value of a double (0 for NaN and the infinities).
Decimal of(double value);
// The double nearest to a decimal value.
double toDouble(const Decimal &d);
// Rounded half away from zero to so many decimal places.
Decimal rounded(const Decimal &d, int places = ComputedPlaces);
// Rounded half away from zero to so many significant digits.
Decimal toDigits(const Decimal &d, int digits = FigureDigits);
// The number of characters of the digits as written (a sign not counted).
int digitCount(__int128 digits);

// A sum of doubles on their decimal values, exact for any values and any
// number of them: in 128 bits while the digits, aligned at the point, fit
// in 38 places (as those of every number of at most 15 significant digits
// and 6 decimals do), beyond that in as many digits as it takes. An
// infinity or NaN added makes the sum that of those alone.
class Sum
{
public:
    void add(double value);
    // The sum, rounded once.
    double value() const;

private:
    // A whole number in limbs of 9 decimal digits, lowest first, times
    // 10^exponent (a multiple of 9).
    struct Wide {
        std::vector<std::uint32_t> limbs;
        int exponent = 0;
        void add(unsigned __int128 magnitude, int exponent);
    };
    void addWide(const Decimal &d);

    Decimal m_total;
    bool m_wide = false;
    Wide m_plus, m_minus; // once wide: the sum of the positive values and of the negative ones
    double m_nonFinite = 0;
    bool m_anyNonFinite = false;
};

// The value rounded, in whole millionths (10^-ComputedPlaces), when that
// fits in 64 bits (below 9.2 × 10^12).
bool toMillionths(double value, long long *out);

// The exact product and difference, rounded.
double product(double a, double b);
double difference(double a, double b);
// The value itself, rounded; zero comes out as 0, never -0.
double rounded(double value);
// The value cut to FigureDigits significant digits on its decimal value,
// rounding half away from zero (1234567890.123405 → 1234567890.12341).
double figure(double value);

} // namespace decimal
