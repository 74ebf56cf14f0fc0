#pragma once
// Allocations that fail as a machine without memory makes them fail: a test program that uses this
// counts down the allocations without exceptions (new (std::nothrow)) and refuses the chosen one.

// The at-th allocation without exceptions from now on is refused; 0 refuses none.
void RefuseNothrowAllocation(int at);
