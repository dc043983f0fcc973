#pragma once
// Marks of the start-up phases, for the start-up benchmark (scripts/bench.sh).
// Only when the environment variable KVSWBD_STARTUP_PHASES names a file does a
// mark do anything: it appends a line "<name> <performance counter> <peak
// working set in bytes>" to that file. Users never set it; the benchmark sets
// it for its breakdown runs only.

// Records that the phase `name` (ASCII, no spaces) has ended now.
void MarkStartupPhase(const char* name);
