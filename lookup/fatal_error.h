#pragma once

#include <stdexcept>
#include <string>

namespace lookup {

// Run-time error numbers, as users of the program's earlier versions know them.
enum class ErrorNumber : int {
  kDeviceIo = 57,
  kFileNotFound = 53,
  kPermissionDenied = 70,
  kPathFileAccess = 75,
};

// An error that ends the program: a data file that cannot be opened or read.
class FatalError : public std::runtime_error {
 public:
  // Builds the error for `file`, with the standard description of `number`.
  FatalError(ErrorNumber number, std::string file);

  int Number() const { return static_cast<int>(number_); }
  ErrorNumber Code() const { return number_; }
  // The short description, such as "File not found".
  const std::string& Description() const { return description_; }
  // The data file's name as the program opened it.
  const std::string& File() const { return file_; }

 private:
  ErrorNumber number_;
  std::string description_;
  std::string file_;
};

// The standard short description of an error number.
std::string DescriptionOf(ErrorNumber number);

}  // namespace lookup
