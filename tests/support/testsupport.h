#pragma once

// Shared helpers for every test executable.
#include "privileges.h"
#include "tempfolder.h"

namespace testsupport {

// Whether this Windows program runs under Wine, whose private prefix holds
// the registry and profile, and whose Restart Manager is an empty stub.
// Always false elsewhere.
bool runsUnderWine();

} // namespace testsupport
