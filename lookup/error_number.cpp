// SPDX-License-Identifier: Apache-2.0
// The short descriptions of the error numbers.
#include "error_number.h"

namespace lookup {

std::string DescriptionOf(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::kOutOfMemory:
      return "Out of memory";
    case ErrorNumber::kInternalError:
      return "Internal error";
    case ErrorNumber::kFileNotFound:
      return "File not found";
    case ErrorNumber::kDeviceIo:
      return "Device I/O error";
    case ErrorNumber::kPermissionDenied:
      return "Permission denied";
    case ErrorNumber::kPathFileAccess:
      return "Path/File access error";
  }
  return "Application-defined or object-defined error";
}

}  // namespace lookup
