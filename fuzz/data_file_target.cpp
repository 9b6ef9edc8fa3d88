// One data-file fuzz target: the build names its file kind and the project
// file it starts from (VP_FUZZ_FILE, VP_FUZZ_START; see CMakeLists.txt).

#include <cstddef>
#include <cstdint>

#include "fuzz/harness/data_file_fuzz.h"
#include "fuzz/harness/input_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  // -1 keeps a skipped input out of the corpus.
  if (!AcceptFuzzInput(VP_FUZZ_FILE, data, size)) return -1;
  FuzzDataFile({VP_FUZZ_FILE, VP_FUZZ_START}, data, size);
  return 0;
}
