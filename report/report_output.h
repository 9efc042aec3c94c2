// Where the report's bytes go: a file, an open stream such as standard
// output, or memory. The window, the batch tool and the tests share the
// same formatting and differ only here.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace tavrel {

class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // Throws CalculationFailure(ReportFile) naming the output and the
    // system's reason.
    virtual void Write(std::string_view bytes) = 0;
    // Afterwards everything written has reached its destination. Throws like
    // Write; the output is released either way.
    virtual void Close() = 0;
};

// A file, or a stream that someone else opened.
class FileOutput : public ReportOutput {
public:
    // Creates the file, or empties it when it exists. Throws
    // CalculationFailure(ReportFile) when it cannot; nothing is created then.
    static std::unique_ptr<FileOutput> Create(const std::string& path);
    // Writes to `stream` and flushes it on Close, but leaves it open.
    // `name` stands for the stream in failures ("standard output").
    FileOutput(std::FILE* stream, std::string name);
    // Closes an owned file that was not closed, without a word: the failure
    // that left it open is the one to report.
    ~FileOutput() override;
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    void Write(std::string_view bytes) override;
    void Close() override;

private:
    FileOutput(std::FILE* file, std::string name, bool owned);
    [[noreturn]] void Fail(int error) const;

    std::FILE* m_file;
    std::string m_name;
    bool m_owned;
};

// Appends to a string that the caller owns; never fails.
class StringOutput : public ReportOutput {
public:
    explicit StringOutput(std::string& target) : m_target(target) {}
    void Write(std::string_view bytes) override { m_target.append(bytes); }
    void Close() override {}

private:
    std::string& m_target;
};

}  // namespace tavrel
