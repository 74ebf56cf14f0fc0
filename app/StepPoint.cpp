#include "app/StepPoint.h"

#include <cstdlib>

namespace {
int32_t Trunc(double value) { return static_cast<int32_t>(value); }

// Every sum is rounded to a double before it is tested, so that the cell a substep enters is the
// same whatever precision the processor computes in (the x87 keeps 80 bits).
double Add(double a, double b) {
  volatile double sum = a + b;
  return sum;
}

// Walks the major axis one substep at a time; the minor axis follows by the error term.
int Walk(double& major, double& minor, double majorStep, double minorStep, int32_t majorDistance,
         int32_t minorDistance, double& x, double& y, int32_t targetX, int32_t targetY) {
  int32_t error = majorDistance / 2;
  for (int i = 0; i < 10; ++i) {
    error += minorDistance;
    if (error >= majorDistance) {
      minor = Add(minor, minorStep);
      error -= majorDistance;
    }
    major = Add(major, majorStep);
    if (Trunc(x) == targetX && Trunc(y) == targetY) return 1;
  }
  return 0;
}
}  // namespace

int StepPointToward(double& x, double& y, int32_t targetX, int32_t targetY, double speed) {
  int32_t dx = targetX - Trunc(x);
  int32_t dy = targetY - Trunc(y);
  double stepX = dx >= 0 ? speed * 0.1 : speed * -0.1;
  double stepY = dy >= 0 ? speed * 0.1 : speed * -0.1;
  dx = std::abs(dx);
  dy = std::abs(dy);
  if (dx > dy) return Walk(x, y, stepX, stepY, dx, dy, x, y, targetX, targetY);
  return Walk(y, x, stepY, stepX, dy, dx, x, y, targetX, targetY);
}
