#include "number_rules.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "failure.h"

namespace tavrel {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the characters of a text with the skipped ones left out.
class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) { SkipBlanks(); }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    void Advance() {
        ++m_pos;
        SkipBlanks();
    }
    std::size_t Position() const { return m_pos; }
    void Rewind(std::size_t pos) { m_pos = pos; }

private:
    void SkipBlanks() {
        while (m_pos < m_text.size() && IsSkipped(m_text[m_pos])) ++m_pos;
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Far beyond the range of a double either way, yet safe from int64 overflow
// when shifted by the number of digits of any text.
constexpr std::int64_t kExponentCap = 1'000'000'000'000LL;

}  // namespace

double ParseNumberText(std::string_view text) {
    Scanner in(text);
    bool negative = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
        negative = in.Peek() == '-';
        in.Advance();
    }

    // Significant digits without leading zeros, and the decimal exponent of
    // the position just before the first of them: value = 0.<digits> x 10^pointShift.
    std::string digits;
    std::int64_t pointShift = 0;
    bool anyDigit = false;
    while (IsDigit(in.Peek())) {
        anyDigit = true;
        if (!digits.empty() || in.Peek() != '0') {
            digits += in.Peek();
            ++pointShift;
        }
        in.Advance();
    }
    if (in.Peek() == '.') {
        in.Advance();
        while (IsDigit(in.Peek())) {
            anyDigit = true;
            if (digits.empty() && in.Peek() == '0') {
                --pointShift;
            } else {
                digits += in.Peek();
            }
            in.Advance();
        }
    }
    if (!anyDigit) return 0.0;

    std::int64_t exponent = 0;
    const char letter = in.Peek();
    if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd') {
        const std::size_t beforeExponent = in.Position();
        in.Advance();
        bool exponentNegative = false;
        if (in.Peek() == '+' || in.Peek() == '-') {
            exponentNegative = in.Peek() == '-';
            in.Advance();
        }
        if (IsDigit(in.Peek())) {
            while (IsDigit(in.Peek())) {
                exponent = std::min(exponent * 10 + (in.Peek() - '0'), kExponentCap);
                in.Advance();
            }
            if (exponentNegative) exponent = -exponent;
        } else {
            in.Rewind(beforeExponent);  // a bare "E" is not part of the number
        }
    }

    const double zero = negative ? -0.0 : 0.0;
    if (digits.empty()) return zero;
    const std::int64_t decimalExponent = pointShift + exponent;
    // 0.d x 10^e: beyond e = 310 every such value overflows, below -330 it underflows.
    if (decimalExponent > 400) throw CalculationFailure(FailureKind::Overflow);
    if (decimalExponent < -400) return zero;

    // Up to 15 digits times an exact power of ten: one correctly rounded
    // multiplication or division gives the correctly rounded value.
    static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const std::int64_t scale = decimalExponent - static_cast<std::int64_t>(digits.size());
    if (digits.size() <= 15 && scale >= -22 && scale <= 22) {
        std::int64_t mantissa = 0;
        for (char c : digits) mantissa = mantissa * 10 + (c - '0');
        const double m = static_cast<double>(mantissa);
        const double value = scale >= 0 ? m * kExactPowers[scale] : m / kExactPowers[-scale];
        return negative ? -value : value;
    }

    std::string normalized = "0." + digits + "E" + std::to_string(decimalExponent);
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (decimalExponent > 0) throw CalculationFailure(FailureKind::Overflow);
        return zero;
    }
    if (ec != std::errc() || !std::isfinite(value)) throw CalculationFailure(FailureKind::Overflow);
    return negative ? -value : value;
}

std::int32_t RoundHalfEven(double value) {
    // nearbyint rounds half to even under the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw CalculationFailure(FailureKind::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

std::string FormatSignedNumber(double value) {
    // Negative zero is not below zero, so it gets the blank.
    std::string text(1, value < 0 ? '-' : ' ');
    text += FormatPlainNumber(std::fabs(value));
    return text;
}

std::string FormatPlainNumber(double value) {
    if (value == 0) return "0";  // negative zero included
    if (!std::isfinite(value)) {
        // Never reached by a run: every step fails before it makes one of these.
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    }
    const double magnitude = std::fabs(value);
    std::string out = value < 0 ? "-" : "";

    // Widths, areas, diameters and spacings: whole numbers of ordinary size.
    if (magnitude < 1e15 && magnitude == std::trunc(magnitude)) {
        char buffer[24];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer,
                                          static_cast<long long>(magnitude));
        return out.append(buffer, result.ptr);
    }

    // Significant digits and the decimal exponent of the first one. The
    // shortest round-trip text is the 15-digit rounding whenever it has at
    // most 15 digits (for normal numbers, whose precision exceeds 15 digits);
    // otherwise round to 15 digits explicitly.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                std::chars_format::scientific);
    std::string_view text(buffer, result.ptr - buffer);
    if (text.find('e') > 16 || magnitude < std::numeric_limits<double>::min()) {  // "d." plus more than 14 digits
        result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                               std::chars_format::scientific, 14);
        text = std::string_view(buffer, result.ptr - buffer);
    }
    const std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e))
        if (c != '.') digits += c;
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits + std::string(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
            }
        }
        return out;
    }
    out += digits[0];
    if (digits.size() > 1) {
        out += '.';
        out.append(digits, 1);
    }
    out += exponent < 0 ? "E-" : "E+";
    if (std::abs(exponent) < 10) out += '0';
    out += std::to_string(std::abs(exponent));
    return out;
}

std::string PlainText(const Cell& cell) {
    if (cell.IsNumber()) return FormatPlainNumber(cell.NumberValue());
    return cell.TextValue();
}

}  // namespace tavrel
