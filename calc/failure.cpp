#include "failure.h"

#include <cstring>

#include "checked_math.h"
#include "number_rules.h"

namespace tavrel {

CalculationFailure::CalculationFailure(FailureKind kind, std::optional<double> width,
                                       std::string detail)
    : std::runtime_error(DescribeFailure(kind, width, detail)),
      m_kind(kind),
      m_width(width),
      m_detail(std::move(detail)) {}

CalculationFailure CalculationFailure::FileFailure(const std::string& fileName, int systemError) {
    CalculationFailure failure(FailureKind::ReportFile, std::nullopt,
                               fileName + ": " + std::strerror(systemError));
    failure.m_fileName = fileName;
    failure.m_systemError = systemError;
    return failure;
}

CalculationFailure CalculationFailure::AtWidth(double width) const {
    if (m_width) return *this;
    CalculationFailure failure(m_kind, width, m_detail);
    failure.m_fileName = m_fileName;
    failure.m_systemError = m_systemError;
    return failure;
}

std::string DescribeFailure(FailureKind kind, const std::optional<double>& width,
                            const std::string& detail) {
    const std::string at = width ? " at width " + FormatPlainNumber(*width) + " mm" : "";
    std::string text;
    switch (kind) {
        case FailureKind::Overflow: text = "number too large" + at; break;
        case FailureKind::NoSlot:
            text = (width ? "width " + FormatPlainNumber(*width) + " mm" : std::string("a width")) +
                   " is outside the table (450 to 8550 mm)";
            break;
        case FailureKind::DivisionByZero: text = "division by zero (effective depth 0)" + at; break;
        case FailureKind::NegativeSquareRoot: text = "negative steel area" + at; break;
        case FailureKind::EmptySlot:
            text = "no design for " +
                   (width ? "width " + FormatPlainNumber(*width) + " mm" : std::string("a width"));
            break;
        case FailureKind::ReportFile: text = "cannot write the report" + at; break;
    }
    if (!detail.empty()) text += ": " + detail;
    return text;
}

}  // namespace tavrel

namespace tavrel::checked {

void Fail(FailureKind kind) { throw CalculationFailure(kind); }

}  // namespace tavrel::checked
