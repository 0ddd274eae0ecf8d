// SPDX-License-Identifier: Apache-2.0
// The words of the fatal-error report, for every error that can end the program.
#include "form/fatal_error_text.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "fatal_error.h"

namespace {

using form::DescribeFatalError;
using form::FatalErrorText;
using lookup::ErrorNumber;
using lookup::FatalError;

std::u16string MessageOf(const std::exception_ptr& error) {
  const FatalErrorText text = DescribeFatalError(error, u"C:\\Data");
  return form::FatalErrorMessage(text.number, text.description, text.detail);
}

TEST(FatalErrorText, TitledWithTheWindowCaption) {
  EXPECT_EQ(form::FatalErrorTitle(), u"Vantrel Area Code");
  EXPECT_EQ(form::kFatalErrorExitStatus, 1);
}

TEST(FatalErrorText, NamesTheNumberTheFileAndTheFolder) {
  const struct {
    ErrorNumber number;
    std::u16string message;
  } cases[] = {
      {ErrorNumber::kFileNotFound,
       u"Run-time error 53: File not found\n\n\"cities.txt\" was not found in C:\\Data."},
      {ErrorNumber::kPermissionDenied,
       u"Run-time error 70: Permission denied\n\n\"cities.txt\" in C:\\Data may not be read."},
      {ErrorNumber::kPathFileAccess,
       u"Run-time error 75: Path/File access error\n\n"
       u"\"cities.txt\" in C:\\Data is not a file that can be read."},
      {ErrorNumber::kDeviceIo,
       u"Run-time error 57: Device I/O error\n\n\"cities.txt\" in C:\\Data could not be read."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageOf(std::make_exception_ptr(FatalError(c.number, "cities.txt"))), c.message);
  }
  const FatalErrorText text = DescribeFatalError(
      std::make_exception_ptr(FatalError(ErrorNumber::kFileNotFound, "metro.txt")), u"/home/user");
  EXPECT_EQ(text.number, ErrorNumber::kFileNotFound);
  EXPECT_EQ(text.description, u"File not found");
  EXPECT_EQ(text.detail, u"\"metro.txt\" was not found in /home/user.");
}

TEST(FatalErrorText, ErrorsOutsideTheFilesHaveNumbersToo) {
  EXPECT_EQ(MessageOf(std::make_exception_ptr(std::bad_alloc())),
            u"Run-time error 7: Out of memory");
  EXPECT_EQ(MessageOf(std::make_exception_ptr(std::logic_error("broken \xE9"))),
            u"Run-time error 51: Internal error\n\nbroken \u00E9");
  EXPECT_EQ(MessageOf(std::make_exception_ptr(42)), u"Run-time error 51: Internal error");
}

}  // namespace
