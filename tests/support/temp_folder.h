// Test helpers for files: a fixture with an empty folder of its own, and
// reading a file's bytes exactly.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace tavrel::testing {

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each test gets an empty folder of its own, removed afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("tavrel-test-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};

}  // namespace tavrel::testing
