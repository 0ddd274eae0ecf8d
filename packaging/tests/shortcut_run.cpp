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
#include <string_view>
#include <vector>

#include "form/form1_description.h"
#include "window_class.h"

namespace {

constexpr DWORD kStartMs = 20000;
constexpr UINT kReplyMs = 10000;

// The form's texts are plain ASCII.
std::wstring Wide(std::string_view text) { return std::wstring(text.begin(), text.end()); }

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
  bool box;
  HWND found;
};

// The process's first visible top-level window titled as the form: a message box (`box`), or
// its main window.
HWND ShownWindowOf(DWORD process, bool box) {
  Search search{process, box, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the call's data is the pointer it was given
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t title[64] = {};
        GetWindowTextW(window, title, 64);
        if (owner != s->process || !IsWindowVisible(window) ||
            title != Wide(form::kForm1.caption) ||
            ClassOf(window) != (s->box ? L"#32770" : window::kForm1ClassName)) {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Polls until `ready` holds, the process ends or the time is up.
template <typename Ready>
void WaitFor(HANDLE process, Ready ready) {
  const ULONGLONG deadline = GetTickCount64() + kStartMs;
  while (!ready() && WaitForSingleObject(process, 20) == WAIT_TIMEOUT &&
         GetTickCount64() < deadline) {
  }
}

std::vector<HWND> ControlsOf(HWND window) {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    controls.push_back(child);
  }
  return controls;
}

// A control of the form, by the ID the window gives it.
HWND ControlOf(HWND window, std::string_view name) {
  return GetDlgItem(window, form::FindControl(name)->id);
}

void Press(HWND window, HWND button) {
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

std::wstring BoxFailure(HWND box) {
  std::wstring texts;
  for (HWND control : ControlsOf(box)) texts += L" " + TextOf(control);
  return L"the program showed a message box:" + texts;
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
  const DWORD id = process.dwProcessId;
  HWND window = nullptr;
  HWND box = nullptr;
  WaitFor(process.hProcess, [&] {
    window = ShownWindowOf(id, false);
    box = ShownWindowOf(id, true);
    return window != nullptr || box != nullptr;
  });
  HWND entry = ControlOf(window, "Text1");
  HWND results = ControlOf(window, "Text2");
  HWND lookUp = ControlOf(window, "Command1");
  HWND exit = ControlOf(window, "Command3");
  int status = 0;
  if (box != nullptr) {
    status = Fail(BoxFailure(box));
  } else if (window == nullptr) {
    status = Fail(L"the program showed no window");
  } else if (entry == nullptr || results == nullptr || lookUp == nullptr || exit == nullptr) {
    status = Fail(L"the window lacks the code entry, the results box or a button");
  } else {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(code), SMTO_ABORTIFHUNG,
                        kReplyMs, &ignored);
    Press(window, lookUp);
    std::wstring result;
    WaitFor(process.hProcess, [&] {
      result = TextOf(results);
      box = ShownWindowOf(id, true);
      return !result.empty() || box != nullptr;
    });
    Print(L"result " + result);
    if (box != nullptr) status = Fail(BoxFailure(box));
  }
  if (status == 0) Press(window, exit);
  if (WaitForSingleObject(process.hProcess, status == 0 ? kStartMs : 0) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 99);
    if (status == 0) status = Fail(L"the program did not end");
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
