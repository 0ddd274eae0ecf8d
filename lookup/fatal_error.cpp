// SPDX-License-Identifier: Apache-2.0
// The exception that carries an error which ends the program.
#include "fatal_error.h"

#include <utility>

namespace lookup {

FatalError::FatalError(ErrorNumber number, std::string file)
    : std::runtime_error(DescriptionOf(number) + ": " + file),
      number_(number),
      description_(DescriptionOf(number)),
      file_(std::move(file)) {}

}  // namespace lookup
