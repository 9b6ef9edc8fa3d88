#pragma once
// The project every data-file fuzz target loads its input inside: the sample
// project, generated once per process into a temporary folder, with its
// database, settings, world map and common palette loaded into the program's
// globals and its validation context installed for the whole run, so loads
// check their references against real data as in the player.
//
//   const cFuzzProject& project = FuzzProject();     // first call generates it
//   std::filesystem::path in = project.work / "Story01.dat";
//
// Any failure to set it up aborts: a fuzz run without its project would
// report nothing useful.

#include <filesystem>
#include <string>
#include <vector>

#include "records/script/validate_context.h"

struct cFuzzProject {
  std::filesystem::path dir;   // the generated project
  std::filesystem::path work;  // scratch folder for inputs and resaves
  cValidateContext context;
};

const cFuzzProject& FuzzProject();

// The texts of the message boxes the loads asked for since the last call
// (answered at once, never shown); a target takes them after every input so
// they do not pile up over a long run.
std::vector<std::string> TakeFuzzBoxes();
