#pragma once

// The four commands of varnholt-cli. Each drives the same AppState flow the
// window drives and prints either a table or JSON on stdout; a live progress
// line goes to stderr only when stderr is a terminal. Each returns the exit
// status: 0 done, 1 failed.

#include "cli/options.h"

class AppState;

// Lets Ctrl+C (and SIGTERM) end a running command cleanly: the command
// returns 1 and the engines stop as the state is destroyed.
void installInterruptHandler();

int runScan(AppState &state, const Options &options);
int runClean(AppState &state, const Options &options);
int runLarge(AppState &state, const Options &options);
// A plain measurement of one path; needs no AppState.
int runMeasure(const Options &options);
