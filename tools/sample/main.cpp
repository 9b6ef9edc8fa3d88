// make_sample [folder]: writes the sample game project into folder (default
// "sample"). The same program version always writes the same bytes.
#include <cstdio>
#include <string>

#include "tools/sample/sample_project.h"

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "sample";
  std::string error;
  if (!WriteSampleProject(folder, error)) {
    std::fprintf(stderr, "make_sample: %s\n", error.c_str());
    return 1;
  }
  std::printf("make_sample: wrote the sample project to %s\n", folder.c_str());
  return 0;
}
