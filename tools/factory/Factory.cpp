// Writes the factory project into the working folder: what a new project starts from, its pictures
// in bmp\ and its data files in default\. Each step writes one part; a failed step fails the build.
#include <cstdio>

#include "tools/factory/FactoryArt.h"
#include "tools/factory/FactoryData.h"

namespace {
struct cStep {
  const char* m_pName;
  int (*m_pfnWrite)();
};

const cStep kSteps[] = {
    {"pictures", WriteFactoryArt},
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
