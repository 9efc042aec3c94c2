// make bench: runs every measurement in one go and prints one table.
//  1. the core benchmarks (Google Benchmark, medians of 5 repetitions);
//  2. the window's start-up to first paint and its peak resident memory,
//     offscreen, against a bare QMainWindow built the same way;
//  3. Calculate for 80 rows up to the 80th row painted, in process;
//  4. tavrel-report's whole process for an 80-row report, against a program
//     that only prints a line.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kProcessRuns = 15;

struct ProcessRun {
    double millis = 0;  // until "painted" when asked for, else until exit
    double peakMiB = 0;
    std::string output;
    int status = -1;
};

// Spawns argv with standard output on a pipe (or /dev/null) and waits for it.
ProcessRun Spawn(const std::vector<std::string>& args, bool untilPainted, bool keepOutput) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    int pipeFds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const bool piped = untilPainted || keepOutput;
    if (piped) {
        if (pipe(pipeFds) != 0) std::exit(3);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }

    // Qt's start-up chatter goes to a log beside the benchmark, not into the table.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "bench-children.log",
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);

    ProcessRun run;
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "bench: cannot start %s\n", argv[0]);
        std::exit(3);
    }
    posix_spawn_file_actions_destroy(&actions);
    if (piped) {
        close(pipeFds[1]);
        char buffer[4096];
        ssize_t got = 0;
        while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
            run.output.append(buffer, static_cast<std::size_t>(got));
            if (untilPainted && run.output.find("painted\n") != std::string::npos) {
                run.millis = std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - start)
                                 .count();
                untilPainted = false;
            }
        }
        close(pipeFds[0]);
    }
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    if (run.millis == 0)
        run.millis =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (run.status != 0) {
        std::fprintf(stderr, "bench: %s ended with status %d (see bench-children.log)\n",
                     argv[0], run.status);
        std::exit(3);
    }
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Medians of the Google Benchmark runs, in microseconds, by benchmark name.
std::map<std::string, double> CoreBenchmarks() {
    const ProcessRun run = Spawn({TAVREL_BENCH_EXE, "--benchmark_format=csv",
                                  "--benchmark_repetitions=5",
                                  "--benchmark_report_aggregates_only=true"},
                                 false, true);
    std::map<std::string, double> medians;
    std::istringstream lines(run.output);
    std::string line;
    while (std::getline(lines, line)) {
        // "BM_Name_median",iterations,real_time,cpu_time,time_unit,...
        const std::string suffix = "_median\"";
        const auto end = line.find(suffix);
        if (line.rfind("\"BM_", 0) != 0 || end == std::string::npos) continue;
        std::vector<std::string> fields;
        std::istringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, ',')) fields.push_back(cell);
        if (fields.size() < 5) continue;
        double value = std::stod(fields[2]);
        if (fields[4] == "ns") value /= 1000.0;
        if (fields[4] == "ms") value *= 1000.0;
        medians[line.substr(1, end - 1)] = value;
    }
    return medians;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace

int main() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::fprintf(stderr, "bench: core benchmarks...\n");
    const auto core = CoreBenchmarks();

    std::fprintf(stderr, "bench: start-up, %d runs each...\n", kProcessRuns);
    std::vector<double> bareMs, bareMiB, labelMs, labelMiB, tavrelMs, tavrelMiB, reportMs, helloMs;
    for (int i = 0; i < kProcessRuns; ++i) {
        const ProcessRun bare = Spawn({STARTUP_PROBE_EXE, "bare"}, true, false);
        const ProcessRun label = Spawn({STARTUP_PROBE_EXE, "label"}, true, false);
        const ProcessRun form = Spawn({STARTUP_PROBE_EXE, "tavrel"}, true, false);
        bareMs.push_back(bare.millis);
        bareMiB.push_back(bare.peakMiB);
        labelMs.push_back(label.millis);
        labelMiB.push_back(label.peakMiB);
        tavrelMs.push_back(form.millis);
        tavrelMiB.push_back(form.peakMiB);
    }

    std::fprintf(stderr, "bench: Calculate in the window...\n");
    const ProcessRun click = Spawn({STARTUP_PROBE_EXE, "click"}, false, true);
    const double clickMs = std::stod(click.output) / 1000.0;

    std::fprintf(stderr, "bench: tavrel-report, %d runs...\n", kProcessRuns);
    for (int i = 0; i < kProcessRuns; ++i) {
        reportMs.push_back(Spawn({TAVREL_REPORT_EXE, "--width3", "8500"}, false, false).millis);
        helloMs.push_back(Spawn({HELLO_EXE}, false, false).millis);
    }

    const auto ratio = [](double a, double b) { return Fixed(a / b, 2); };
    const double startT = Median(tavrelMs), startB = Median(bareMs);
    const double memT = Median(tavrelMiB), memB = Median(bareMiB);
    const double startL = Median(labelMs), memL = Median(labelMiB);
    const double rep = Median(reportMs), hello = Median(helloMs);
    const double run = core.count("BM_CalculationRun80Rows") ? core.at("BM_CalculationRun80Rows") : 0;
    const double runReport = core.count("BM_CalculationRunWithReport80Rows")
                                 ? core.at("BM_CalculationRunWithReport80Rows")
                                 : 0;

    char date[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
    std::printf("Measured %s on this machine (%ld cores), Release build; medians.\n\n", date,
                sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("| measurement | Tavrel | reference | ratio | goal |\n");
    std::printf("|---|---|---|---|---|\n");
    std::printf("| calculation run, 80 rows, recording sinks | %s µs | | | under 20 µs |\n",
                Fixed(run, 1).c_str());
    std::printf("| the same run with the report formatted into memory | %s µs | | | |\n",
                Fixed(runReport, 1).c_str());
    std::printf("| window start-up to first paint (offscreen) | %s ms | %s ms (bare QMainWindow) | %s | at most 1.2 |\n",
                Fixed(startT, 1).c_str(), Fixed(startB, 1).c_str(), ratio(startT, startB).c_str());
    std::printf("| the same against a window with one Chinese label | %s ms | %s ms (one label) | %s | at most 1.2 |\n",
                Fixed(startT, 1).c_str(), Fixed(startL, 1).c_str(), ratio(startT, startL).c_str());
    std::printf("| peak resident memory at first paint | %s MiB | %s MiB (bare QMainWindow) | %s | at most 1.2 |\n",
                Fixed(memT, 1).c_str(), Fixed(memB, 1).c_str(), ratio(memT, memB).c_str());
    std::printf("| the same against a window with one Chinese label | %s MiB | %s MiB (one label) | %s | at most 1.2 |\n",
                Fixed(memT, 1).c_str(), Fixed(memL, 1).c_str(), ratio(memT, memL).c_str());
    std::printf("| Calculate click to the 80th row painted (in process) | %s ms | | | |\n",
                Fixed(clickMs, 2).c_str());
    std::printf("| tavrel-report, 80-row report, whole process | %s ms | %s ms (prints a line) | %s | |\n",
                Fixed(rep, 2).c_str(), Fixed(hello, 2).c_str(), ratio(rep, hello).c_str());
    return 0;
}
