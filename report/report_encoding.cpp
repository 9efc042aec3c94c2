#include "report_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "failure.h"

namespace tavrel {
namespace {

const iconv_t kNoConversion = reinterpret_cast<iconv_t>(-1);

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// The length of the well-formed UTF-8 sequence that starts the text, or 0
// when it does not start with one (overlong forms and surrogates included).
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

// Converts the whole text; what the target cannot hold, and what is not a
// valid sequence of the source, becomes '?'. `SkipLength` says how many
// bytes of the source one '?' stands for.
template <typename SkipLength>
std::string Convert(iconv_t conversion, std::string_view text, SkipLength skipLength) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    iconv(conversion, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char buffer[256];
        char* outPos = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(conversion, &in, &inLeft, &outPos, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPos - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // EILSEQ (unencodable or malformed) or EINVAL (cut off at the end).
        std::size_t skip = skipLength(std::string_view(in, inLeft));
        if (skip == 0 || skip > inLeft) skip = 1;
        out += '?';
        in += skip;
        inLeft -= skip;
        iconv(conversion, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

iconv_t OpenConversion(const char* to, const char* from) {
    const iconv_t conversion = iconv_open(to, from);
    if (conversion == kNoConversion) {
        throw CalculationFailure(FailureKind::ReportFile, std::nullopt,
                                 std::string("no conversion from ") + from + " to " + to + ": " +
                                     std::strerror(errno));
    }
    return conversion;
}

}  // namespace

ReportEncoder::ReportEncoder(ReportEncoding encoding) : m_encoding(encoding) {
    m_toCp936 = OpenConversion("CP936", "UTF-8");
    if (encoding == ReportEncoding::Utf8) {
        try {
            m_fromCp936 = OpenConversion("UTF-8", "CP936");
        } catch (...) {
            iconv_close(static_cast<iconv_t>(m_toCp936));
            throw;
        }
    }
}

ReportEncoder::~ReportEncoder() {
    iconv_close(static_cast<iconv_t>(m_toCp936));
    if (m_fromCp936) iconv_close(static_cast<iconv_t>(m_fromCp936));
}

EncodedText ReportEncoder::Encode(std::string_view utf8) {
    // Numbers, layout texts and most box texts: the same bytes in both encodings.
    if (IsAscii(utf8)) return {std::string(utf8), utf8.size()};

    std::string cp936 = Convert(static_cast<iconv_t>(m_toCp936), utf8, Utf8SequenceLength);
    const std::size_t columns = cp936.size();
    if (m_encoding == ReportEncoding::Cp936) return {std::move(cp936), columns};
    // Back from code page 936, so that a UTF-8 report says exactly what the
    // code page 936 report says, '?' included.
    return {Convert(static_cast<iconv_t>(m_fromCp936), cp936, [](std::string_view) { return std::size_t{1}; }),
            columns};
}

}  // namespace tavrel
