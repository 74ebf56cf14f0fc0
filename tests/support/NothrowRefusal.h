#pragma once
// Memory that runs out where the program allocates without exceptions (new (std::nothrow)): a
// program that uses this gets an operator new of its own, which refuses when the test asks.

// The count-th such allocation from now gives null (1: the next one); 0 refuses none.
void RefuseNothrowAllocation(int count);
