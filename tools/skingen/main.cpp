// roadtally-skingen OUTDIR: draws every skin bitmap, the program icon and
// the dialog templates, and writes them with their manifest under OUTDIR.
#include <cstdio>
#include <string>

#include "tools/skingen/artwork.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: roadtally-skingen OUTDIR\n");
    return 2;
  }
  std::string error;
  if (!skingen::WriteResources(argv[1], error)) {
    std::fprintf(stderr, "roadtally-skingen: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
