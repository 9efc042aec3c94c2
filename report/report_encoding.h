// How the report's texts become bytes: code page 936 (GBK), the code page
// the report has always been read in, or UTF-8 for tools that want it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel {

enum class ReportEncoding { Cp936, Utf8 };

// One text as it goes into the report.
struct EncodedText {
    std::string bytes;  // in the report's encoding
    std::size_t columns = 0;  // print columns it takes: its length in code page 936
};

// Converts UTF-8 texts to the report's encoding. Columns always count code
// page 936 bytes, so a UTF-8 report is laid out exactly like the code page
// 936 one: a Chinese character takes two columns, as on a monospaced screen.
//
// A character that code page 936 cannot hold becomes '?', in both encodings,
// and so does each byte that is not part of a valid UTF-8 sequence. The
// conversion does not depend on the process locale.
class ReportEncoder {
public:
    // Throws CalculationFailure(ReportFile) when the system has no
    // conversion to code page 936.
    explicit ReportEncoder(ReportEncoding encoding);
    ~ReportEncoder();
    ReportEncoder(const ReportEncoder&) = delete;
    ReportEncoder& operator=(const ReportEncoder&) = delete;

    ReportEncoding Encoding() const { return m_encoding; }
    EncodedText Encode(std::string_view utf8);

private:
    ReportEncoding m_encoding;
    void* m_toCp936 = nullptr;    // iconv_t, UTF-8 to CP936
    void* m_fromCp936 = nullptr;  // iconv_t, CP936 to UTF-8 (UTF-8 reports only)
};

}  // namespace tavrel
