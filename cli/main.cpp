// tavrel-report: one calculation run from the command line, written exactly
// as the window's save option writes its report, or as the results list.
#include <cstdio>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "calculation_run.h"
#include "report_file.h"
#include "report_output.h"
#include "result_list_text.h"

namespace {

using namespace tavrel;

constexpr const char* kProgram = "tavrel-report";

constexpr const char* kUsage =
    "Usage: tavrel-report [OPTION]...\n"
    "Runs one footing calculation and writes its report (code page 936, CRLF)\n"
    "to standard output.\n"
    "\n"
    "Inputs, each the text of a window box exactly as typed [initial text]:\n"
    "  --pressure TEXT  net soil pressure, kN/m2            [100]\n"
    "  --wall TEXT      wall width, mm                      [240]\n"
    "  --cover TEXT     concrete cover, mm                  [50]\n"
    "  --width1 TEXT    upper footing width of range 1, mm  [2000]\n"
    "  --height1 TEXT   footing height in range 1, mm       [300]\n"
    "  --width2 TEXT    upper footing width of range 2, mm  [3000]\n"
    "  --height2 TEXT   footing height in range 2, mm       [350]\n"
    "  --width3 TEXT    upper footing width of range 3, mm  [4000]\n"
    "  --height3 TEXT   footing height in range 3, mm       [400]\n"
    "  --NAME=TEXT works as well; TEXT may be empty or begin with '-'.\n"
    "\n"
    "Output:\n"
    "  -o FILE          write to FILE (created or emptied) instead\n"
    "  --utf8           write the report in UTF-8 instead of code page 936\n"
    "  --list           write the results list instead: a header line, then one\n"
    "                   line per footing width, tab-separated, UTF-8\n"
    "  --help           show this help\n"
    "\n"
    "Exit status: 0 done; 1 the run failed (what was written stays written);\n"
    "2 bad usage.\n";

struct InputOption {
    std::string_view name;
    InputBox box;
    const char* initialText;
};

constexpr InputOption kInputOptions[] = {
    {"--pressure", InputBox::Text1, "100"}, {"--wall", InputBox::Text2, "240"},
    {"--cover", InputBox::Text10, "50"},    {"--width1", InputBox::Text3, "2000"},
    {"--height1", InputBox::Text4, "300"},  {"--width2", InputBox::Text5, "3000"},
    {"--height2", InputBox::Text6, "350"},  {"--width3", InputBox::Text7, "4000"},
    {"--height3", InputBox::Text8, "400"},
};

struct Options {
    std::map<InputBox, std::string> texts;
    std::optional<std::string> outputPath;
    bool utf8 = false;
    bool list = false;
    bool help = false;
};

struct UsageError {
    std::string message;
};

Options ParseCommandLine(int argc, char** argv) {
    Options options;
    for (const InputOption& option : kInputOptions) options.texts[option.box] = option.initialText;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        // The next argument is a value whatever it looks like: a box text may
        // begin with '-'.
        const auto value = [&](std::string_view name) -> std::string {
            if (i + 1 >= argc) throw UsageError{"option '" + std::string(name) + "' needs a value"};
            return argv[++i];
        };
        if (arg == "--help") {
            options.help = true;
            return options;
        }
        if (arg == "--utf8") {
            options.utf8 = true;
        } else if (arg == "--list") {
            options.list = true;
        } else if (arg == "-o") {
            options.outputPath = value(arg);
        } else {
            const std::size_t equals = arg.find('=');
            const std::string_view name = arg.substr(0, equals);
            const InputOption* input = nullptr;
            for (const InputOption& option : kInputOptions)
                if (option.name == name) input = &option;
            if (!input || !arg.starts_with("--")) {
                throw UsageError{(arg.starts_with("-") ? "unknown option '" : "unexpected argument '") +
                                 std::string(arg) + "'"};
            }
            options.texts[input->box] =
                equals == std::string_view::npos ? value(name) : std::string(arg.substr(equals + 1));
        }
    }
    return options;
}

class CommandLineInputs : public RunInputs {
public:
    CommandLineInputs(const std::map<InputBox, std::string>& texts, bool saveBoxTicked)
        : m_texts(texts), m_saveBox(saveBoxTicked ? 1 : 0) {}
    std::string InputText(InputBox box) const override { return m_texts.at(box); }
    int SaveBoxState() const override { return m_saveBox; }

private:
    const std::map<InputBox, std::string>& m_texts;
    int m_saveBox;
};

class NoList : public ResultList {
public:
    void ClearResultList() override {}
    void AddResultRow(const ResultRow&) override {}
};

class NoReport : public ReportSink {
public:
    bool OpenReport(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    void WriteReportRow(const ResultRow&) override {}
    void CloseReport() override {}
};

// The results list as lines of text, LF-ended.
class ListLines : public ResultList {
public:
    explicit ListLines(ReportOutput& output) : m_output(output) {}
    void ClearResultList() override {}
    void AddResultRow(const ResultRow& row) override {
        m_output.Write(TabSeparated(ResultListColumns(row)) + "\n");
    }

private:
    ReportOutput& m_output;
};

std::unique_ptr<ReportOutput> StandardOutput() {
    return std::make_unique<FileOutput>(stdout, "standard output");
}

void WriteReport(const Options& options) {
    const CommandLineInputs inputs(options.texts, true);
    NoList list;
    const ReportEncoding encoding = options.utf8 ? ReportEncoding::Utf8 : ReportEncoding::Cp936;
    if (options.outputPath) {
        // The same path as the window's dialog, minus the dialog.
        ReportFile report([&](const SaveDialogSettings&) { return options.outputPath; }, encoding);
        CalculationRun(inputs, list, report);
    } else {
        ReportFile report(encoding, StandardOutput);
        CalculationRun(inputs, list, report);
    }
}

void WriteList(const Options& options) {
    const std::unique_ptr<ReportOutput> output =
        options.outputPath ? FileOutput::Create(*options.outputPath) : StandardOutput();
    const CommandLineInputs inputs(options.texts, false);
    ListLines list(*output);
    NoReport report;
    // On a failure the output keeps the lines written so far: a file closes
    // in its destructor, standard output is flushed as the program ends.
    output->Write(ResultListHeaderLine() + "\n");
    CalculationRun(inputs, list, report);
    output->Close();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    try {
        options = ParseCommandLine(argc, argv);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "%s: %s\n\n%s", kProgram, error.message.c_str(), kUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    try {
        if (options.list) {
            WriteList(options);
        } else {
            WriteReport(options);
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s: %s\n", kProgram, failure.what());
        return 1;
    }
    return 0;
}
