// SPDX-License-Identifier: Apache-2.0
// The native window's controls: kinds, IDs, captions, styles, and where they are in pixels at 96
// and at 144 dots per inch.
#include <gtest/gtest.h>

#include "controls.h"
#include "form/form1_description.h"
#include "loaded_form.h"
#include "window_class.h"
#include "window_text.h"

namespace window_testing {
namespace {

using Form1Layout = LoadedForm;

struct ControlFacts {
  const char* name;
  const wchar_t* className;
  const char16_t* text;
};

constexpr ControlFacts kControls[] = {
    {"Label1", L"Static", u"Area Code"},
    {"Text1", L"Edit", u""},
    {"Combo1", L"ComboBox", u"Select Metro Area"},
    {"Command1", L"Button", u"Where is that area code"},
    {"Command2", L"Button", u"Area Codes in a metro area"},
    {"Command3", L"Button", u"Exit"},
    {"Label2", L"Static", u"Search results"},
    {"Text2", L"Edit", u""},
};

// The ID that other programs find the control named `name` by.
int IdOf(const char* name) { return form::FindControl(name)->id; }

LONG_PTR Style(HWND window) { return ::GetWindowLongPtrW(window, GWL_STYLE); }

bool SameClass(const std::wstring& actual, const wchar_t* expected) {
  return ::CompareStringOrdinal(actual.c_str(), -1, expected, -1, TRUE) == CSTR_EQUAL;
}

TEST_F(Form1Layout, ControlsAreTheSystemsOwnWithTheirIdsAndTexts) {
  HWND window = form->Handle();
  EXPECT_EQ(ClassName(window), window::kForm1ClassName);
  EXPECT_EQ(::FindWindowW(window::kForm1ClassName, L"Vantrel Area Code"), window);
  EXPECT_EQ(window::WindowText(window), u"Vantrel Area Code");
  EXPECT_FALSE(::IsWindowVisible(window));  // loaded, not yet shown
  for (const ControlFacts& control : kControls) {
    HWND handle = ::GetDlgItem(window, IdOf(control.name));
    ASSERT_NE(handle, nullptr) << control.name;
    EXPECT_EQ(handle, Control(control.name)) << control.name;
    EXPECT_TRUE(SameClass(ClassName(handle), control.className)) << control.name;
    EXPECT_EQ(window::WindowText(handle), control.text) << control.name;
    EXPECT_TRUE(::IsWindowEnabled(handle)) << control.name;
    EXPECT_TRUE(Style(handle) & WS_VISIBLE) << control.name;
  }
}

TEST_F(Form1Layout, StylesOfEachKind) {
  const LONG_PTR text1 = Style(Control("Text1"));
  EXPECT_FALSE(text1 & ES_MULTILINE);
  EXPECT_TRUE(text1 & ES_AUTOHSCROLL);
  const LONG_PTR text2 = Style(Control("Text2"));
  EXPECT_TRUE(text2 & ES_MULTILINE);
  EXPECT_TRUE(text2 & ES_AUTOVSCROLL);
  EXPECT_TRUE(text2 & WS_VSCROLL);
  EXPECT_FALSE(text2 & (WS_HSCROLL | ES_AUTOHSCROLL | ES_READONLY));  // wraps, editable
  const LONG_PTR combo = Style(Control("Combo1"));
  EXPECT_EQ(combo & 3, CBS_DROPDOWN);
  EXPECT_FALSE(combo & CBS_SORT);
  EXPECT_NE(window::ComboEditField(Control("Combo1")), nullptr);
  for (const char* button : {"Command1", "Command2", "Command3"}) {
    const LONG_PTR style = Style(Control(button));
    EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << button;  // none is the default button
    EXPECT_TRUE(style & BS_MULTILINE) << button;
    EXPECT_TRUE(style & WS_TABSTOP) << button;
  }
  for (const char* label : {"Label1", "Label2"}) {
    EXPECT_TRUE(Style(Control(label)) & SS_NOPREFIX) << label;
    EXPECT_FALSE(Style(Control(label)) & WS_TABSTOP) << label;
  }
}

struct PixelFacts {
  const char* name;
  RECT at96;
  RECT at144;
};

// left, top, right, bottom; a combo box's closed field.
constexpr PixelFacts kPlaces[] = {
    {"Label1", {56, 24, 137, 57}, {84, 36, 206, 86}},
    {"Text1", {56, 56, 137, 89}, {84, 84, 206, 134}},
    {"Combo1", {176, 56, 289, 77}, {264, 84, 434, 116}},
    {"Command1", {56, 88, 137, 137}, {84, 132, 206, 206}},
    {"Command2", {176, 88, 249, 137}, {264, 132, 374, 206}},
    {"Command3", {288, 88, 361, 137}, {432, 132, 542, 206}},
    {"Label2", {136, 152, 273, 177}, {204, 228, 410, 266}},
    {"Text2", {0, 184, 417, 297}, {0, 276, 626, 446}},
};

void ExpectPlaces(HWND form, bool at144) {
  for (const PixelFacts& place : kPlaces) {
    const RECT expected = at144 ? place.at144 : place.at96;
    const RECT actual = RectInParent(::GetDlgItem(form, IdOf(place.name)));
    EXPECT_EQ(actual.left, expected.left) << place.name;
    EXPECT_EQ(actual.top, expected.top) << place.name;
    EXPECT_EQ(actual.right, expected.right) << place.name;
    EXPECT_EQ(actual.bottom, expected.bottom) << place.name;
  }
}

LONG FontHeight(HWND control) {
  LOGFONTW font{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
  return font.lfHeight;
}

TEST_F(Form1Layout, PlacedAndSizedAt96Dpi) {
  ASSERT_EQ(::GetDpiForWindow(form->Handle()), 96u) << "the test display runs at 96 dpi";
  RECT client{};
  ::GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 417);
  EXPECT_EQ(client.bottom, 302);
  ExpectPlaces(form->Handle(), false);
  EXPECT_EQ(FontHeight(Control("Label1")), -16);    // 12 points
  EXPECT_EQ(FontHeight(Control("Text1")), -18);     // 13.5 points
  EXPECT_EQ(FontHeight(Control("Text2")), -13);     // 9.75 points
  EXPECT_EQ(FontHeight(Control("Command1")), -11);  // the window's default, 8 points
  EXPECT_EQ(FontHeight(Control("Combo1")), -11);
}

TEST_F(Form1Layout, RescaledWhenTheResolutionChanges) {
  form->Show();
  RECT frame{};
  ::GetWindowRect(form->Handle(), &frame);
  RECT suggested = {frame.left, frame.top, frame.left + 700, frame.top + 520};
  ::SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
  ExpectPlaces(form->Handle(), true);
  EXPECT_EQ(FontHeight(Control("Label1")), -24);
  EXPECT_EQ(FontHeight(Control("Text1")), -27);
  EXPECT_EQ(FontHeight(Control("Text2")), -20);
  EXPECT_EQ(FontHeight(Control("Command2")), -16);
  suggested = {frame.left, frame.top, frame.right, frame.bottom};
  ::SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96),
                 reinterpret_cast<LPARAM>(&suggested));
  ExpectPlaces(form->Handle(), false);
  EXPECT_EQ(FontHeight(Control("Text1")), -18);
}

TEST_F(Form1Layout, EnlargingTheWindowMovesNothing) {
  ::SetWindowPos(form->Handle(), nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
  ExpectPlaces(form->Handle(), false);
}

// The captions "Where is that area code" and "Area Codes in a metro area" wrap within their
// buttons, and every line is read whole.
TEST_F(Form1Layout, CaptionsFitWholeInTheirButtons) {
  for (const char* name : {"Command1", "Command2", "Command3"}) {
    HWND button = Control(name);
    RECT room{};
    ::GetClientRect(button, &room);
    ::InflateRect(&room, -3, -3);  // the button's edge and focus frame
    const std::wstring caption = window::Wide(window::WindowText(button));
    HDC context = ::GetDC(button);
    const HGDIOBJ previous =
        ::SelectObject(context, reinterpret_cast<HFONT>(::SendMessageW(button, WM_GETFONT, 0, 0)));
    RECT needed = room;
    ::DrawTextW(context, caption.c_str(), -1, &needed, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    ::SelectObject(context, previous);
    ::ReleaseDC(button, context);
    EXPECT_LE(needed.right - needed.left, room.right - room.left) << name;
    EXPECT_LE(needed.bottom - needed.top, room.bottom - room.top) << name;
  }
}

}  // namespace
}  // namespace window_testing
