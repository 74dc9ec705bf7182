#pragma once
// The places of this system that a bare program name is looked for in.
#include "program_search.h"

// Read when asked, as PATH and App Paths may change while the launcher runs.
// Its questions go to the disk and the registry: ask it on a worker.
ProgramPlaces systemProgramPlaces();
