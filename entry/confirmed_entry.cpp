// The confirmation rule of the prompt-and-confirm steps.
#include "entry/confirmed_entry.h"

#include "entry/number_conversion.h"

bool WantsReentry(const std::optional<std::string>& reply) {
  if (!reply) {
    return false;
  }
  const Converted<double> number = ConvertDouble(*reply);
  return number.ok() && number.value == 0;
}
