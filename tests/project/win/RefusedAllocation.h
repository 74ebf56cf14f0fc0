#pragma once
// The allocations without exceptions of this test program (new (std::nothrow)) are counted down
// while this is above 0; the one that brings it to 0 is refused with null.
extern int g_nRefuseAt;
