#pragma once
// What another process holds, as the probes print it.
#include <windows.h>
#include <psapi.h>

struct ProcessMemory {
    SIZE_T privateBytes = 0;
    SIZE_T workingSet = 0;
};

inline ProcessMemory processMemory(HANDLE process) {
    ProcessMemory memory;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
        // Wine leaves PrivateUsage empty; the commit charge is the same figure on Windows.
        memory.privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
        memory.workingSet = counters.WorkingSetSize;
    }
    return memory;
}
