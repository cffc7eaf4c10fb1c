/* Reports how many GDI objects a running process holds.
 *
 *   soak_gui_resources <exe name>   one line per process of that executable name
 *   soak_gui_resources --self N     this process, before and after leaking N display DCs
 *
 * Each line is "<windows pid> <gdi table entries> <GetGuiResources GDI> <GetGuiResources USER>".
 * The table count reads the process's GDI handle table (the one its PEB points
 * to, as on Windows) and counts the entries in use; it is given because some
 * Windows layers answer GetGuiResources with 0 for every process. Exit status:
 * 0 ok, 1 a matching process could not be read, 2 no process matched. */
#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define GDI_TABLE_ENTRIES 0x10000

typedef struct {
    ULONG64 object;
    ULONG owner;
    USHORT instance;
    UCHAR type;
    UCHAR flags;
    ULONG64 user_pointer;
} GdiHandleEntry;

typedef NTSTATUS(NTAPI* QueryInformationProcess)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

/* Entries in use in the process's GDI handle table, or -1. */
static long GdiTableEntries(HANDLE process) {
    static QueryInformationProcess query;
    if (!query)
        query = (QueryInformationProcess)(void*)GetProcAddress(GetModuleHandleA("ntdll.dll"),
                                                                "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic;
    ULONG length = 0;
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return -1;
    ULONG64 table = 0;
    SIZE_T read = 0;
    /* PEB.GdiSharedHandleTable of a 64-bit process. */
    if (!ReadProcessMemory(process, (const char*)basic.PebBaseAddress + 0xF8, &table, sizeof table, &read) ||
        read != sizeof table || !table)
        return -1;
    static GdiHandleEntry entries[GDI_TABLE_ENTRIES];
    if (!ReadProcessMemory(process, (const void*)(ULONG_PTR)table, entries, sizeof entries, &read)) return -1;
    long used = 0;
    for (size_t i = 0; i < read / sizeof entries[0]; ++i)
        if (entries[i].type != 0) ++used;
    return used;
}

static void Report(DWORD pid, HANDLE process) {
    printf("%lu %ld %lu %lu\n", pid, GdiTableEntries(process), GetGuiResources(process, GR_GDIOBJECTS),
           GetGuiResources(process, GR_USEROBJECTS));
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: soak_gui_resources <exe name> | --self N\n");
        return 3;
    }
    if (strcmp(argv[1], "--self") == 0) {
        Report(GetCurrentProcessId(), GetCurrentProcess());
        int leaks = argc > 2 ? atoi(argv[2]) : 0;
        for (int i = 0; i < leaks; ++i) CreateCompatibleBitmap(CreateDCA("DISPLAY", NULL, NULL, NULL), 8, 8);
        Report(GetCurrentProcessId(), GetCurrentProcess());
        return 0;
    }
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 1;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    int found = 0, failed = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, argv[1]) != 0) continue;
        found = 1;
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID);
        if (!process) {
            printf("%lu open-failed %lu\n", entry.th32ProcessID, GetLastError());
            failed = 1;
            continue;
        }
        Report(entry.th32ProcessID, process);
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    fflush(stdout);
    return failed ? 1 : found ? 0 : 2;
}
