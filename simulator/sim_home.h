#pragma once

#include <string>

#include "simulator/scenario.h"

namespace orvsim {

// Where the simulator keeps its files: $ORVWL_SIM_HOME, else the user's data
// folder ($XDG_DATA_HOME/orvwl-sim, else ~/.local/share/orvwl-sim).
std::string SimHome();

// The control file the orvwl-sim tool writes and the library watches.
std::string ControlFilePath(const std::string& home);

// The scenario: the file named by $ORVWL_SIM_SCENARIO, else ORVWL.sim in
// `besideFolder`, else the built-in one. A file that cannot be read gives the
// built-in scenario with a warning naming the file.
Scenario LoadScenario(const std::string& besideFolder);

// Folder of the file that holds this code (the library, or the tool).
std::string ModuleFolder();

}  // namespace orvsim
