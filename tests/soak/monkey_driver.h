// The monkey: a seeded random soak of the whole command set on the headless device.
//
// Every frame it issues a few random public commands (creators with plausible and absurd
// arguments, items, states, texts of random bytes, menus, windows, colours, limits, handlers
// that veto or change the screen under the gadget, now and then a requester, which it answers
// through the headless input queue), then random input aimed at what exists, runs the frame and
// checks through the public interface that what the toolkit reports agrees with a small model
// of what was created and closed: selections within items, carets within texts, values within
// their ranges, closed records gone and their handles dead.
//
// A fault (a broken check, a crash, a sanitizer report) prints the seed, the frame and the last
// commands issued; the same seed replays the same run.
#pragma once

#include <cstdint>
#include <string>

namespace bevel::soak {

struct Run {
  std::uint64_t seed = 1;
  int frames = 1000;
  // A directory the file lists and file requesters may show (MakeSoakDirectory).
  std::string directory;
  // Lines of the command log a fault report shows.
  int logLines = 30;
};

// Fills `root` (an existing, empty directory) with the files and folders the monkey's file
// lists point at. false when a file could not be made.
bool MakeSoakDirectory(const std::string& root);

// What a run did, so that a soak can tell how much of the toolkit it reached.
struct Tally {
  long long frames = 0;        // shown: the monkey's own and those its requesters ran
  long long commands = 0;      // public commands issued
  long long gadgetEvents = 0;  // frames whose GadgetEvent reported a gadget
  long long menuEvents = 0, windowEvents = 0;
  long long handlerCalls = 0, vetoes = 0;
  long long requesters = 0;

  Tally& operator+=(const Tally& t);
};

// Runs run.frames frames of one seed on a headless screen it opens and closes. A fault prints
// the report to stderr and ends the process with status 1 (a crash: with the signal or
// sanitizer report).
Tally RunMonkey(const Run& run);

}  // namespace bevel::soak
