#include "fatal_error.h"

#include <utility>

namespace lookup {

std::string DescriptionOf(ErrorNumber number) {
  switch (number) {
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

FatalError::FatalError(ErrorNumber number, std::string file)
    : std::runtime_error(DescriptionOf(number) + ": " + file),
      number_(number),
      description_(DescriptionOf(number)),
      file_(std::move(file)) {}

}  // namespace lookup
