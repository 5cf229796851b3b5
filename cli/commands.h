#pragma once

// The commands of varnholt-cli. Each drives the same AppState flow the
// window drives and prints either a table or JSON on stdout; a live progress
// line goes to stderr only when stderr is a terminal. Each returns the exit
// status: 0 done, 1 failed.

#include "cli/options.h"

class AppState;

// Lets Ctrl+C or Ctrl+Break (and SIGTERM, or closing the console window on
// Windows) end a running command cleanly: the command returns 1 and the
// engines stop as the state is destroyed. A second Ctrl+C ends the process.
void installInterruptHandler();

int runScan(AppState &state, const Options &options);
int runClean(AppState &state, const Options &options);
int runLarge(AppState &state, const Options &options);
// A plain measurement of one path; needs no AppState.
int runMeasure(const Options &options);
// When the home volume is full at the rate its free space has been falling,
// from the history the Varnholt app records; needs no AppState.
int runForecast(const Options &options);
// The folders of the home folder that changed most since the reading of
// folder sizes nearest to --since ago; with --record, takes a reading.
int runGrew(AppState &state, const Options &options);
// Whether Ctrl+C (or SIGTERM, or closing the console) asked the running
// command to stop.
bool interruptRequested();
// Puts back what the cleanup of a log (the latest one by default) moved
// to the trash.
int runRestore(AppState &state, const Options &options);
