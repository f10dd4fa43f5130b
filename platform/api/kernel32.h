// Our declarations of kernel32: tick count, last error, process exit, module and resource
// functions.
#pragma once

#include "platform/api/types.h"

#define ERROR_SUCCESS 0L
#define ERROR_INVALID_FUNCTION 1L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_INVALID_HOOK_HANDLE 1404L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_WINDOW_OF_OTHER_THREAD 1408L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CLASS_DOES_NOT_EXIST 1411L
#define ERROR_CLASS_HAS_WINDOWS 1412L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_TLW_WITH_WSCHILD 1406L
#define ERROR_INVALID_HOOK_FILTER 1426L
#define ERROR_INVALID_FILTER_PROC 1427L
#define ERROR_HOOK_NEEDS_HMOD 1428L
#define ERROR_INVALID_THREAD_ID 1444L
#define ERROR_NO_MORE_ITEMS 259L
#define ERROR_NOT_ENOUGH_QUOTA 1816L

DWORD WINAPI GetTickCount(void);
DWORD WINAPI GetCurrentThreadId(void);
DWORD WINAPI GetCurrentProcessId(void);
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD error);
void WINAPI ExitProcess(UINT exitCode);
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);
void WINAPI Sleep(DWORD milliseconds);

// The program's entry point, called by the layer's main (the win32main library).
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);
