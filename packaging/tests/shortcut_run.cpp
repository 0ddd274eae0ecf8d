// SPDX-License-Identifier: Apache-2.0
// Test helper: reads a shortcut (.lnk) through the shell and, given an area code, starts its
// program as the shortcut does, looks the code up through the window's controls and presses
// "Exit". Prints "target", "folder", then "result" and "status", one a line, in UTF-8.
//
// Usage: shortcut_run SHORTCUT [CODE]
#include "windows_api.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kStartMs = 20000;
constexpr UINT kReplyMs = 10000;

void Print(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  bytes += '\n';
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

int Fail(const std::wstring& why) {
  Print(L"FAIL: " + why);
  return 1;
}

struct Shortcut {
  std::wstring target;
  std::wstring arguments;
  std::wstring folder;
};

bool ReadShortcut(const wchar_t* path, Shortcut& shortcut) {
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  IPersistFile* file = nullptr;
  bool read = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
              SUCCEEDED(file->Load(path, STGM_READ));
  std::vector<wchar_t> text(32768);
  const int size = static_cast<int>(text.size());
  read = read && SUCCEEDED(link->GetPath(text.data(), size, nullptr, SLGP_RAWPATH));
  shortcut.target = text.data();
  read = read && SUCCEEDED(link->GetArguments(text.data(), size));
  shortcut.arguments = text.data();
  read = read && SUCCEEDED(link->GetWorkingDirectory(text.data(), size));
  shortcut.folder = text.data();
  if (file != nullptr) file->Release();
  link->Release();
  return read;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// A control's text asked of its own thread, as WM_GETTEXT does across processes.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyMs, &length);
  std::vector<wchar_t> text(length + 1);
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kReplyMs, &copied);
  return std::wstring(text.data(), copied);
}

struct Search {
  DWORD process;
  HWND found;
};

// The process's first visible top-level window: its main window, or a message box.
HWND ShownWindowOf(DWORD process) {
  Search search{process, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->process || !IsWindowVisible(window)) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ControlsOf(HWND window) {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    controls.push_back(child);
  }
  return controls;
}

HWND ButtonOf(HWND window, const std::wstring& caption) {
  for (HWND control : ControlsOf(window)) {
    if (CompareStringOrdinal(ClassOf(control).c_str(), -1, L"Button", -1, TRUE) == CSTR_EQUAL &&
        TextOf(control) == caption) {
      return control;
    }
  }
  return nullptr;
}

// The single-line edit field (the code entry) or the multi-line one (the results box).
HWND EditOf(HWND window, bool multiLine) {
  for (HWND control : ControlsOf(window)) {
    const bool isMultiLine = (GetWindowLongPtrW(control, GWL_STYLE) & ES_MULTILINE) != 0;
    if (CompareStringOrdinal(ClassOf(control).c_str(), -1, L"Edit", -1, TRUE) == CSTR_EQUAL &&
        isMultiLine == multiLine) {
      return control;
    }
  }
  return nullptr;
}

void Press(HWND window, HWND button, bool wait) {
  const WPARAM command = MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED);
  if (wait) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_COMMAND, command, reinterpret_cast<LPARAM>(button),
                        SMTO_ABORTIFHUNG, kReplyMs, &ignored);
  } else {
    PostMessageW(window, WM_COMMAND, command, reinterpret_cast<LPARAM>(button));
  }
}

int LookUp(const Shortcut& shortcut, const wchar_t* code) {
  std::wstring commandLine = L"\"" + shortcut.target + L"\" " + shortcut.arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(shortcut.target.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, shortcut.folder.empty() ? nullptr : shortcut.folder.c_str(),
                      &startup, &process)) {
    return Fail(L"the shortcut's program did not start");
  }
  CloseHandle(process.hThread);
  HWND window = nullptr;
  const ULONGLONG deadline = GetTickCount64() + kStartMs;
  while ((window = ShownWindowOf(process.dwProcessId)) == nullptr &&
         WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT && GetTickCount64() < deadline) {
  }
  int status = 0;
  if (window == nullptr) {
    status = Fail(L"the program showed no window");
  } else if (ClassOf(window) == L"#32770") {
    std::wstring box;
    for (HWND control : ControlsOf(window)) box += L" " + TextOf(control);
    status = Fail(L"the program showed a message box:" + box);
  } else {
    HWND entry = EditOf(window, false);
    HWND results = EditOf(window, true);
    HWND lookUp = ButtonOf(window, L"Where is that area code");
    HWND exit = ButtonOf(window, L"Exit");
    if (entry == nullptr || results == nullptr || lookUp == nullptr || exit == nullptr) {
      status = Fail(L"the window lacks the code entry, the results box or a button");
    } else {
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(code), SMTO_ABORTIFHUNG,
                          kReplyMs, &ignored);
      Press(window, lookUp, true);
      Print(L"result " + TextOf(results));
      Press(window, exit, false);
    }
  }
  if (WaitForSingleObject(process.hProcess, kStartMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    status = Fail(L"the program did not end");
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  Print(L"status " + std::to_wstring(exitCode));
  return status;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 2 || argc > 3) {
    Print(L"usage: shortcut_run SHORTCUT [CODE]");
    return 2;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return Fail(L"no COM");
  Shortcut shortcut;
  const bool read = ReadShortcut(argv[1], shortcut);
  int status = read ? 0 : Fail(L"cannot read the shortcut");
  if (read) {
    Print(L"target " + shortcut.target);
    Print(L"folder " + shortcut.folder);
    if (argc == 3) status = LookUp(shortcut, argv[2]);
  }
  CoUninitialize();
  return status;
}
