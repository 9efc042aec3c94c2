// Fuzz target: ParseNumberText against a plain reference reading of the same
// grammar (the longest prefix matching it, converted by the C library), and
// blanks inserted anywhere must not change the value.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "failure.h"
#include "number_rules.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// nullopt: the number is too large for a double.
std::optional<double> ReferenceReading(const std::string& raw) {
    std::string text;
    for (char c : raw)
        if (c != ' ' && c != '\t' && c != '\n') text += c;

    std::size_t i = 0;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    const std::size_t digitsStart = number.size();
    while (i < text.size() && IsDigit(text[i])) number += text[i++];
    bool anyDigit = number.size() > digitsStart;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) {
            number += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;
    if (i < text.size() && std::strchr("EeDd", text[i]) && text[i] != '\0') {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) exponent += text[j++];
            number += exponent;
        }
    }
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<double> Parse(const std::string& text) {
    try {
        return tavrel::ParseNumberText(text);
    } catch (const tavrel::CalculationFailure& failure) {
        if (failure.Kind() != tavrel::FailureKind::Overflow) std::abort();
        return std::nullopt;
    }
}

bool Same(const std::optional<double>& a, const std::optional<double>& b) {
    if (a.has_value() != b.has_value()) return false;
    if (!a) return true;
    return std::memcmp(&*a, &*b, sizeof(double)) == 0;  // also tells -0 from 0
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = Parse(text);
    if (!Same(value, ReferenceReading(text))) std::abort();

    // The same text with a blank, a tab or a line feed after every few characters.
    std::string spaced;
    const char blanks[] = {' ', '\t', '\n'};
    for (std::size_t i = 0; i < text.size(); ++i) {
        spaced += text[i];
        if ((static_cast<unsigned char>(text[i]) + i) % 3 == 0) spaced += blanks[i % 3];
    }
    if (!Same(Parse(spaced), value)) std::abort();
    return 0;
}
