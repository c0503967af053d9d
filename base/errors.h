// The errors that end an event handler: a file that cannot be opened or is short, a text
// that is not a number, an index outside a list. The window layer shows what() to the user.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace base {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FileError : public Error {
 public:
  using Error::Error;
};

class ConversionError : public Error {
 public:
  using Error::Error;
};

// "'abc' is not a valid integer value" and its kin: the texts name the value that failed.
ConversionError NotAnInteger(std::string_view text);
ConversionError NotAFloat(std::string_view text);
ConversionError NotATime(std::string_view text);
ConversionError NotADate(std::string_view text);
Error IndexOutOfBounds(long index);

}  // namespace base
