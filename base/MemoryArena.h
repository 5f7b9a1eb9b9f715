#pragma once

// Makes every thread of the process allocate from one heap. A run reads on
// one thread and converts on another; with a heap of its own each thread
// reserves address space in large blocks, and under a limit on the process's
// address space (ulimit -v) those reservations fail over and over, each
// failure costing a system call: a 300,000-row list then takes many times
// as long. Called first thing in main, before any thread starts.
void UseOneMemoryArena();
