#pragma once
// The blocks the test program holds from operator new, which it replaces: its own code's, and on
// Linux the toolkit's too; Windows' own libraries allocate from heaps of their own.

long liveAllocations();
