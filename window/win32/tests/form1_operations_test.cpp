// SPDX-License-Identifier: Apache-2.0
// The native window's four operations, its lookups, how it ends, and its fatal-error report.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "failing_allocation.h"
#include "form/windows_1252.h"
#include "loaded_form.h"
#include "window_text.h"

namespace window_testing {
namespace {

using Form1Operations = LoadedForm;

// Every byte that has a printable character, 0x80 to 0x9F among them: the euro sign, the
// curly quotes and the five bytes that Windows-1252 leaves undefined.
std::string PrintableBytes() {
  std::string bytes =
      "Montr\xE9"
      "al \x80 ";
  for (int byte = 0x20; byte < 0x100; ++byte) {
    if (byte != 0x7F) bytes.push_back(static_cast<char>(byte));
  }
  return bytes;
}

std::u16string ComboItem(HWND combo, int index) {
  const auto length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
  ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(item.data()));
  item.resize(static_cast<std::size_t>(length));
  return window::Utf16(item);
}

TEST_F(Form1Operations, Windows1252TextGoesThroughEveryOperationUnchanged) {
  const std::string bytes = PrintableBytes();
  const std::u16string text = form::FromFileBytes(bytes);
  ASSERT_EQ(text.substr(0, 10), u"Montr\u00E9al \u20AC");
  ASSERT_NE(text.find(u"\u201C\u201D"), std::u16string::npos);  // 0x93 0x94

  form->ShowResult(bytes);
  EXPECT_EQ(Results(), text);
  window::SetText(Control("Text1"), text);
  EXPECT_EQ(form->EntryText(), bytes);
  window::SetText(Control("Combo1"), text);
  EXPECT_EQ(form->MetroSelection(), bytes);
  form->AddMetroName(bytes);
  HWND combo = Control("Combo1");
  const auto count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(ComboItem(combo, count - 1), text);
}

TEST_F(Form1Operations, CharactersWithoutAByte) {
  window::SetText(Control("Text1"), u"2\u03A912");
  EXPECT_EQ(form->EntryText(), "2?12");  // stops the number there
  window::SetText(Control("Combo1"), u"Boise \u03A9");
  EXPECT_EQ(form->MetroSelection(), std::nullopt);
}

TEST_F(Form1Operations, NulInAResultHidesNothingAfterIt) {
  using namespace std::string_literals;
  form->ShowResult("NY   Nul\0City\0"s);
  EXPECT_EQ(Results(), u"NY   Nul City ");
}

TEST_F(Form1Operations, MetroListIsTheFileInOrder) {
  HWND combo = Control("Combo1");
  ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 5);
  EXPECT_EQ(ComboItem(combo, 0), u"New York City      ");
  EXPECT_EQ(ComboItem(combo, 1), u"Boise");
  EXPECT_EQ(ComboItem(combo, 2), u"");
  EXPECT_EQ(ComboItem(combo, 3), u"New York City      ");
  EXPECT_EQ(ComboItem(combo, 4), u"Z\u00FCrich \u20AC \u0178");
  EXPECT_EQ(window::WindowText(combo), u"Select Metro Area");
  EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(Form1Operations, LongMetroListIsWholeAndScrollsToItsEnd) {
  // Past several reservations of the list's storage, and one item more than a power of two.
  constexpr int kLines = 1025;
  std::string metro;
  for (int line = 0; line < kLines; ++line) metro += "Metro " + std::to_string(line) + "\r\n";
  folder.Write("metro.txt", metro);
  ASSERT_TRUE(Load());
  form->Show();
  Pump(*form);
  HWND combo = Control("Combo1");
  ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), kLines);
  for (const int index : {0, 63, 64, 65, 1023, 1024}) {
    EXPECT_EQ(ComboItem(combo, index), u"Metro " + window::Utf16(std::to_wstring(index)));
  }
  // Drawn again after the fill, with a scroll bar for the whole list.
  EXPECT_TRUE(::IsWindowVisible(combo));
  ::SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_RANGE;
  ASSERT_TRUE(::GetScrollInfo(info.hwndList, SB_VERT, &scroll));
  EXPECT_EQ(scroll.nMax, kLines - 1);
  ::SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(Form1Operations, LongResultWrapsAtWordsAndScrolls) {
  std::string words;
  while (words.size() < 3000) words += "Sample City, ";
  form->Show();
  form->ShowResult(words);
  HWND results = Control("Text2");
  const auto lines = ::SendMessageW(results, EM_GETLINECOUNT, 0, 0);
  RECT client{};
  ::GetClientRect(results, &client);
  TEXTMETRICW metrics{};
  HDC context = ::GetDC(results);
  const HGDIOBJ previous =
      ::SelectObject(context, reinterpret_cast<HFONT>(::SendMessageW(results, WM_GETFONT, 0, 0)));
  ::GetTextMetricsW(context, &metrics);
  ::SelectObject(context, previous);
  ::ReleaseDC(results, context);
  EXPECT_GT(lines, client.bottom / metrics.tmHeight);
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_ALL;
  ASSERT_TRUE(::GetScrollInfo(results, SB_VERT, &scroll));
  EXPECT_GT(scroll.nMax - scroll.nMin + 1, static_cast<int>(scroll.nPage));
  EXPECT_FALSE(::GetWindowLongPtrW(results, GWL_STYLE) & WS_HSCROLL);
  // Lines break after a word.
  for (WPARAM line = 1; line < 4; ++line) {
    const auto start = ::SendMessageW(results, EM_LINEINDEX, line, 0);
    ASSERT_GT(start, 0);
    EXPECT_EQ(words.at(static_cast<std::size_t>(start) - 1), ' ') << line;
  }
  ::SendMessageW(results, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_GT(::SendMessageW(results, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(Form1Operations, ResultIsOnTheScreenAtOnce) {
  form->Show();
  Pump(*form);
  form->ShowResult("NY   New York City");
  // Painted before the operation returned: nothing of the box waits to be drawn.
  EXPECT_FALSE(::GetUpdateRect(Control("Text2"), nullptr, FALSE));
}

TEST_F(Form1Operations, ButtonsRunTheLookups) {
  LookUp(u"212");
  EXPECT_EQ(Results(), u"NY   New York City, Manhattan");
  LookUp(u"514");
  EXPECT_EQ(Results(), u"QC   Montr\u00E9al");
  LookUp(u"abc");
  EXPECT_EQ(Results(), u"Not a valid area code.  Please try again");
  EXPECT_EQ(window::WindowText(Control("Text1")), u"abc");  // the entry is never rewritten
  ::SendMessageW(Control("Combo1"), CB_SETCURSEL, 0, 0);
  Click("Command2");
  EXPECT_EQ(Results(), u"New York City      212 332 646");
  ::SendMessageW(Control("Combo1"), CB_SETCURSEL, 4, 0);
  Click("Command2");
  EXPECT_EQ(Results(), u"Z\u00FCrich \u20AC \u0178");
  EXPECT_TRUE(reports.empty());
  EXPECT_FALSE(form->EndStatus());
}

TEST_F(Form1Operations, ExitEndsWithStatusZero) {
  form->Show();
  Click("Command3");
  EXPECT_EQ(form->EndStatus(), 0);
  EXPECT_EQ(form->Handle(), nullptr);
  EXPECT_EQ(::FindWindowW(L"VantrelForm1", nullptr), nullptr);
}

TEST_F(Form1Operations, CloseBoxEndsWithStatusZero) {
  form->Show();
  ::SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump(*form);
  EXPECT_EQ(form->EndStatus(), 0);
  EXPECT_EQ(::FindWindowW(L"VantrelForm1", nullptr), nullptr);
}

TEST_F(Form1Operations, MissingDirectoryIsReportedAndEndsWithStatusOne) {
  std::filesystem::remove("cities.txt");
  LookUp(u"abc");  // an invalid entry opens no file
  EXPECT_TRUE(reports.empty());
  LookUp(u"212");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].number, lookup::ErrorNumber::kFileNotFound);
  EXPECT_EQ(reports[0].description, u"File not found");
  const std::u16string current = window::Utf16(std::filesystem::current_path().wstring());
  EXPECT_EQ(reports[0].detail, u"\"cities.txt\" was not found in " + current + u".");
  EXPECT_EQ(form->EndStatus(), 1);
  EXPECT_EQ(form->Handle(), nullptr);
}

// An error while the window handles a message of the system, here fonts that cannot be made for a
// new resolution, ends the program as an error of an event procedure does; nothing of it unwinds
// into the system that sent the message.
TEST_F(Form1Operations, ErrorInAMessageHandlerIsReportedAndEndsWithStatusOne) {
  form->Show();
  Pump(*form);
  RECT frame{};
  ::GetWindowRect(form->Handle(), &frame);
  FailNextAllocation();
  ::SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&frame));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].number, lookup::ErrorNumber::kOutOfMemory);
  EXPECT_EQ(form->EndStatus(), 1);
  EXPECT_EQ(form->Handle(), nullptr);
}

TEST_F(Form1Operations, MissingMetroFileAtLoadEndsBeforeTheWindowShows) {
  std::filesystem::remove("metro.txt");
  EXPECT_FALSE(Load());
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].number, lookup::ErrorNumber::kFileNotFound);
  EXPECT_EQ(reports[0].detail.rfind(u"\"metro.txt\" was not found in ", 0), 0u);
  EXPECT_FALSE(::IsWindowVisible(form->Handle()));
}

TEST_F(Form1Operations, FolderInPlaceOfTheMetroFileIsAnAccessError) {
  std::filesystem::remove("metro.txt");
  std::filesystem::create_directory("metro.txt");
  EXPECT_FALSE(Load());
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].number, lookup::ErrorNumber::kPathFileAccess);
}

}  // namespace
}  // namespace window_testing
