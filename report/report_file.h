// The report file of a run: two header lines and one line per result row,
// laid out in 14-column print zones, in code page 936.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "calculation_run.h"
#include "print_zone_writer.h"
#include "report_encoding.h"
#include "report_output.h"

namespace tavrel {

// What the save dialog is asked to show.
struct SaveDialogSettings {
    std::string proposedName;   // "JCOUT.TXT", set anew for every showing
    std::string filterName;     // "TXT"
    std::string filterPattern;  // "*.TXT"
    bool overwritePrompt = true;
};

inline constexpr const char* kReportProposedName = "JCOUT.TXT";
inline constexpr const char* kReportFilterName = "TXT";
inline constexpr const char* kReportFilterPattern = "*.TXT";

// Shows a modal save dialog and returns the confirmed file name (UTF-8), or
// nothing when the user cancelled. The window supplies the real dialog;
// tests and tools supply their own.
using ChooseReportFile = std::function<std::optional<std::string>(const SaveDialogSettings&)>;

// Opens the output of one report, or gives nullptr for no report this run.
// Throws CalculationFailure(ReportFile) when the output cannot be opened.
using OpenReportOutput = std::function<std::unique_ptr<ReportOutput>()>;

// The report as the run's first result sink. Opening asks the chooser for a
// file; a cancelled choice writes no report for this run.
//
// Every failure to open, write or close throws CalculationFailure(ReportFile)
// whose detail names the file and the system's reason. A report is closed by
// CloseReport, which the run also calls when it fails after opening, and at
// the latest by the next OpenReport or the destructor.
class ReportFile : public ReportSink {
public:
    explicit ReportFile(ChooseReportFile choose);
    ReportFile(ChooseReportFile choose, ReportEncoding encoding);
    // Writes each report to what `open` gives: standard output for the batch
    // tool, memory for tests and fuzzing. Same bytes as a file.
    ReportFile(ReportEncoding encoding, OpenReportOutput open);
    ~ReportFile() override;
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;

    bool OpenReport(const std::string& pressureText, const std::string& wallText,
                    const std::string& coverText) override;
    // Only between a successful OpenReport and CloseReport; throws
    // std::logic_error otherwise.
    void WriteReportRow(const ResultRow& row) override;
    // Does nothing when no report is open.
    void CloseReport() override;

    bool IsOpen() const { return m_output != nullptr; }

private:
    void Release();

    ReportEncoding m_encoding;
    OpenReportOutput m_open;
    std::unique_ptr<ReportEncoder> m_encoder;  // made at the first opening
    std::unique_ptr<ReportOutput> m_output;
    std::optional<PrintZoneWriter> m_writer;
};

// The dialog settings that every opening asks the chooser with.
SaveDialogSettings ReportDialogSettings();

}  // namespace tavrel
