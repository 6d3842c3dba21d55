#pragma once
// The program allocates and frees images and grids of a few megabytes on every pass and every
// recovery. glibc's defaults map such blocks afresh (or give the heap's top back) each time, and
// touching fresh pages then costs more than the work done in them (a 512 x 512 recovery faulted
// 3000 pages a run). KeepFreedHeapPages keeps blocks up to 32 MB on the heap and freed memory up
// to 64 MB in the process, so a repeated job reuses pages already touched. Call it first in main.

void KeepFreedHeapPages();
