// Fuzzes the station conversion and the station notation: what the program writes, it reads back.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "entry/number_conversion.h"
#include "entry/station_notation.h"
#include "fuzz/fuzz_properties.h"

namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Whether a written station has the shape [-]km+[-]mmm.ddd: kilometres without leading zeros and
// a metre part of exactly three digits before the point, so never 1000 m or more.
bool WellFormedStation(std::string_view text, int decimals) {
  const size_t plus = text.find('+');
  if (plus == std::string_view::npos) {
    return false;
  }
  std::string_view km = text.substr(0, plus);
  std::string_view metres = text.substr(plus + 1);
  if (km.starts_with('-')) {
    km.remove_prefix(1);
  }
  if (metres.starts_with('-')) {
    metres.remove_prefix(1);
  }
  if (!AllDigits(km) || (km.size() > 1 && km.front() == '0')) {
    return false;
  }
  const size_t want = 3 + (decimals > 0 ? 1 + static_cast<size_t>(decimals) : 0);
  if (metres.size() != want || !AllDigits(metres.substr(0, 3))) {
    return false;
  }
  return decimals == 0 || (metres[3] == '.' && AllDigits(metres.substr(4)));
}

// Half a unit of the last written decimal, plus the spacing of doubles at the station: the text
// is rounded to the decimals, then read back to the nearest double.
double ReadBackTolerance(double station, int decimals) {
  const double half_unit = 0.5 * std::pow(10.0, -decimals);
  const double magnitude = std::fabs(station);
  return half_unit + (std::nextafter(magnitude, INFINITY) - magnitude);
}

void CheckWrittenStation(double station, std::string_view reply) {
  if (!std::isfinite(station)) {
    return;
  }
  for (const int decimals : {3, 2}) {
    const std::string text = FormatStation(station, "", decimals);
    CHECK_PROPERTY(WellFormedStation(text, decimals), reply);
    CHECK_PROPERTY(text.front() != '-' || station < 0, reply);
    for (const char* leading : {" K", "K", "k", ""}) {
      const std::string written = FormatStation(station, leading, decimals);
      CHECK_PROPERTY(written == leading + text, reply);
      const Converted<double> back = ConvertStation(written);
      CHECK_PROPERTY(back.ok(), reply);
      CHECK_PROPERTY(std::fabs(back.value - station) <= ReadBackTolerance(station, decimals),
                     reply);
      // Writing what was read back gives the same text: the notation is a fixed point.
      CHECK_PROPERTY(FormatStation(back.value, leading, decimals) == written, reply);
    }
  }
  if (std::fabs(station) > 1e9) {
    return;  // the split of the binary value is meant for stations of real roads only
  }
  const StationSplit parts = StationParts(station);
  CHECK_PROPERTY(std::fabs(parts.m) < 1000, reply);
  CHECK_PROPERTY(parts.km == std::trunc(parts.km), reply);
  CHECK_PROPERTY(parts.m == 0 || std::signbit(parts.m) == std::signbit(station), reply);
}

// A station in notation built from kilometres and thousandths of a metre must read as exactly
// km·1000 + metres; a metre part of 1000 or more is no station.
void CheckNotation(const uint8_t* data, size_t size, std::string_view reply) {
  if (size < 8) {
    return;
  }
  int32_t km_raw = 0;
  uint32_t mm_raw = 0;
  std::memcpy(&km_raw, data, 4);
  std::memcpy(&mm_raw, data + 4, 4);
  const int64_t km = km_raw % 1'000'000;
  const int64_t thousandths = mm_raw % 1'000'000;  // below 1000.000 m
  const bool negative = km < 0 || (km == 0 && (mm_raw & 0x8000'0000u));
  std::string metres = std::to_string(thousandths / 1000);
  metres.insert(0, 3 - metres.size(), '0');
  std::string fraction = std::to_string(thousandths % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  const std::string sign = negative && thousandths != 0 ? "-" : "";
  const std::string km_text = (negative && km == 0 ? "-" : "") + std::to_string(km);
  const std::string notation = "K" + km_text + "+" + sign + metres + "." + fraction;

  const int64_t total = (km < 0 ? -km : km) * 1'000'000 + thousandths;
  // Both integers are exact in a double, so the quotient is the nearest double to the decimal.
  const double expected = (negative ? -1.0 : 1.0) * static_cast<double>(total) / 1000.0;
  const Converted<double> read = ConvertStation(notation);
  CHECK_PROPERTY(read.ok(), reply);
  CHECK_PROPERTY(read.value == expected, reply);
  CHECK_PROPERTY(SameConversion(read, ConvertStation(Widen(notation, true))), reply);

  const std::string too_many_metres = "K" + km_text + "+" + sign + "1" + metres + "." + fraction;
  CHECK_PROPERTY(ConvertStation(too_many_metres).outcome == NumberOutcome::NotANumber, reply);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) {
    return 0;  // longer than any reply a prompt takes; only slows the search
  }
  const std::string_view reply(reinterpret_cast<const char*>(data), size);
  const unsigned variant = size > 0 ? data[0] : 0;

  const Converted<double> station = ConvertStation(reply);
  CHECK_PROPERTY(SameConversion(station, ConvertStation(PadWithBlanks(reply, variant))), reply);
  CHECK_PROPERTY(SameConversion(station, ConvertStation(Widen(reply, false))), reply);
  CHECK_PROPERTY(SameConversion(station, ConvertStation(Widen(reply, true))), reply);
  const Converted<double> number = ConvertDouble(reply);
  if (number.outcome != NumberOutcome::NotANumber) {
    CHECK_PROPERTY(SameConversion(number, station), reply);
  }
  if (station.ok()) {
    CHECK_PROPERTY(std::isfinite(station.value), reply);
    CheckWrittenStation(station.value, reply);
  }

  // The reply's bytes as a station anywhere, and folded into 0 to 10^9 m, the stations of roads.
  if (size >= 8) {
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    if (std::isfinite(raw)) {
      CheckWrittenStation(raw, reply);
      const double road = std::fmod(std::fabs(raw), 1e9);
      CheckWrittenStation(road, reply);
      CheckWrittenStation(-road, reply);
    }
  }
  CheckNotation(data, size, reply);
  return 0;
}
