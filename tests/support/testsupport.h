#pragma once

// Shared helpers for every test executable.
#include "privileges.h"
#include "tempfolder.h"
