// SPDX-License-Identifier: Apache-2.0
// The metro list as loaded, and the metro lookup by exact name.
#include "metro_areas.h"

#include <gtest/gtest.h>

#include "fatal_error.h"
#include "testing/fake_window.h"
#include "testing/lookups.h"
#include "testing/temp_folder.h"

namespace lookup {
namespace {

using lookup_testing::FakeWindow;
using lookup_testing::LookUpMetro;
using lookup_testing::TempFolder;
using Names = std::vector<std::string>;

const std::string kPadded = "New York City      212 332 646 917 718 347 929";
const std::string kShort = "Boise";
const std::string kLong = "Toronto            416 647 437 " + std::string(5000, '9');

std::string MetroFile() {
  return kPadded + "\r\n" + kShort + "\r\n" + "\r\n" + kLong + "\r\n" +
         "New York City      the second one" + "\r\n" + "Select Metro Area  x";
}

TEST(MetroAreas, LoadKeepsEveryLineInFileOrder) {
  TempFolder folder;
  folder.Write("metro.txt", MetroFile());
  FakeWindow window;
  Form_Load(window);
  EXPECT_EQ(window.metroNames, (Names{"New York City      ", "Boise", "", "Toronto            ",
                                      "New York City      ", "Select Metro Area  "}));
  EXPECT_TRUE(window.shown.empty());
}

TEST(MetroAreas, LoadOfAnEmptyOrMissingFile) {
  TempFolder folder;
  FakeWindow window;
  try {
    Form_Load(window);
    ADD_FAILURE() << "a missing metro file must be fatal";
  } catch (const FatalError& error) {
    EXPECT_EQ(error.Number(), ErrorNumber::kFileNotFound);
    EXPECT_EQ(error.File(), "metro.txt");
  }
  folder.Write("metro.txt", "");
  Form_Load(window);
  EXPECT_TRUE(window.metroNames.empty());
}

TEST(MetroAreas, ShowsTheFirstLineWhoseNameIsExactlyTheSelection) {
  TempFolder folder;
  folder.Write("metro.txt", MetroFile());
  struct Case {
    std::optional<std::string> selection;
    Names expected;
  };
  const Case cases[] = {
      {"New York City      ", {kPadded}},  // the earlier of two equal names
      {"New York City", {}},               // without its padding
      {"new york city      ", {}},         // another case
      {"Boise", {kShort}},
      {"Boise              ", {}},
      {"Bois", {}},
      {"Toronto            ", {kLong}},  // shown whole, however long
      {"", {""}},                        // the empty line empties the results box
      {"Select Metro Area", {}},         // the initial text, unless a line is exactly that
      {"Select Metro Area  ", {"Select Metro Area  x"}},
      {std::nullopt, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LookUpMetro(c.selection), c.expected) << c.selection.value_or("(unmappable)");
  }
}

TEST(MetroAreas, EmptyFileOrMissingFileAtARequest) {
  TempFolder folder;
  EXPECT_THROW(LookUpMetro("Boise"), FatalError);
  EXPECT_THROW(LookUpMetro(std::nullopt), FatalError);  // even a selection that can name no line
  folder.Write("metro.txt", "");
  EXPECT_EQ(LookUpMetro(""), Names{});
  EXPECT_EQ(LookUpMetro("Select Metro Area"), Names{});
}

TEST(MetroAreas, ListStaysAsLoadedWhileLookupsSeeTheFileAsItIsNow) {
  TempFolder folder;
  folder.Write("metro.txt", "Boise 208\r\n");
  FakeWindow window;
  Form_Load(window);
  folder.Write("metro.txt", "Boise 986 208\r\nSpokane 509\r\n");
  EXPECT_EQ(window.metroNames, Names{"Boise 208"});
  EXPECT_EQ(LookUpMetro("Spokane 509"), Names{"Spokane 509"});
  EXPECT_EQ(LookUpMetro("Boise 208"), Names{});
}

}  // namespace
}  // namespace lookup
