// SPDX-License-Identifier: Apache-2.0
// The exception that carries an error which ends the program.
#pragma once

#include <stdexcept>
#include <string>

#include "error_number.h"

namespace lookup {

// An error that ends the program: a data file that cannot be opened or read.
class FatalError : public std::runtime_error {
 public:
  // Builds the error for `file`, with the standard description of `number`.
  FatalError(ErrorNumber number, std::string file);

  ErrorNumber Number() const { return number_; }
  // The short description, such as "File not found".
  const std::string& Description() const { return description_; }
  // The data file's name as the program opened it.
  const std::string& File() const { return file_; }

 private:
  ErrorNumber number_;
  std::string description_;
  std::string file_;
};

}  // namespace lookup
