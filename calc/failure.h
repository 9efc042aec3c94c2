// The one way a calculation run fails.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace tavrel {

enum class FailureKind {
    Overflow,            // a number too large for a double, or any non-finite step
    NoSlot,              // a footing width outside 450..8550 mm has no table slot
    DivisionByZero,      // zero effective depth
    NegativeSquareRoot,  // a negative steel area reached the bar layout
    EmptySlot,           // the row pass met a width that no range designed
    ReportFile,          // the report file could not be opened or written
};

// Thrown at the failing step; the run stops there. The footing width is
// attached by the run when the failure happens while designing or listing
// a width. `detail` carries extra words (the file and the system's reason).
class CalculationFailure : public std::runtime_error {
public:
    CalculationFailure(FailureKind kind, std::optional<double> width = std::nullopt,
                       std::string detail = {});

    FailureKind Kind() const { return m_kind; }
    const std::optional<double>& Width() const { return m_width; }
    const std::string& Detail() const { return m_detail; }

    // A report file that could not be opened or written: the detail reads
    // "<file>: <system's reason>", and both parts stay at hand so that the
    // window can say the reason in its own language.
    static CalculationFailure FileFailure(const std::string& fileName, int systemError);

    // The same failure with the width filled in, unless it already has one.
    CalculationFailure AtWidth(double width) const;

    // For a report file failure: the file and the errno value; else empty and 0.
    const std::string& FileName() const { return m_fileName; }
    int SystemError() const { return m_systemError; }

private:
    CalculationFailure(FailureKind kind, std::optional<double> width, std::string detail,
                       std::string fileName, int systemError);

    FailureKind m_kind;
    std::optional<double> m_width;
    std::string m_detail;
    std::string m_fileName;
    int m_systemError = 0;
};

// One English sentence for logs and the batch tool, e.g.
// "no design for width 2200 mm".
std::string DescribeFailure(FailureKind kind, const std::optional<double>& width,
                            const std::string& detail);

}  // namespace tavrel
