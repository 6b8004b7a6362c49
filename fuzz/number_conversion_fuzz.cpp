// Fuzzes the number conversion of replies: no crash, and the same value however it is typed.
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "entry/number_conversion.h"
#include "fuzz/fuzz_properties.h"

namespace {

// The shortest text that reads back as exactly this value.
template <class T>
std::string ShortestText(T value) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}

template <class T>
void CheckAlikeWhenRetyped(Converted<T> (*convert)(std::string_view), std::string_view reply,
                           const Converted<T>& converted, unsigned variant) {
  CHECK_PROPERTY(SameConversion(converted, convert(PadWithBlanks(reply, variant))), reply);
  CHECK_PROPERTY(SameConversion(converted, convert(Widen(reply, false))), reply);
  CHECK_PROPERTY(SameConversion(converted, convert(Widen(reply, true))), reply);
  CHECK_PROPERTY(SameConversion(converted, convert(PadWithBlanks(Widen(reply, true), variant))),
                 reply);
  if (converted.ok()) {
    CHECK_PROPERTY(std::isfinite(converted.value), reply);
    // The value written back in the shortest form converts to the very same bits.
    CHECK_PROPERTY(SameConversion(converted, convert(ShortestText(converted.value))), reply);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) {
    return 0;  // longer than any reply a prompt takes; only slows the search
  }
  const std::string_view reply(reinterpret_cast<const char*>(data), size);
  const unsigned variant = size > 0 ? data[0] : 0;

  const Converted<float> single = ConvertSingle(reply);
  const Converted<double> dbl = ConvertDouble(reply);
  CheckAlikeWhenRetyped(ConvertSingle, reply, single, variant);
  CheckAlikeWhenRetyped(ConvertDouble, reply, dbl, variant);

  // Both precisions read the same texts as numbers; only the range differs.
  CHECK_PROPERTY(
      (single.outcome == NumberOutcome::NotANumber) == (dbl.outcome == NumberOutcome::NotANumber),
      reply);
  if (single.ok()) {
    CHECK_PROPERTY(dbl.ok(), reply);
    CHECK_PROPERTY(std::signbit(single.value) == std::signbit(dbl.value), reply);
    // Rounding to double first may move the float by its last unit at most.
    const float via_double = static_cast<float>(dbl.value);
    CHECK_PROPERTY(
        via_double == single.value || std::nextafter(via_double, single.value) == single.value,
        reply);
  }
  if (dbl.ok() && std::fabs(dbl.value) <= FLT_MAX) {
    CHECK_PROPERTY(single.ok(), reply);
  }
  if (single.outcome == NumberOutcome::OutOfRange && dbl.ok()) {
    CHECK_PROPERTY(std::fabs(dbl.value) > FLT_MAX, reply);
  }

  // A station reply that is a plain number is read as that number.
  if (dbl.outcome != NumberOutcome::NotANumber) {
    CHECK_PROPERTY(SameConversion(dbl, ConvertStation(reply)), reply);
  }

  const std::string normal = NormalizeWidth(reply);
  CHECK_PROPERTY(normal.size() <= reply.size(), reply);
  bool ascii = true;
  for (const char c : reply) {
    ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  }
  if (ascii) {
    CHECK_PROPERTY(normal == reply, reply);
  }
  return 0;
}
