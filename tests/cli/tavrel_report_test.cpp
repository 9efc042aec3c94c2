// tavrel-report run as a process: its bytes on standard output, its line on
// standard error and its exit status.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <iconv.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using tavrel::testing::ReadBytes;

std::string Golden(const char* name) { return ReadBytes(fs::path(TAVREL_GOLDEN_DIR) / name); }

std::string Cp936ToUtf8(const std::string& bytes) {
    iconv_t conversion = iconv_open("UTF-8", "CP936");
    std::string out(bytes.size() * 2, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPos = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(conversion, &in, &inLeft, &outPos, &outLeft);
    iconv_close(conversion);
    EXPECT_NE(result, static_cast<std::size_t>(-1));
    out.resize(out.size() - outLeft);
    return out;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class TavrelReportTest : public tavrel::testing::TempFolderTest {
protected:
    // Runs the tool with `args`; standard output goes to `stdoutPath` when given.
    Outcome Run(const std::vector<std::string>& args, const fs::path& stdoutPath = {}) {
        const fs::path outPath = stdoutPath.empty() ? Folder() / "stdout" : stdoutPath;
        const fs::path errPath = Folder() / "stderr";
        std::vector<char*> argv{const_cast<char*>(TAVREL_REPORT_EXE)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);

        const pid_t child = fork();
        if (child == 0) {
            const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(127);
            execv(argv[0], argv.data());
            _exit(127);
        }
        Outcome outcome;
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child) {
            ADD_FAILURE() << "could not run " << TAVREL_REPORT_EXE;
            return outcome;
        }
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (stdoutPath.empty()) outcome.out = ReadBytes(outPath);
        outcome.err = ReadBytes(errPath);
        return outcome;
    }

};

const std::string kPushedPressure = "120.0 (净, kN/m2)";

TEST_F(TavrelReportTest, WritesTheGoldenReportsToStandardOutput) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* golden;
        int status;
        std::string err;
    } cases[] = {
        {"initial texts", {}, "default.txt", 0, ""},
        {"failed run keeps what was written",
         {"--width1", "2050"},
         "failed_width1_2050.txt",
         1,
         "tavrel-report: no design for width 2200 mm\n"},
        {"value after an equals sign",
         {"--width1=2050"},
         "failed_width1_2050.txt",
         1,
         "tavrel-report: no design for width 2200 mm\n"},
        {"values with blanks and an empty value",
         {"--pressure", kPushedPressure, "--wall", ""},
         "pushed_zones.txt",
         0,
         ""},
        {"the same after equals signs",
         {"--pressure=" + kPushedPressure, "--wall="},
         "pushed_zones.txt",
         0,
         ""},
        {"every input given its initial text",
         {"--pressure", "100", "--wall", "240", "--cover", "50", "--width1", "2000", "--height1",
          "300", "--width2", "3000", "--height2", "350", "--width3", "4000", "--height3", "400"},
         "default.txt",
         0,
         ""},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Run(c.args);
        EXPECT_EQ(outcome.status, c.status) << c.name;
        EXPECT_EQ(outcome.out, Golden(c.golden)) << c.name;
        EXPECT_EQ(outcome.err, c.err) << c.name;
    }
}

// A box text may begin with a minus sign: here a negative soil pressure,
// whose negative steel area stops the run at the first row.
TEST_F(TavrelReportTest, ValueMayBeginWithMinus) {
    const Outcome outcome = Run({"--pressure", "-100"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out.substr(0, 15), "\xB5\xD8\xBB\xF9\xBE\xBB\xB7\xB4\xC1\xA6=-100");
    // One line naming the first row's width.
    EXPECT_EQ(outcome.err.rfind("tavrel-report: ", 0), 0u);
    EXPECT_NE(outcome.err.find(" 600 mm"), std::string::npos) << outcome.err;
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
}

TEST_F(TavrelReportTest, WritesToTheFileNamedByDashO) {
    const fs::path file = Folder() / "JCOUT.TXT";
    std::ofstream(file, std::ios::binary) << std::string(10000, 'x');
    const Outcome outcome = Run({"-o", file.string()});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(ReadBytes(file), Golden("default.txt"));
}

TEST_F(TavrelReportTest, UnwritableOutputFailsWithTheReason) {
    const fs::path missing = Folder() / "missing" / "JCOUT.TXT";
    const Outcome toFile = Run({"-o", missing.string()});
    EXPECT_EQ(toFile.status, 1);
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(toFile.err, "tavrel-report: cannot write the report: " + missing.string() +
                              ": No such file or directory\n");
    EXPECT_FALSE(fs::exists(missing.parent_path()));

    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const Outcome toStdout = Run({}, "/dev/full");
    EXPECT_EQ(toStdout.status, 1);
    // Where the full device shows depends on the stream's buffer; the reason does not.
    EXPECT_EQ(toStdout.err.rfind("tavrel-report: cannot write the report", 0), 0u) << toStdout.err;
    EXPECT_TRUE(toStdout.err.ends_with(": standard output: No space left on device\n"))
        << toStdout.err;
    const Outcome listToStdout = Run({"--list"}, "/dev/full");
    EXPECT_EQ(listToStdout.status, 1);
}

// The UTF-8 report is the code page 936 report, converted: same layout.
TEST_F(TavrelReportTest, Utf8ReportMatchesTheCodePage936Report) {
    for (const char* golden : {"default.txt", "pushed_zones.txt"}) {
        const bool pushed = std::string(golden) == "pushed_zones.txt";
        std::vector<std::string> args{"--utf8"};
        if (pushed) args.insert(args.end(), {"--pressure", kPushedPressure, "--wall", ""});
        const Outcome outcome = Run(args);
        EXPECT_EQ(outcome.status, 0) << golden;
        EXPECT_EQ(outcome.out, Cp936ToUtf8(Golden(golden))) << golden;
    }
    EXPECT_EQ(Run({"--utf8"}).out.rfind("地基净反力=100KN/M*M  墙宽240", 0), 0u);
}

TEST_F(TavrelReportTest, ListWritesTheListColumnsTabSeparated) {
    const std::string header = "L\tI\tII\tHo\tASI\tASI\tASI\tASII\tASII\tASII\n";
    const std::string row600 = "600\t34\t23\t250\t 6-300\t 6-300\t 6-300\t 6-300\t 6-300\t 6-300\n";
    const std::string row2000 = "2000\t682\t462\t300\t 8@ 70\t 10@ 110\t 12@ 160\t 6@ 60\t 8@ 100\t 10@ 160\n";

    const Outcome outcome = Run({"--list"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out.substr(0, header.size() + row600.size()), header + row600);
    EXPECT_NE(outcome.out.find("\n" + row2000), std::string::npos);
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 36);
    EXPECT_EQ(outcome.out.find('\r'), std::string::npos);

    // The rows before the failure stay, as in the window's list.
    const Outcome failed = Run({"--list", "--width1", "2050"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(std::count(failed.out.begin(), failed.out.end(), '\n'), 1 + 16);
    EXPECT_EQ(failed.err, "tavrel-report: no design for width 2200 mm\n");

    const fs::path file = Folder() / "list.tsv";
    EXPECT_EQ(Run({"--list", "-o", file.string()}).status, 0);
    EXPECT_EQ(ReadBytes(file), outcome.out);
}

TEST_F(TavrelReportTest, BadUsageExitsWithStatus2) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string problem;
    } cases[] = {
        {"unknown option", {"--bogus"}, "unknown option '--bogus'"},
        {"input without its value", {"--pressure"}, "option '--pressure' needs a value"},
        {"-o without a file", {"-o"}, "option '-o' needs a value"},
        {"stray argument", {"100"}, "unexpected argument '100'"},
        {"switch given a value", {"--utf8=yes"}, "unknown option '--utf8=yes'"},
        {"single dash input", {"-pressure", "100"}, "unknown option '-pressure'"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Run(c.args);
        EXPECT_EQ(outcome.status, 2) << c.name;
        EXPECT_EQ(outcome.out, "") << c.name;
        EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')), "tavrel-report: " + c.problem)
            << c.name;
        EXPECT_NE(outcome.err.find("Usage: tavrel-report"), std::string::npos) << c.name;
    }

    const Outcome help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: tavrel-report", 0), 0u);
    EXPECT_EQ(help.err, "");
}

}  // namespace
