// Start-up of the drill program to its setup screen shown, against a bare Qt program showing an
// equivalent window, and the peak memory of each at that moment. Both run as child processes,
// in pairs, many times; each ratio is the median of the pairs' ratios. Prints each ratio against
// its target and exits non-zero when a target is missed. Usage: startup_bench [runs]
// The children run offscreen unless QT_QPA_PLATFORM says otherwise: QT_QPA_PLATFORM=xcb under
// xvfb-run times the first visible X11 window instead.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr double kTimeTarget = 1.15;
constexpr double kMemoryTarget = 1.3;

struct Sample {
    double milliseconds = 0;
    long peakKb = 0;
};

// Runs one child until it reports its window shown; nothing when it failed.
std::optional<Sample> runChild(const std::string& path)
{
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0); // Qt's start-up chatter
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return std::nullopt;
    }
    std::string line;
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line.push_back(c);
    const auto shown = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (line.rfind("shown ", 0) != 0)
        return std::nullopt;
    return Sample{std::chrono::duration<double, std::milli>(shown - start).count(), std::atol(line.c_str() + 6)};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The machine's speed drifts between runs; the two of a pair ran back to back, so the median of
// the pairs' ratios is steadier than the ratio of the medians.
double pairedRatio(const std::vector<double>& ours, const std::vector<double>& floor)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours.size() && i < floor.size(); ++i)
        if (floor[i] > 0)
            ratios.push_back(ours[i] / floor[i]);
    return median(ratios);
}

bool report(const char* what, double ours, double floor, double ratio, const char* unit, double target)
{
    const bool ok = floor > 0 && ratio <= target;
    std::printf("%-28s zorvix %9.1f %s   floor %9.1f %s   ratio %.3f   target <= %.2f   %s\n", what, ours, unit, floor, unit,
                ratio, target, ok ? "ok" : "MISSED");
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::filesystem::path here = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::string program = (here / "startup_child_zorvix").string();
    const std::string bare = (here / "startup_child_bare").string();

    // One of each first, unmeasured: the file cache is then warm for both.
    runChild(program);
    runChild(bare);
    std::vector<double> programTimes, bareTimes, programPeaks, barePeaks;
    for (int i = 0; i < runs; ++i) {
        // Which one goes first alternates: the first of a pair can meet a colder machine.
        std::optional<Sample> p, b;
        if (i % 2 == 0) {
            p = runChild(program);
            b = runChild(bare);
        } else {
            b = runChild(bare);
            p = runChild(program);
        }
        if (!p || !b) {
            std::fprintf(stderr, "startup_bench: a child did not show its window\n");
            return 2;
        }
        programTimes.push_back(p->milliseconds);
        bareTimes.push_back(b->milliseconds);
        programPeaks.push_back(static_cast<double>(p->peakKb));
        barePeaks.push_back(static_cast<double>(b->peakKb));
    }
    std::printf("start-up, median of %d runs each (ratio: median of the pairs' ratios), %s\n", runs,
                std::getenv("QT_QPA_PLATFORM"));
    const bool time = report("start-up to setup shown", median(programTimes), median(bareTimes),
                             pairedRatio(programTimes, bareTimes), "ms", kTimeTarget);
    const bool memory = report("peak memory at setup shown", median(programPeaks) / 1024, median(barePeaks) / 1024,
                               pairedRatio(programPeaks, barePeaks), "MB", kMemoryTarget);
    return time && memory ? 0 : 1;
}
