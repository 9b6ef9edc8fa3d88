#pragma once
// One fuzz input loaded as a data file through the loader the player and
// build/gamedata use for files of that name, inside the sample project
// (fuzz_project.h). Aborts when the load breaks the record layer's promise:
// - a failed load leaves what it loads into byte for byte as it was (the
//   target starts from the project's own file of that kind, when it has one);
// - a successful load resaves to an image that loads again and resaves to the
//   same bytes;
// - the loaded content keeps the invariants of its family (data_file_invariants.h).
//
//   extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
//     FuzzDataFile({"Option.dat", ""}, data, size);
//     return 0;
//   }

#include <cstddef>
#include <cstdint>

struct cFuzzFileKind {
  const char* lpFileName;  // names the kind, as build/gamedata recognises it
  const char* lpStart;     // the project's file the record holds before each
                           // load (a data path); empty: the default record
};

void FuzzDataFile(const cFuzzFileKind& kind, const uint8_t* data, std::size_t size);
