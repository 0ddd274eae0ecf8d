// SPDX-License-Identifier: Apache-2.0
// The baseline of the start-up benchmark under Windows: a native window of the program's client
// size showing one label in the program's dialog font, and nothing else.
#include "windows_api.h"

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// Named as the system headers declare it.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int nShowCmd) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = hInstance;
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"MinimalNativeWindow";
  RegisterClassW(&windowClass);

  constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
  RECT frame{0, 0, 417, 302};  // the program's client area at 96 dpi
  AdjustWindowRect(&frame, kStyle, FALSE);
  HWND window = CreateWindowW(L"MinimalNativeWindow", L"Minimal", kStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, hInstance, nullptr);
  HWND label = CreateWindowW(L"STATIC", L"Area Code", WS_CHILD | WS_VISIBLE, 16, 16, 120, 20,
                             window, nullptr, hInstance, nullptr);
  // 8 points at 96 dpi; the label measures and draws its text with it, as the form's do.
  HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, L"Microsoft Sans Serif");
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  ShowWindow(window, nShowCmd);
  UpdateWindow(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(font);
  return static_cast<int>(message.wParam);
}
