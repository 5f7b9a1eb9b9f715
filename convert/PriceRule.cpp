#include "convert/PriceRule.h"

#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

// digits * 10^exponent, digits without leading zeros ("" is zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

void Normalize(Decimal& d)
{
    const auto first = d.digits.find_first_not_of('0');
    d.digits.erase(0, first == std::string::npos ? d.digits.size() : first);
    if (d.digits.empty()) {
        d.negative = false;
        d.exponent = 0;
    }
}

// A number in the plain form PlainCellNumber gives.
Decimal ParseDecimal(std::string_view text)
{
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        d.negative = true;
        ++i;
    }
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') d.digits += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            d.digits += text[i++];
            --d.exponent;
        }
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool minus = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
        long long exponent = 0;
        // The number read as finite, so the exponent is small; the cap only
        // keeps a run of leading zeros in it from overflowing.
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            exponent = std::min<long long>(exponent * 10 + (text[i++] - '0'), 1000000);
        d.exponent += minus ? -exponent : exponent;
    }
    Normalize(d);
    return d;
}

// The magnitude's digits with `extra` zeros appended (exponent lowered by it).
std::string Scaled(const Decimal& d, long long extra)
{
    return d.digits + std::string(static_cast<std::size_t>(extra), '0');
}

int CompareMagnitudes(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::string AddMagnitudes(const std::string& a, const std::string& b)
{
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int digit = carry;
        if (i < a.size()) digit += a[a.size() - 1 - i] - '0';
        if (i < b.size()) digit += b[b.size() - 1 - i] - '0';
        sum += static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return sum;
}

// a - b for a >= b.
std::string SubtractMagnitudes(const std::string& a, const std::string& b)
{
    std::string difference = a;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int digit = a[a.size() - 1 - i] - '0' - borrow;
        if (i < b.size()) digit -= b[b.size() - 1 - i] - '0';
        borrow = digit < 0;
        difference[a.size() - 1 - i] = static_cast<char>('0' + digit + (borrow ? 10 : 0));
    }
    return difference;
}

Decimal Subtract(const Decimal& a, Decimal b)
{
    b.negative = !b.negative;
    if (b.digits.empty()) return a;
    if (a.digits.empty()) return b;
    const long long exponent = std::min(a.exponent, b.exponent);
    const std::string x = Scaled(a, a.exponent - exponent);
    const std::string y = Scaled(b, b.exponent - exponent);
    Decimal result;
    result.exponent = exponent;
    if (a.negative == b.negative) {
        result.negative = a.negative;
        result.digits = AddMagnitudes(x, y);
    } else if (CompareMagnitudes(x, y) >= 0) {
        result.negative = a.negative;
        result.digits = SubtractMagnitudes(x, y);
    } else {
        result.negative = b.negative;
        result.digits = SubtractMagnitudes(y, x);
    }
    Normalize(result);
    return result;
}

Decimal Multiply(const Decimal& a, const Decimal& b)
{
    Decimal result;
    if (a.digits.empty() || b.digits.empty()) return result;
    std::vector<int> product(a.digits.size() + b.digits.size(), 0);
    for (std::size_t i = a.digits.size(); i-- > 0;)
        for (std::size_t j = b.digits.size(); j-- > 0;) product[i + j + 1] += (a.digits[i] - '0') * (b.digits[j] - '0');
    for (std::size_t k = product.size(); k-- > 1;) {
        product[k - 1] += product[k] / 10;
        product[k] %= 10;
    }
    for (int digit : product) result.digits += static_cast<char>('0' + digit);
    result.negative = a.negative != b.negative;
    result.exponent = a.exponent + b.exponent;
    Normalize(result);
    return result;
}

// Rounds to `exponent` (-2: kopecks), halves to the even neighbour.
Decimal RoundHalfEven(Decimal d, long long exponent)
{
    if (d.digits.empty() || d.exponent >= exponent) return d;
    const long long dropped = exponent - d.exponent;
    const long long size = static_cast<long long>(d.digits.size());
    std::string kept = dropped < size ? d.digits.substr(0, static_cast<std::size_t>(size - dropped)) : "";
    // Compare what is dropped with one half of the last kept digit.
    int versusHalf = -1;
    if (dropped <= size) {
        const std::string rest = d.digits.substr(static_cast<std::size_t>(size - dropped));
        if (rest[0] > '5') {
            versusHalf = 1;
        } else if (rest[0] == '5') {
            versusHalf = rest.find_first_not_of('0', 1) == std::string::npos ? 0 : 1;
        }
    }
    const bool lastKeptOdd = !kept.empty() && (kept.back() - '0') % 2 == 1;
    if (versusHalf > 0 || (versusHalf == 0 && lastKeptOdd)) kept = AddMagnitudes(kept.empty() ? "0" : kept, "1");
    d.digits = kept;
    d.exponent = exponent;
    Normalize(d);
    return d;
}

long double ToLongDouble(const Decimal& d)
{
    if (d.digits.empty()) return 0;
    const std::string text = d.digits + "e" + std::to_string(d.exponent);
    long double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc()) value = d.exponent > 0 ? HUGE_VALL : 0;
    return d.negative ? -value : value;
}

// A text that is not a number, or whose number is out of range, is 0.
Decimal ReadCellDecimal(std::string_view text, const Regional& regional)
{
    if (regional.ParseNumber(text) == 0) return {};
    return ParseDecimal(*PlainCellNumber(text, regional.decimalSeparator, regional.thousandsSeparator));
}

} // namespace

long double DiscountedPrice(std::string_view listPriceText, std::string_view discountText, const Regional& regional)
{
    const Decimal listPrice = ReadCellDecimal(listPriceText, regional);
    const Decimal discount = ReadCellDecimal(discountText, regional);
    const Decimal hundred{false, "1", 2};
    Decimal price = Multiply(Subtract(hundred, discount), listPrice);
    price.exponent -= 2; // / 100
    Normalize(price);
    return ToLongDouble(RoundHalfEven(price, -2));
}
