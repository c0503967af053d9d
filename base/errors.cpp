#include "base/errors.h"

namespace base {

ConversionError NotAnInteger(std::string_view text) {
  return ConversionError("'" + std::string(text) + "' is not a valid integer value");
}
ConversionError NotAFloat(std::string_view text) {
  return ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}
ConversionError NotATime(std::string_view text) {
  return ConversionError("'" + std::string(text) + "' is not a valid time");
}
ConversionError NotADate(std::string_view text) {
  return ConversionError("'" + std::string(text) + "' is not a valid date");
}
Error IndexOutOfBounds(long index) {
  return Error("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace base
