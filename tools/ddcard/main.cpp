// ddcard DIR OUT.bmp [--d3d] [--bpp 8|16|32] [--fullscreen] [--page fonts|effects] [--frame N]
// Exit 0 with the card written, 1 with the failing step, 2 on usage.
#include <cstdio>
#include <cstring>
#include <string>

#include "core/mesbox/mesbox.h"
#include "tools/ddcard/test_card.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: ddcard DIR OUT.bmp [--d3d] [--bpp 8|16|32] [--fullscreen] [--page fonts|effects] [--frame N]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  cTestCardOptions options;
  for (int i = 3; i < argc; ++i) {
    if (std::strcmp(argv[i], "--d3d") == 0) {
      options.bDirect3D = 1;
    } else if (std::strcmp(argv[i], "--fullscreen") == 0) {
      options.bFullScreen = 1;
    } else if (std::strcmp(argv[i], "--page") == 0 && i + 1 < argc) {
      options.strPage = argv[++i];
    } else if (std::strcmp(argv[i], "--frame") == 0 && i + 1 < argc) {
      options.nFrame = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--bpp") == 0 && i + 1 < argc) {
      options.nBpp = std::atoi(argv[++i]);
      if (options.nBpp != 8 && options.nBpp != 16 && options.nBpp != 32) return Usage();
    } else {
      return Usage();
    }
  }
  // A tool shows no boxes: they are logged and answered.
  SetMesBoxAnswerer([](const std::string& text, const std::string&, unsigned) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return 1;
  });
  const cTestCardResult result = RunTestCard(argv[1], options);
  if (!result.bOk) {
    std::fprintf(stderr, "ddcard: %s failed\n", result.strFailedStep.c_str());
    return 1;
  }
  if (!WriteFrameBmp(argv[2], result)) {
    std::fprintf(stderr, "ddcard: %s cannot be written\n", argv[2]);
    return 1;
  }
  return 0;
}
