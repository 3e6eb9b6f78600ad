// Handing a document or web address to the desktop, as the classic shell call does.
#pragma once

#include "forms.h"

#include <cstdint>
#include <functional>

struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_RESTORE = 9;

// Result codes at or below 32 mean failure.
inline constexpr int SE_ERR_FNF = 2;
inline constexpr int SE_ERR_ACCESSDENIED = 5;
inline constexpr int SE_ERR_NOASSOC = 31;

// For "open" (or no operation), hands File to the desktop's default handler: xdg-open, started
// directly with File as its one argument, never through a shell. Returns a value above 32 when
// the handler was started, SE_ERR_NOASSOC when there is none, SE_ERR_FNF for an empty File and
// SE_ERR_ACCESSDENIED for a File that the handler would take for an option.
HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile, const char* lpParameters,
                        const char* lpDirectory, int nShowCmd);

// What ShellExecuteA does with its arguments. Tests put a recorder in its place; the previous
// handler is returned so that it can be put back.
using ShellHandler = std::function<int(HWND, const char*, const char*, const char*, const char*, int)>;
ShellHandler SetShellHandler(ShellHandler handler);

// The desktop's handler itself, the default ShellHandler.
int OpenWithDesktop(HWND hwnd, const char* operation, const char* file, const char* parameters,
                    const char* directory, int show);

inline std::intptr_t ShellResult(HINSTANCE result) { return reinterpret_cast<std::intptr_t>(result); }
