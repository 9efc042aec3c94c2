#include "report_file.h"

#include <array>
#include <stdexcept>

namespace tavrel {
namespace {

// Header line 1 labels the three input texts it carries. The soil pressure's
// unit opens the second zone; two blanks stand before the wall label.
constexpr const char* kPressureLabel = "地基净反力=";
constexpr const char* kWallLabel = "KN/M*M  墙宽";
constexpr const char* kCoverLabel = "保护层厚度";

// Header line 2 captions the ten columns of the row lines.
constexpr std::array<const char*, 10> kColumnCaptions = {
    "宽度", "I", "steel", "steel", "steel", "II", "steel", "steel", "steel", "h0"};

}  // namespace

SaveDialogSettings ReportDialogSettings() {
    return {kReportProposedName, kReportFilterName, kReportFilterPattern, true};
}

ReportFile::ReportFile(ChooseReportFile choose)
    : ReportFile(std::move(choose), ReportEncoding::Cp936) {}

ReportFile::ReportFile(ChooseReportFile choose, ReportEncoding encoding)
    : ReportFile(encoding, [choose = std::move(choose)]() -> std::unique_ptr<ReportOutput> {
          const std::optional<std::string> name = choose(ReportDialogSettings());
          // A cancelled dialog writes no report: an existing file is never
          // emptied without the user's confirmation.
          if (!name) return nullptr;
          return FileOutput::Create(*name);
      }) {}

ReportFile::ReportFile(ReportEncoding encoding, OpenReportOutput open)
    : m_encoding(encoding), m_open(std::move(open)) {}

ReportFile::~ReportFile() { Release(); }

void ReportFile::Release() {
    m_writer.reset();
    m_output.reset();
}

bool ReportFile::OpenReport(const std::string& pressureText, const std::string& wallText,
                            const std::string& coverText) {
    Release();
    // Before the dialog, so that a system without the conversion fails
    // before any file is touched.
    if (!m_encoder) m_encoder = std::make_unique<ReportEncoder>(m_encoding);
    m_output = m_open();
    if (!m_output) return false;
    m_writer.emplace(*m_output, *m_encoder);
    try {
        PrintZoneWriter& line = *m_writer;
        line.WriteText(kPressureLabel, ItemSeparator::Joined);
        line.WriteText(pressureText, ItemSeparator::NextZone);
        line.WriteText(kWallLabel, ItemSeparator::Joined);
        line.WriteText(wallText, ItemSeparator::NextZone);
        line.WriteText(kCoverLabel, ItemSeparator::Joined);
        line.WriteText(coverText, ItemSeparator::LineEnd);

        for (std::size_t i = 0; i < kColumnCaptions.size(); ++i) {
            line.WriteText(kColumnCaptions[i], i + 1 < kColumnCaptions.size()
                                                   ? ItemSeparator::NextZone
                                                   : ItemSeparator::LineEnd);
        }
    } catch (...) {
        // The run does not close a report whose opening failed.
        Release();
        throw;
    }
    return true;
}

void ReportFile::WriteReportRow(const ResultRow& row) {
    if (!m_writer) throw std::logic_error("report row written without an open report");
    PrintZoneWriter& line = *m_writer;
    for (const Cell* cell : {&row.width, &row.steelAreaI, &row.layoutI1, &row.layoutI2,
                             &row.layoutI3, &row.steelAreaII, &row.layoutII1, &row.layoutII2,
                             &row.layoutII3}) {
        line.WriteCell(*cell, ItemSeparator::NextZone);
    }
    line.WriteCell(row.h0, ItemSeparator::LineEnd);
}

void ReportFile::CloseReport() {
    if (!m_output) return;
    std::unique_ptr<ReportOutput> output = std::move(m_output);
    m_writer.reset();
    output->Close();
}

}  // namespace tavrel
