// SPDX-License-Identifier: Apache-2.0
// Reads what another program's windows show, for the end-to-end tests under wine: texts through
// WM_GETTEXT (also a message box's, which cannot be copied), the focused control, rectangles in
// pixels; waits, bounded, for a window or a text; closes a window or presses a dialog's button.
#include "windows_api.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "form/form1_description.h"

namespace {

constexpr DWORD kPollMilliseconds = 20;
constexpr double kDefaultWaitSeconds = 10.0;

const char kUsage[] =
    "usage: window_probe COMMAND ...\n"
    "  dpi                                    the screen's dots per inch\n"
    "  list                                   every visible top-level window\n"
    "  wait CLASS TITLE [SECONDS]             until a visible window of CLASS and TITLE is there\n"
    "  gone CLASS TITLE [SECONDS]             until none is\n"
    "  text CLASS TITLE [CONTROL]             the window's or a control's text, UTF-8\n"
    "  wait-some-text CLASS TITLE CONTROL [SECONDS]   until the control has a text, then that\n"
    "  wait-text CLASS TITLE CONTROL EXPECTED [SECONDS]   until the text is EXPECTED (- reads it\n"
    "                                         from standard input, UTF-8)\n"
    "  focus CLASS TITLE                      the control that has the keyboard focus: its name\n"
    "                                         in the form description, else its ID\n"
    "  wait-focus CLASS TITLE CONTROL [SECONDS]\n"
    "  rect CLASS TITLE [CONTROL]             the client area's L T W H on the screen, or a\n"
    "                                         control's in the client area\n"
    "  item-point CLASS TITLE INDEX           the screen point X Y of a list box's item (from 0)\n"
    "  close-box CLASS TITLE                  the screen point X Y of the frame's close box\n"
    "  press CLASS TITLE CONTROL              clicks a button, as its dialog hears it\n"
    "  close CLASS TITLE                      asks the window to close (WM_CLOSE)\n"
    "  hold FILE                              holds FILE open without sharing it until standard\n"
    "                                         input ends\n"
    "CLASS * matches any class; CONTROL is a control ID, the name of a control of the form\n"
    "description (Text1, by its ID there), or the class of the first such child (with text, if\n"
    "any has). Status 0 on success, 1 when a wait timed out or nothing matched.\n";

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
  return utf8;
}

// Bytes as they are: the console's code page would change the text's characters.
void Write(const std::string& bytes) {
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

std::string ReadStandardInput() {
  std::string bytes;
  char buffer[4096];
  DWORD count = 0;
  while (::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &count, nullptr) &&
         count > 0) {
    bytes.append(buffer, count);
  }
  return bytes;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, 256);
  return name;
}

// Through WM_GETTEXT, which the owning program answers itself: a control's whole text, also of
// an edit control in another process, where GetWindowText would give only the cached caption.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied);
  return text;
}

// A top-level window's caption as the system keeps it: asked without waiting for a program that
// is busy (a lookup may read a gibibyte before it answers again).
std::wstring CaptionOf(HWND window) {
  wchar_t caption[512] = {};
  ::GetWindowTextW(window, caption, 512);
  return caption;
}

struct Search {
  std::wstring className;
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!::IsWindowVisible(window)) return TRUE;
  if (search->className != L"*" && ::_wcsicmp(ClassOf(window).c_str(), search->className.c_str())) {
    return TRUE;
  }
  if (CaptionOf(window) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTopLevel(const std::string& className, const std::string& title) {
  Search search{Wide(className), Wide(title)};
  ::EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK ListTopLevel(HWND window, LPARAM) {
  if (!::IsWindowVisible(window)) return TRUE;
  RECT rect{};
  ::GetWindowRect(window, &rect);
  char position[96];
  std::snprintf(position, sizeof position, "%p %ld %ld %ld %ld ", static_cast<void*>(window),
                rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  Write(position + Utf8(ClassOf(window)) + " \"" + Utf8(CaptionOf(window)) + "\"\n");
  return TRUE;
}

std::optional<int> Number(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  return std::stoi(text);
}

// A control's ID, given as such or by the name of a control of the form description.
std::optional<int> ControlId(const std::string& text) {
  if (const form::ControlDescription* control = form::FindControl(text)) return control->id;
  return Number(text);
}

// The name of the form's control with the ID `id`, else the ID.
std::string ControlName(int id) {
  const form::ControlDescription* control = form::FindControl(id);
  return control != nullptr ? std::string(control->name) : std::to_string(id);
}

HWND FindControl(HWND parent, const std::string& control) {
  if (const std::optional<int> id = ControlId(control)) return ::GetDlgItem(parent, *id);
  const std::wstring className = Wide(control);
  HWND first = nullptr;
  for (HWND child = ::FindWindowExW(parent, nullptr, className.c_str(), nullptr); child != nullptr;
       child = ::FindWindowExW(parent, child, className.c_str(), nullptr)) {
    if (first == nullptr) first = child;
    if (!TextOf(child).empty()) return child;
  }
  return first;
}

// The control of `top` that holds the focus or holds the child that does (a combo box's edit
// field has an ID of its own).
std::optional<int> FocusedControl(HWND top) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(top, nullptr), &info)) return std::nullopt;
  HWND window = info.hwndFocus;
  while (window != nullptr && ::GetParent(window) != top) window = ::GetParent(window);
  if (window == nullptr) return std::nullopt;
  return ::GetDlgCtrlID(window);
}

template <typename Done>
bool WaitFor(double seconds, Done done) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000.0);
  for (;;) {
    if (done()) return true;
    if (::GetTickCount64() >= end) return false;
    ::Sleep(kPollMilliseconds);
  }
}

double SecondsArgument(const std::vector<std::string>& args, std::size_t index) {
  return args.size() > index ? std::stod(args[index]) : kDefaultWaitSeconds;
}

// A window's client area on the screen, or a control's rectangle in its window's client area.
std::string RectText(HWND window, HWND parent) {
  RECT rect{};
  if (parent == nullptr) {
    ::GetClientRect(window, &rect);
    ::MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
  } else {
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  char text[64];
  std::snprintf(text, sizeof text, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
  return text;
}

// The screen point at the middle of the frame's close box, as the window itself tells it by hit
// testing: the frame is drawn by the system, its buttons' places are nowhere else to be read.
// Hit tests go to the other program one by one, so only one row and one column are tried.
std::optional<POINT> CloseBox(HWND window) {
  RECT frame{};
  ::GetWindowRect(window, &frame);
  POINT client{0, 0};
  ::ClientToScreen(window, &client);
  const auto isClose = [window](LONG x, LONG y) {
    DWORD_PTR hit = HTNOWHERE;
    ::SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &hit);
    return hit == HTCLOSE;
  };
  // Across the caption's middle, from its right end, where the caption's buttons sit.
  const LONG row = (frame.top + client.y) / 2;
  LONG right = frame.right - 1;
  const LONG stop = std::max(frame.left, frame.right - 120);
  while (right >= stop && !isClose(right, row)) --right;
  if (right < stop) return std::nullopt;
  LONG left = right;
  while (left > stop && isClose(left - 1, row)) --left;
  const LONG column = (left + right) / 2;
  LONG top = row;
  while (top > frame.top && isClose(column, top - 1)) --top;
  LONG bottom = row;
  while (bottom + 1 < client.y && isClose(column, bottom + 1)) ++bottom;
  return POINT{column, (top + bottom) / 2};
}

int Fail(const std::string& why) {
  std::fputs(("window_probe: " + why + "\n").c_str(), stderr);
  return 1;
}

// The commands that work on one window, found by class and title.
int OnWindow(const std::string& command, const std::vector<std::string>& args) {
  const std::string& className = args[1];
  const std::string& title = args[2];
  if (command == "wait" || command == "gone") {
    const bool present = command == "wait";
    if (WaitFor(SecondsArgument(args, 3),
                [&] { return (FindTopLevel(className, title) != nullptr) == present; })) {
      return 0;
    }
    return Fail("timed out: " + command + " " + className + " \"" + title + "\"");
  }
  const HWND top = FindTopLevel(className, title);
  if (top == nullptr) return Fail("no visible window " + className + " \"" + title + "\"");
  if (command == "item-point" && args.size() == 4 && Number(args[3])) {
    // A list box's items are all of one height, from its top index down.
    const auto ask = [top](UINT message) {
      DWORD_PTR answer = 0;
      ::SendMessageTimeoutW(top, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
      return static_cast<LONG>(answer);
    };
    const LONG height = ask(LB_GETITEMHEIGHT);
    const LONG row = *Number(args[3]) - ask(LB_GETTOPINDEX);
    RECT client{};
    ::GetClientRect(top, &client);
    POINT point{client.right / 2, row * height + height / 2};
    if (height <= 0 || row < 0 || point.y >= client.bottom) return Fail("item not in sight");
    ::ClientToScreen(top, &point);
    Write(std::to_string(point.x) + " " + std::to_string(point.y) + "\n");
    return 0;
  }
  const std::string control = args.size() > 3 ? args[3] : std::string();
  const HWND target = control.empty() ? top : FindControl(top, control);
  if (target == nullptr) return Fail("no control " + control);

  if (command == "text") {
    Write(Utf8(TextOf(target)));
  } else if (command == "wait-some-text") {
    // A dialog may be on the screen before its controls' texts are set.
    std::wstring text;
    if (!WaitFor(SecondsArgument(args, 4), [&] {
          const HWND now = FindControl(top, control);
          text = now != nullptr ? TextOf(now) : std::wstring();
          return !text.empty();
        })) {
      return Fail("timed out waiting for a text in " + control);
    }
    Write(Utf8(text));
  } else if (command == "wait-text" && args.size() >= 5) {
    const std::wstring expected = Wide(args[4] == "-" ? ReadStandardInput() : args[4]);
    if (!WaitFor(SecondsArgument(args, 5), [&] { return TextOf(target) == expected; })) {
      Write(Utf8(TextOf(target)));
      return Fail("timed out waiting for the text of " + control);
    }
  } else if (command == "focus") {
    const std::optional<int> id = FocusedControl(top);
    if (!id) return Fail("no control has the focus");
    Write(ControlName(*id) + "\n");
  } else if (command == "wait-focus" && ControlId(control)) {
    const int wanted = *ControlId(control);
    if (!WaitFor(SecondsArgument(args, 4), [&] { return FocusedControl(top) == wanted; })) {
      return Fail("timed out waiting for the focus in " + control);
    }
  } else if (command == "rect") {
    Write(RectText(target, target == top ? nullptr : top));
  } else if (command == "press" && target != top) {
    // Posted: the dialog's answer may open another window or end its program.
    ::PostMessageW(top, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(target), BN_CLICKED),
                   reinterpret_cast<LPARAM>(target));
  } else if (command == "close-box") {
    const std::optional<POINT> point = CloseBox(top);
    if (!point) return Fail("the window has no close box");
    Write(std::to_string(point->x) + " " + std::to_string(point->y) + "\n");
  } else if (command == "close") {
    ::PostMessageW(top, WM_CLOSE, 0, 0);
  } else {
    return Fail("bad command\n" + std::string(kUsage));
  }
  return 0;
}

// Holds a file open without sharing it, as another program may, until standard input ends.
int Hold(const std::string& name) {
  const HANDLE file = ::CreateFileW(Wide(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Fail("cannot open " + name);
  Write("held\n");
  ReadStandardInput();
  ::CloseHandle(file);
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Fail(kUsage);
  if (args[0] == "dpi") {
    const HDC screen = ::GetDC(nullptr);
    Write(std::to_string(::GetDeviceCaps(screen, LOGPIXELSX)) + "\n");
    ::ReleaseDC(nullptr, screen);
    return 0;
  }
  if (args[0] == "hold" && args.size() == 2) return Hold(args[1]);
  if (args[0] == "list") {
    ::EnumWindows(ListTopLevel, 0);
    return 0;
  }
  if (args.size() < 3) return Fail(kUsage);
  return OnWindow(args[0], args);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  // Sizes in pixels of the screen, not scaled for a program that is not DPI aware.
  ::SetProcessDPIAware();
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8(argv[i]));
  try {
    return Run(args);
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
}
