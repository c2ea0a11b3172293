#include "Decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace decimal {
namespace {

using i128 = __int128;

// Whole numbers below this are exact doubles, and so are their neighbours
// (and every power of ten up to 10^22).
constexpr double kExactWhole = 4503599627370496.0; // 2^52
const double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxTen = 38; // 10^38 is the largest power of ten in 128 bits

i128 tenTo(int power)
{
    static const auto tens = [] {
        std::array<i128, kMaxTen + 1> t{};
        t[0] = 1;
        for (int i = 1; i <= kMaxTen; ++i)
            t[i] = t[i - 1] * 10;
        return t;
    }();
    return tens[power];
}

i128 magnitude(i128 v)
{
    return v < 0 ? -v : v;
}

// The shortest text of the double, read as digits and exponent.
Decimal ofText(double value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    Decimal d;
    const char *p = buf;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    int fraction = 0;
    bool afterPoint = false;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        d.digits = d.digits * 10 + (*p - '0');
        fraction += afterPoint;
    }
    int power = 0;
    std::from_chars(p + 1 + (p[1] == '+'), res.ptr, power); // the text has no end mark
    d.exponent = power - fraction;
    if (negative)
        d.digits = -d.digits;
    return d;
}

// Multiplies by 10^power, or says that the result does not fit.
bool scaleUp(i128 &digits, int power)
{
    if (power > kMaxTen)
        return digits == 0;
    const i128 t = tenTo(power);
    if (magnitude(digits) > (std::numeric_limits<i128>::max() / t))
        return false;
    digits *= t;
    return true;
}

bool add(Decimal &to, const Decimal &d)
{
    Decimal a = to, b = d;
    const int e = std::min(a.exponent, b.exponent);
    if (!scaleUp(a.digits, a.exponent - e) || !scaleUp(b.digits, b.exponent - e))
        return false;
    const i128 half = std::numeric_limits<i128>::max() / 2;
    if (magnitude(a.digits) > half || magnitude(b.digits) > half)
        return false;
    to = Decimal{a.digits + b.digits, e};
    return true;
}

} // namespace

Decimal of(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return {};
    // Most numbers have a few decimals: the first count of decimals whose
    // whole number reads back as the double is its shortest text (at most
    // one whole number lies so close to it below 2^52).
    const double a = std::fabs(value);
    for (int k = 0; k < 23; ++k) {
        const double scaled = a * kTens[k];
        if (scaled >= kExactWhole)
            break;
        const double whole = std::floor(scaled + 0.5);
        if (whole / kTens[k] == a) {
            const i128 digits = i128((long long)whole);
            return Decimal{value < 0 ? -digits : digits, -k};
        }
    }
    return ofText(value);
}

double toDouble(const Decimal &d)
{
    if (d.digits == 0)
        return 0.0;
    // Division and multiplication of exact doubles round correctly.
    if (magnitude(d.digits) < i128(kExactWhole) && d.exponent >= -22 && d.exponent <= 22) {
        const double digits = double(d.digits);
        return d.exponent < 0 ? digits / kTens[-d.exponent] : digits * kTens[d.exponent];
    }
    char buf[64];
    char *p = buf + 48;
    char *end = p;
    for (i128 m = magnitude(d.digits); m > 0; m /= 10)
        *--p = char('0' + int(m % 10));
    if (d.digits < 0)
        *--p = '-';
    *end++ = 'e';
    end = std::to_chars(end, buf + sizeof buf, d.exponent).ptr;
    double v = 0;
    std::from_chars(p, end, v);
    return v;
}

Decimal rounded(const Decimal &d, int places)
{
    if (d.exponent >= -places)
        return d;
    const int drop = -places - d.exponent;
    if (drop > kMaxTen)
        return Decimal{0, -places};
    if (drop <= 18 && magnitude(d.digits) <= std::numeric_limits<long long>::max()) {
        // The common case, in 64 bits.
        const long long digits = (long long)d.digits, t = (long long)tenTo(drop);
        long long q = digits / t;
        const long long r = std::llabs(digits % t);
        if (r >= t - r)
            q += digits < 0 ? -1 : 1;
        return Decimal{q, -places};
    }
    const i128 t = tenTo(drop);
    i128 q = d.digits / t;
    const i128 r = magnitude(d.digits % t);
    if (r >= t - r)
        q += d.digits < 0 ? -1 : 1;
    return Decimal{q, -places};
}

int digitCount(i128 digits)
{
    const i128 m = magnitude(digits);
    int n = 1;
    while (n <= kMaxTen && m >= tenTo(n))
        ++n;
    return n;
}

void Sum::add(double value)
{
    m_binary += value;
    if (m_exact)
        m_exact = std::isfinite(value) && decimal::add(m_total, of(value));
}

double Sum::value() const
{
    return m_exact ? toDouble(decimal::rounded(m_total)) : rounded(m_binary);
}

bool toMillionths(double value, long long *out)
{
    Decimal d = decimal::rounded(of(value));
    if (!std::isfinite(value) || !scaleUp(d.digits, d.exponent + ComputedPlaces)
        || magnitude(d.digits) > std::numeric_limits<long long>::max())
        return false;
    *out = (long long)d.digits;
    return true;
}

double product(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return a * b;
    const Decimal x = of(a), y = of(b);
    // At most 17 digits each: the product fits.
    return toDouble(decimal::rounded(Decimal{x.digits * y.digits, x.exponent + y.exponent}));
}

double difference(double a, double b)
{
    Sum s;
    s.add(a);
    s.add(-b);
    return s.value();
}

double rounded(double value)
{
    if (!std::isfinite(value))
        return value;
    return toDouble(decimal::rounded(of(value)));
}

} // namespace decimal
