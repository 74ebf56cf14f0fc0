#pragma once
// Moves a point with fractional coordinates toward an integer target in small Bresenham steps;
// the stage editor's line tool walks its lines with it.

#include <cstdint>

// Up to ten substeps of speed / 10 along the major axis; 1 once the point's truncated coordinates
// are the target, 0 when it has not arrived yet.
int StepPointToward(double& x, double& y, int32_t targetX, int32_t targetY, double speed);
