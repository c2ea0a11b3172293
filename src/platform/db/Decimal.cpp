#include "Decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

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

using Limbs = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimb = 1000000000; // 10^9

// The greatest multiple of 9 not above e.
int floorNine(int e)
{
    return e >= 0 ? e / 9 * 9 : -((-e + 8) / 9 * 9);
}

// Adds from, shifted up by at limbs, to to.
void addLimbs(Limbs &to, size_t at, const Limbs &from)
{
    std::uint64_t carry = 0;
    for (size_t i = 0; i < from.size() || carry; ++i) {
        if (at + i >= to.size())
            to.resize(at + i + 1, 0);
        const std::uint64_t s = std::uint64_t(to[at + i]) + (i < from.size() ? from[i] : 0) + carry;
        to[at + i] = std::uint32_t(s % kLimb);
        carry = s / kLimb;
    }
}

// Subtracts the smaller b from a, both of as many limbs.
void subtractLimbs(Limbs &a, const Limbs &b)
{
    std::int64_t borrow = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        std::int64_t d = std::int64_t(a[i]) - (i < b.size() ? b[i] : 0) - borrow;
        borrow = d < 0;
        a[i] = std::uint32_t(d + (borrow ? kLimb : 0));
    }
}

int compareLimbs(const Limbs &a, const Limbs &b)
{
    for (size_t i = std::max(a.size(), b.size()); i-- > 0;) {
        const std::uint32_t x = i < a.size() ? a[i] : 0, y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// The limbs moved down to a lower exponent (a multiple of 9).
Limbs lowered(const Limbs &limbs, int from, int to)
{
    if (limbs.empty())
        return {};
    Limbs l(size_t((from - to) / 9), 0);
    l.insert(l.end(), limbs.begin(), limbs.end());
    return l;
}

// The number limbs × 10^exponent with its sign, rounded half away from zero
// to places decimals, as text that from_chars reads: "-123e-6".
std::string roundedText(const Limbs &limbs, int exponent, bool negative, int places)
{
    std::string digits;
    for (size_t i = limbs.size(); i-- > 0;) {
        const std::string limb = std::to_string(limbs[i]);
        digits += digits.empty() ? limb : std::string(9 - limb.size(), '0') + limb;
    }
    if (exponent < -places) {
        const size_t drop = size_t(-places - exponent);
        const bool up = drop <= digits.size() && digits[digits.size() - drop] >= '5';
        digits.resize(digits.size() > drop ? digits.size() - drop : 0);
        exponent = -places;
        size_t i = digits.size();
        for (; up && i > 0 && digits[i - 1] == '9'; --i)
            digits[i - 1] = '0';
        if (up && i > 0)
            ++digits[i - 1];
        else if (up)
            digits.insert(digits.begin(), '1');
    }
    if (digits.empty())
        digits = "0";
    return (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
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

Decimal toDigits(const Decimal &d, int digits)
{
    const int count = digitCount(d.digits);
    if (count <= digits)
        return d;
    return rounded(d, -d.exponent - (count - digits));
}

int digitCount(i128 digits)
{
    const i128 m = magnitude(digits);
    int n = 1;
    while (n <= kMaxTen && m >= tenTo(n))
        ++n;
    return n;
}

void Sum::Wide::add(unsigned __int128 magnitude, int e)
{
    if (magnitude == 0)
        return;
    if (limbs.empty()) {
        exponent = floorNine(e);
    } else if (e < exponent) {
        limbs = lowered(limbs, exponent, floorNine(e));
        exponent = floorNine(e);
    }
    Limbs from;
    for (; magnitude > 0; magnitude /= kLimb)
        from.push_back(std::uint32_t(magnitude % kLimb));
    // Shifted by the digits that do not make a whole limb.
    const int shift = (e - exponent) % 9;
    std::uint64_t carry = 0;
    for (std::uint32_t &limb : from) {
        const std::uint64_t v = std::uint64_t(limb) * std::uint64_t(tenTo(shift)) + carry;
        limb = std::uint32_t(v % kLimb);
        carry = v / kLimb;
    }
    if (carry)
        from.push_back(std::uint32_t(carry));
    addLimbs(limbs, size_t((e - exponent) / 9), from);
}

void Sum::addWide(const Decimal &d)
{
    (d.digits < 0 ? m_minus : m_plus).add((unsigned __int128)magnitude(d.digits), d.exponent);
}

void Sum::add(double value)
{
    if (!std::isfinite(value)) {
        m_nonFinite += value;
        m_anyNonFinite = true;
        return;
    }
    const Decimal d = of(value);
    if (!m_wide && decimal::add(m_total, d))
        return;
    if (!m_wide) {
        // Too wide for 128 bits: from here on in limbs.
        m_wide = true;
        addWide(m_total);
    }
    addWide(d);
}

double Sum::value() const
{
    if (m_anyNonFinite)
        return m_nonFinite;
    if (!m_wide)
        return toDouble(decimal::rounded(m_total));
    // The difference of the two parts, exact, then rounded once.
    const int e = std::min(m_plus.limbs.empty() ? m_minus.exponent : m_plus.exponent,
                           m_minus.limbs.empty() ? m_plus.exponent : m_minus.exponent);
    Limbs plus = lowered(m_plus.limbs, m_plus.exponent, e), minus = lowered(m_minus.limbs, m_minus.exponent, e);
    const bool negative = compareLimbs(plus, minus) < 0;
    if (negative)
        std::swap(plus, minus);
    plus.resize(std::max(plus.size(), minus.size()), 0);
    subtractLimbs(plus, minus);
    const std::string text = roundedText(plus, e, negative, ComputedPlaces);
    double v = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), v).ec == std::errc::result_out_of_range)
        v = negative ? -HUGE_VAL : HUGE_VAL;
    return v == 0 ? 0.0 : v;
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

double figure(double value)
{
    if (!std::isfinite(value))
        return value;
    return toDouble(toDigits(of(value)));
}

} // namespace decimal
