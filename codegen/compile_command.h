#pragma once

#include "project.h"
#include "toolchain.h"

namespace vexa {

enum class CompileOutcome { Ignored, Refused, Started };

// The Compile command: ignored while a simulation runs; refused with a message when the
// project has no file name or a block's address is invalid (that block's page becomes the
// active one); otherwise it writes the C source beside the project file and starts the
// toolchain on the watcher.
CompileOutcome CompileProject(Project& project, const TextGrid& hardware, Prompts& prompts,
                              bool simulationRunning, CompileWatcher& watcher);

} // namespace vexa
