// Writes the factory project into the working folder: what a new project starts from, its pictures
// in bmp\, the editor's toolbar pictures in e_bmp\ and its data files in default\. Each step writes
// one part; a failed step fails the build.
#include <cstdio>

#include "tools/factory/FactoryArt.h"
#include "tools/factory/FactoryData.h"
#include "tools/factory/FactoryToolbars.h"

namespace {
struct cStep {
  const char* m_pName;
  int (*m_pfnWrite)();
};

const cStep kSteps[] = {
    {"pictures", WriteFactoryArt},
    {"toolbar pictures", WriteFactoryToolbars},
    {"data files", WriteFactoryData},
};
}  // namespace

int main() {
  for (const cStep& step : kSteps)
    if (!step.m_pfnWrite()) {
      std::fprintf(stderr, "factory: the %s could not be written\n", step.m_pName);
      return 1;
    }
  return 0;
}
