/* Reports how many GDI objects a running process holds.
 *
 *   soak_gui_resources <exe name>   one line per process of that executable name
 *
 * Each line is "<windows pid> <gdi table entries> <GetGuiResources GDI> <GetGuiResources USER>".
 * The table count reads the process's GDI handle table (the one its PEB points
 * to, as on Windows) and counts the entries in use; it is given because some
 * Windows layers answer GetGuiResources with 0 for every process. The helper
 * reads processes of its own bitness only, so it is built like the program it
 * measures. Exit status: 0 ok, 1 a matching process could not be read, 2 no
 * process matched. */
#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>
#include <stddef.h>
#include <stdio.h>

#define GDI_TABLE_ENTRIES 0x10000

/* Wine keeps one table layout for 32-bit and 64-bit processes alike: 64-bit
 * object and user pointers, 24 bytes an entry. */
typedef struct {
    ULONG64 object;
    ULONG owner;
    USHORT instance;
    UCHAR type;
    UCHAR flags;
    ULONG64 user_pointer;
} GdiHandleEntry;
_Static_assert(sizeof(GdiHandleEntry) == 24 && offsetof(GdiHandleEntry, type) == 14, "GDI table entry");

/* Where the 32-bit and the 64-bit PEB hold the table pointer, and the fixed offsets
 * of the 64-bit structures that a 32-bit process under WoW64 also has. */
#define PEB32_GDI_SHARED_HANDLE_TABLE 0x94
#define PEB64_GDI_SHARED_HANDLE_TABLE 0xF8
#define TEB32_GDI_BATCH_COUNT 0xF70
#define TEB64_PEB 0x60

typedef struct {
    NTSTATUS exit_status;
    PVOID teb;
    CLIENT_ID client;
    KAFFINITY affinity;
    LONG priority, base_priority;
} ThreadBasics;
#ifdef _WIN64
_Static_assert(sizeof(ThreadBasics) == 48, "THREAD_BASIC_INFORMATION, 64-bit");
#else
_Static_assert(sizeof(ThreadBasics) == 28 && offsetof(ThreadBasics, teb) == 4, "THREAD_BASIC_INFORMATION, 32-bit");
#endif

static int Read(HANDLE process, ULONG64 address, void* out, SIZE_T size) {
    SIZE_T read = 0;
    return address && address == (ULONG_PTR)address &&
           ReadProcessMemory(process, (const void*)(ULONG_PTR)address, out, size, &read) && read == size;
}

/* The 32-bit TEB of one of the process's threads, or 0. */
static ULONG64 AnyTeb(DWORD pid) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 entry;
    entry.dwSize = sizeof entry;
    ULONG64 teb = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more && !teb; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != pid) continue;
        HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        if (!thread) continue;
        ThreadBasics basic;
        if (NtQueryInformationThread(thread, ThreadBasicInformation, &basic, sizeof basic, NULL) == 0)
            teb = (ULONG_PTR)basic.teb;
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return teb;
}

/* Where the process's GDI handle table is, or 0. A process without WoW64 has
 * it in its own PEB. Under WoW64, Wine fills in only the 64-bit PEB, and its
 * gdi32 reaches that through the 64-bit TEB kept in the 32-bit TEB's
 * GdiBatchCount; this follows the same road. */
static ULONG64 GdiTable(HANDLE process, DWORD pid) {
    BOOL self = FALSE, other = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &self) || !IsWow64Process(process, &other) || self != other) return 0;
    if (other) {
        ULONG teb64 = 0;
        ULONG64 peb64 = 0, table = 0;
        if (Read(process, AnyTeb(pid) + TEB32_GDI_BATCH_COUNT, &teb64, sizeof teb64) &&
            Read(process, (ULONG64)teb64 + TEB64_PEB, &peb64, sizeof peb64) &&
            Read(process, peb64 + PEB64_GDI_SHARED_HANDLE_TABLE, &table, sizeof table))
            return table;
        return 0;
    }
    PROCESS_BASIC_INFORMATION basic;
    PVOID table = NULL;
    const ULONG offset = sizeof table == 8 ? PEB64_GDI_SHARED_HANDLE_TABLE : PEB32_GDI_SHARED_HANDLE_TABLE;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, NULL) != 0 ||
        !Read(process, (ULONG_PTR)basic.PebBaseAddress + offset, &table, sizeof table))
        return 0;
    return (ULONG_PTR)table;
}

/* Entries in use in the process's GDI handle table, or -1. */
static long GdiTableEntries(HANDLE process, DWORD pid) {
    static GdiHandleEntry entries[GDI_TABLE_ENTRIES];
    SIZE_T read = 0;
    ULONG64 table = GdiTable(process, pid);
    if (!table || table != (ULONG_PTR)table ||
        !ReadProcessMemory(process, (const void*)(ULONG_PTR)table, entries, sizeof entries, &read))
        return -1;
    long used = 0;
    for (size_t i = 0; i < read / sizeof entries[0]; ++i)
        if (entries[i].type != 0) ++used;
    return used;
}

static void Report(DWORD pid, HANDLE process) {
    printf("%lu %ld %lu %lu\n", pid, GdiTableEntries(process, pid), GetGuiResources(process, GR_GDIOBJECTS),
           GetGuiResources(process, GR_USEROBJECTS));
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: soak_gui_resources <exe name>\n");
        return 3;
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
