#include "failure.h"

#include <cstring>

#include "checked_math.h"
#include "number_rules.h"

namespace tavrel {

CalculationFailure::CalculationFailure(FailureKind kind, std::optional<double> width,
                                       std::string detail)
    : CalculationFailure(kind, width, std::move(detail), {}, 0) {}

CalculationFailure::CalculationFailure(FailureKind kind, std::optional<double> width,
                                       std::string detail, std::string fileName,
                                       int systemError)
    : std::runtime_error(DescribeFailure(kind, width, detail)),
      m_kind(kind),
      m_width(width),
      m_detail(std::move(detail)),
      m_fileName(std::move(fileName)),
      m_systemError(systemError) {}

CalculationFailure CalculationFailure::FileFailure(const std::string& fileName, int systemError) {
    return CalculationFailure(FailureKind::ReportFile, std::nullopt,
                              fileName + ": " + std::strerror(systemError), fileName,
                              systemError);
}

CalculationFailure CalculationFailure::AtWidth(double width) const {
    if (m_width) return *this;
    return CalculationFailure(m_kind, width, m_detail, m_fileName, m_systemError);
}

std::string DescribeFailure(FailureKind kind, const std::optional<double>& width,
                            const std::string& detail) {
    const std::string theWidth = width ? "width " + FormatPlainNumber(*width) + " mm" : "a width";
    const std::string at = width ? " at " + theWidth : "";
    std::string text;
    switch (kind) {
        case FailureKind::Overflow: text = "number too large" + at; break;
        case FailureKind::NoSlot: text = theWidth + " is outside the table (450 to 8550 mm)"; break;
        case FailureKind::DivisionByZero: text = "division by zero (effective depth 0)" + at; break;
        case FailureKind::NegativeSquareRoot: text = "negative steel area" + at; break;
        case FailureKind::EmptySlot: text = "no design for " + theWidth; break;
        case FailureKind::ReportFile: text = "cannot write the report" + at; break;
    }
    if (!detail.empty()) text += ": " + detail;
    return text;
}

}  // namespace tavrel

namespace tavrel::checked {

void Fail(FailureKind kind) { throw CalculationFailure(kind); }

}  // namespace tavrel::checked
