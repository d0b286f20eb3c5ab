#pragma once
// The blocks this test program's own code holds from operator new, which it replaces; the
// system's libraries allocate from heaps of their own.

long liveAllocations();
