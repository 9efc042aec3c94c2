#include "failure.h"

#include "checked_math.h"

#include "number_rules.h"

namespace tavrel {

CalculationFailure::CalculationFailure(FailureKind kind, std::optional<double> width,
                                       std::string detail)
    : std::runtime_error(DescribeFailure(kind, width, detail)),
      m_kind(kind),
      m_width(width),
      m_detail(std::move(detail)) {}

CalculationFailure CalculationFailure::AtWidth(double width) const {
    if (m_width) return *this;
    return CalculationFailure(m_kind, width, m_detail);
}

std::string DescribeFailure(FailureKind kind, const std::optional<double>& width,
                            const std::string& detail) {
    std::string text;
    switch (kind) {
        case FailureKind::Overflow: text = "number too large"; break;
        case FailureKind::NoSlot: text = "footing width outside 450 to 8550 mm"; break;
        case FailureKind::DivisionByZero: text = "division by zero (effective depth 0)"; break;
        case FailureKind::NegativeSquareRoot:
            text = "negative steel area (square root of a negative number)";
            break;
        case FailureKind::EmptySlot: text = "no design"; break;
        case FailureKind::ReportFile: text = "cannot write the report"; break;
    }
    if (width) text += " for width " + FormatPlainNumber(*width) + " mm";
    if (!detail.empty()) text += ": " + detail;
    return text;
}

}  // namespace tavrel

namespace tavrel::checked {

void Fail(FailureKind kind) { throw CalculationFailure(kind); }

}  // namespace tavrel::checked
