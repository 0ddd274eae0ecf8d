// SPDX-License-Identifier: Apache-2.0
// What the user is told of an error that ends the program, in the same words on every system.
#include "form/fatal_error_text.h"

#include <new>

#include "fatal_error.h"
#include "form/form1_description.h"
#include "form/windows_1252.h"

namespace form {
namespace {

using lookup::ErrorNumber;

std::u16string Text(std::string_view ascii) { return FromFileBytes(ascii); }

std::u16string FileDetail(const lookup::FatalError& error, std::u16string_view folder) {
  const std::u16string file = u"\"" + FromFileBytes(error.File()) + u"\"";
  const std::u16string in = u" in " + std::u16string(folder);
  switch (error.Number()) {
    case ErrorNumber::kFileNotFound:
      return file + u" was not found" + in + u".";
    case ErrorNumber::kPermissionDenied:
      return file + in + u" may not be read.";
    case ErrorNumber::kPathFileAccess:
      return file + in + u" is not a file that can be read.";
    case ErrorNumber::kDeviceIo:
      return file + in + u" could not be read.";
    case ErrorNumber::kOutOfMemory:
    case ErrorNumber::kInternalError:
      break;
  }
  return FromFileBytes(error.File());
}

FatalErrorText TextOf(ErrorNumber number, std::u16string detail = {}) {
  return {number, Text(lookup::DescriptionOf(number)), std::move(detail)};
}

}  // namespace

std::u16string FatalErrorTitle() { return Text(kForm1.caption); }

std::u16string FatalErrorMessage(ErrorNumber number, std::u16string_view description,
                                 std::u16string_view detail) {
  std::u16string message =
      Text("Run-time error " + std::to_string(static_cast<int>(number)) + ": ") +
      std::u16string(description);
  if (!detail.empty()) message += u"\n\n" + std::u16string(detail);
  return message;
}

FatalErrorText DescribeFatalError(const std::exception_ptr& error, std::u16string_view folder) {
  try {
    std::rethrow_exception(error);
  } catch (const lookup::FatalError& fatal) {
    return TextOf(fatal.Number(), FileDetail(fatal, folder));
  } catch (const std::bad_alloc&) {
    return TextOf(ErrorNumber::kOutOfMemory);
  } catch (const std::exception& other) {
    return TextOf(ErrorNumber::kInternalError, FromFileBytes(other.what()));
  } catch (...) {
    return TextOf(ErrorNumber::kInternalError);
  }
}

}  // namespace form
