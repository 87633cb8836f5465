// Start-up to the first shown window and peak memory, the program against the
// bare Qt program, both as whole processes on the same number of categories.
// The two run in turn, the order swapped every round, so both meet the same
// load of a shared machine; the medians of the rounds are compared.
//
// Usage: tarvola_bench_startup_compare [rounds] [categories]
// Prints one line per measure: workload, program, floor, unit, target ratio
// (tab-separated).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/scratch_dir.h"
#include "bench/workload.h"

namespace {

struct Run {
  double milliseconds;
  double peakMiB;
};

Run runOnce(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  argv.reserve(command.size() + 1);
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    // The programs print nothing of their own; Qt's notes about the session are noise here.
    const int quiet = ::open("/dev/null", O_WRONLY);
    ::dup2(quiet, STDOUT_FILENO);
    ::dup2(quiet, STDERR_FILENO);
    ::execv(argv[0], argv.data());
    std::_Exit(127);
  }
  int status = 0;
  struct rusage usage {};
  ::wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed (status %d)\n", argv[0], status);
    std::exit(1);
  }
  return {std::chrono::duration<double, std::milli>(end - start).count(), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 21;
  const int categories = argc > 2 ? std::atoi(argv[2]) : 32767;
  // No display is needed, and none of a person's settings may take part.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

  const std::filesystem::path here = std::filesystem::canonical("/proc/self/exe").parent_path();
  tarvola::bench::ScratchDir data("startup");
  tarvola::bench::writeCollection(data.path(), categories, 0, 0);
  const std::vector<std::string> program = {(here / "tarvola_bench_startup").string(), data.path().string()};
  const std::vector<std::string> floor = {(here / "tarvola_bench_bare_window").string(), data.path().string()};

  // The first runs warm the caches: fonts, libraries, the data file.
  for (int i = 0; i < 2; ++i) {
    runOnce(program);
    runOnce(floor);
  }
  std::vector<double> programTimes, floorTimes, programPeaks, floorPeaks;
  for (int round = 0; round < rounds; ++round) {
    const bool programFirst = round % 2 == 0;
    const Run first = runOnce(programFirst ? program : floor);
    const Run second = runOnce(programFirst ? floor : program);
    const Run& p = programFirst ? first : second;
    const Run& f = programFirst ? second : first;
    programTimes.push_back(p.milliseconds);
    floorTimes.push_back(f.milliseconds);
    programPeaks.push_back(p.peakMiB);
    floorPeaks.push_back(f.peakMiB);
  }
  std::printf("start-up to first window, %d categories\t%.1f\t%.1f\tms\t1.2\n", categories, median(programTimes),
              median(floorTimes));
  std::printf("peak memory (max RSS), %d categories\t%.1f\t%.1f\tMiB\t1.2\n", categories, median(programPeaks),
              median(floorPeaks));
  return 0;
}
