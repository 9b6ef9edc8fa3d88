#include "records/save/format_number.h"

void FormatNumber(std::string& str, int32_t value, int32_t width, int zeroPad, int plusSign) {
  // Widened so the most negative value has a magnitude too.
  const int64_t wide = value;
  const std::string digits = std::to_string(wide < 0 ? -wide : wide);
  std::string sign;
  if (wide < 0) {
    sign = "-";
  } else if (plusSign) {
    sign = "+";
  }
  const std::size_t missing =
      width > 0 && static_cast<std::size_t>(width) > digits.size() ? width - digits.size() : 0;
  if (zeroPad) {
    str = sign + std::string(missing, '0') + digits;
  } else {
    str = std::string(missing, ' ') + sign + digits;
  }
}
