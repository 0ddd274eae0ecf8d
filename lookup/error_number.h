// SPDX-License-Identifier: Apache-2.0
// The numbers of the errors that end the program, and their short descriptions.
#pragma once

#include <string>

namespace lookup {

// Run-time error numbers, as users of the program's earlier versions know them.
enum class ErrorNumber : int {
  kOutOfMemory = 7,        // memory ran out during an event procedure
  kInternalError = 51,     // any other failure inside the program's own code
  kFileNotFound = 53,      // a data file, or a folder on its path, does not exist
  kDeviceIo = 57,          // a data file opened but could not be read
  kPermissionDenied = 70,  // a data file may not be opened for reading
  kPathFileAccess = 75,    // the data file's name is not a regular file, or opening it failed
};

// The standard short description of `number`, such as "File not found".
std::string DescriptionOf(ErrorNumber number);

}  // namespace lookup
