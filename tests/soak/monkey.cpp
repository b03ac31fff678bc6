// The monkey soak program: monkey --seed N --frames F [--seeds K] [--log L]
//
// Runs seeds N .. N+K-1 (K 1 by default), F frames each, on the headless device; a fault ends it
// with status 1 after printing the seed, the frame and the last L commands (30 by default). At the
// end it prints the frames run, the wall time and the frames per second.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

#include "tests/soak/monkey_driver.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: monkey --seed N --frames F [--seeds K] [--log L]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  unsigned long long seed = 1;
  long frames = 1000, seeds = 1, log = 30;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    char* end = nullptr;
    const unsigned long long value = std::strtoull(argv[i + 1], &end, 10);
    if (end == argv[i + 1] || *end != '\0') return Usage();
    if (option == "--seed") {
      seed = value;
    } else if (option == "--frames" && value <= 1000000000ULL) {
      frames = static_cast<long>(value);
    } else if (option == "--seeds" && value <= 1000000ULL) {
      seeds = static_cast<long>(value);
    } else if (option == "--log" && value <= 1000000ULL) {
      log = static_cast<long>(value);
    } else {
      return Usage();
    }
  }
  if (argc % 2 == 0) return Usage();

  // The directory the file lists and requesters show, made fresh so that every run sees the same.
  // The directory the file lists and requesters show, made fresh. Its name is digits of one
  // width, as the run draws and measures its paths: a name of random letters (mkdtemp) made runs
  // of one seed differ.
  std::string directory;
  for (int tries = 0; directory.empty() && tries < 1000; ++tries) {
    char name[64];
    std::snprintf(name, sizeof name, "/tmp/bevel-monkey-%07d", (getpid() + tries) % 10000000);
    if (mkdir(name, 0700) == 0) directory = name;
  }
  if (directory.empty() || !bevel::soak::MakeSoakDirectory(directory)) {
    std::fprintf(stderr, "monkey: cannot make the soak directory\n");
    return 1;
  }
  const auto start = std::chrono::steady_clock::now();
  bevel::soak::Tally total;
  for (long k = 0; k < seeds; ++k) {
    bevel::soak::Run run;
    run.seed = seed + static_cast<unsigned long long>(k);
    run.frames = static_cast<int>(frames);
    run.directory = directory;
    run.logLines = static_cast<int>(log);
    const bevel::soak::Tally tally = bevel::soak::RunMonkey(run);
    total += tally;
    // A line a seed, so that a long run that is stopped still tells how far it came.
    if (seeds > 1) {
      std::printf("monkey: seed %llu: %lld frames shown\n",
                  static_cast<unsigned long long>(run.seed), tally.frames);
      std::fflush(stdout);
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::error_code ignored;
  std::filesystem::permissions(directory + "/deep/readonly.txt",
                               std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(directory, ignored);
  std::printf(
      "monkey: seeds %llu..%llu, %ld frames each: %lld frames shown (with requesters') "
      "in %.1f s, %.0f frames/s, no fault\n",
      seed, seed + static_cast<unsigned long long>(seeds) - 1, frames, total.frames, seconds,
      seconds > 0 ? static_cast<double>(total.frames) / seconds : 0.0);
  std::printf(
      "monkey: %lld commands, %lld requesters, %lld handler calls (%lld vetoed); frames "
      "with a gadget event %lld, a menu event %lld, a window event %lld\n",
      total.commands, total.requesters, total.handlerCalls, total.vetoes, total.gadgetEvents,
      total.menuEvents, total.windowEvents);
  return 0;
}
