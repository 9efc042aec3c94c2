#include "report_output.h"

#include <cerrno>

#include "failure.h"

namespace tavrel {

std::unique_ptr<FileOutput> FileOutput::Create(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        throw CalculationFailure::FileFailure(path, errno);
    }
    return std::unique_ptr<FileOutput>(new FileOutput(file, path, true));
}

FileOutput::FileOutput(std::FILE* stream, std::string name)
    : FileOutput(stream, std::move(name), false) {}

FileOutput::FileOutput(std::FILE* file, std::string name, bool owned)
    : m_file(file), m_name(std::move(name)), m_owned(owned) {}

FileOutput::~FileOutput() {
    if (m_file && m_owned) std::fclose(m_file);
}

void FileOutput::Write(std::string_view bytes) {
    if (!m_file) Fail(EBADF);
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) Fail(errno);
}

void FileOutput::Close() {
    if (!m_file) return;
    std::FILE* file = m_file;
    m_file = nullptr;
    errno = 0;
    // A write error that the buffer hid until now shows in the flush or the
    // stream's error flag.
    bool ok = std::fflush(file) == 0;
    int error = errno;
    if (ok && std::ferror(file)) {
        ok = false;
        error = EIO;
    }
    if (m_owned) {
        errno = 0;
        if (std::fclose(file) != 0 && ok) {
            ok = false;
            error = errno;
        }
    }
    if (!ok) Fail(error);
}

void FileOutput::Fail(int error) const {
    throw CalculationFailure::FileFailure(m_name, error != 0 ? error : EIO);
}

}  // namespace tavrel
