// Helpers shared by the fuzz targets: variants of a reply that must convert alike, and checks.
#pragma once

#include <string>
#include <string_view>

#include "entry/number_conversion.h"
#include "tools/full_width.h"  // Widen

// The reply with blanks of each kind a user types (ASCII blank, tab, ideographic blank) around it.
std::string PadWithBlanks(std::string_view reply, unsigned variant);

// Stops the fuzzer with the failed property, so that the input is kept as a crash.
[[noreturn]] void PropertyFailed(const char* property, std::string_view reply);

// Whether two conversions came to the same outcome and the same bits (the sign of zero too).
template <class T>
bool SameConversion(const Converted<T>& a, const Converted<T>& b) {
  if (a.outcome != b.outcome) {
    return false;
  }
  return a.outcome != NumberOutcome::Number || __builtin_memcmp(&a.value, &b.value, sizeof(T)) == 0;
}

#define CHECK_PROPERTY(condition, reply)   \
  do {                                     \
    if (!(condition)) {                    \
      PropertyFailed(#condition, (reply)); \
    }                                      \
  } while (false)
