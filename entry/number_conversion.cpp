// Lenient number and station conversion over std::from_chars.
#include "entry/number_conversion.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// Where the digits of `text` starting at `pos` end.
size_t SkipDigits(std::string_view text, size_t pos) {
  while (pos < text.size() && IsDigit(text[pos])) {
    ++pos;
  }
  return pos;
}

// Whether text is [sign] digits [. digits] [e [sign] digits], with at least one mantissa digit.
// from_chars alone would also take "inf", "nan", and stop silently before trailing text.
bool IsDecimalNumber(std::string_view text) {
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    ++pos;
  }
  const size_t int_end = SkipDigits(text, pos);
  size_t digits = int_end - pos;
  pos = int_end;
  if (pos < text.size() && text[pos] == '.') {
    const size_t frac_end = SkipDigits(text, pos + 1);
    digits += frac_end - pos - 1;
    pos = frac_end;
  }
  if (digits == 0) {
    return false;
  }
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      ++pos;
    }
    const size_t exp_end = SkipDigits(text, pos);
    if (exp_end == pos) {
      return false;
    }
    pos = exp_end;
  }
  return pos == text.size();
}

// Whether a well-formed number that from_chars could not represent is too small rather than
// too large: the power of ten of its first significant digit is negative.
bool IsBelowOne(std::string_view text) {
  bool seen_point = false;
  int64_t int_digits = 0;
  int64_t leading_zeros_after_point = 0;
  bool significant = false;
  size_t pos = 0;
  for (; pos < text.size() && text[pos] != 'e' && text[pos] != 'E'; ++pos) {
    const char c = text[pos];
    if (c == '.') {
      seen_point = true;
    } else if (IsDigit(c)) {
      if (c != '0') {
        significant = true;
      }
      if (!seen_point && (significant || int_digits > 0)) {
        ++int_digits;
      } else if (seen_point && !significant) {
        ++leading_zeros_after_point;
      }
    }
  }
  // the power of ten of the first significant digit
  const int64_t magnitude = int_digits > 0 ? int_digits - 1 : -(leading_zeros_after_point + 1);
  int64_t exponent = 0;
  bool negative_exponent = false;
  if (pos < text.size()) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      negative_exponent = text[pos] == '-';
      ++pos;
    }
    for (; pos < text.size() && exponent < 1'000'000'000; ++pos) {
      exponent = exponent * 10 + (text[pos] - '0');
    }
  }
  return magnitude + (negative_exponent ? -exponent : exponent) < 0;
}

template <class T>
Converted<T> ConvertNumber(std::string_view reply) {
  const std::string normal = NormalizeWidth(reply);
  std::string_view text = TrimBlanks(normal);
  if (!IsDecimalNumber(text)) {
    return {NumberOutcome::NotANumber, T{}};
  }
  const bool negative = text.front() == '-';
  if (text.front() == '+') {
    text.remove_prefix(1);  // from_chars takes no plus sign
  }
  T value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (IsBelowOne(text)) {
      return {NumberOutcome::Number, negative ? -T{} : T{}};
    }
    return {NumberOutcome::OutOfRange, T{}};
  }
  if (ec != std::errc() || end != text.data() + text.size()) {
    return {NumberOutcome::NotANumber, T{}};
  }
  return {NumberOutcome::Number, value};
}

// Station notation "[K] km + metres" → the plain decimal text "km" + "mmm.fff", so that the
// station is rounded once, exactly as if it had been typed in metres.
bool StationNotationToDecimal(std::string_view text, std::string& decimal) {
  size_t pos = 0;
  auto skip_blanks = [&] {
    while (pos < text.size() && IsBlank(text[pos])) {
      ++pos;
    }
  };
  skip_blanks();
  if (pos < text.size() && (text[pos] == 'K' || text[pos] == 'k')) {
    ++pos;
    skip_blanks();
  }
  const bool km_negative = pos < text.size() && text[pos] == '-';
  if (km_negative) {
    ++pos;
  }
  const size_t km_begin = pos;
  pos = SkipDigits(text, pos);
  const std::string_view km = text.substr(km_begin, pos - km_begin);
  skip_blanks();
  if (km.empty() || pos >= text.size() || text[pos] != '+') {
    return false;
  }
  ++pos;
  skip_blanks();
  const bool m_negative = pos < text.size() && text[pos] == '-';
  if (m_negative) {
    ++pos;
  }
  const size_t m_begin = pos;
  const size_t m_int_end = SkipDigits(text, pos);
  pos = m_int_end;
  if (pos < text.size() && text[pos] == '.') {
    pos = SkipDigits(text, pos + 1);
  }
  const std::string_view metres = text.substr(m_begin, pos - m_begin);
  skip_blanks();
  if (pos != text.size() || metres.empty() || metres == ".") {
    return false;
  }
  // The metres are the last three digits before the point: more than three (ignoring leading
  // zeros) would be 1000 m or more.
  std::string_view m_int = metres.substr(0, m_int_end - m_begin);
  while (m_int.size() > 3 && m_int.front() == '0') {
    m_int.remove_prefix(1);
  }
  if (m_int.size() > 3) {
    return false;
  }
  // Both parts carry the station's sign, as the program writes them: K-1+-500.000 is -1500 m,
  // and K0+-500.000 is -500 m; a kilometre and a metre part of opposite signs mean nothing.
  const bool km_zero = km.find_first_not_of('0') == std::string_view::npos;
  const bool m_zero = metres.find_first_not_of("0.") == std::string_view::npos;
  if ((km_negative && !m_negative && !m_zero) || (m_negative && !km_negative && !km_zero)) {
    return false;
  }
  decimal.clear();
  if (km_negative || m_negative) {
    decimal += '-';
  }
  decimal += km;
  decimal.append(3 - m_int.size(), '0');
  decimal += m_int;
  decimal += metres.substr(m_int_end - m_begin);
  return true;
}

}  // namespace

std::string NormalizeWidth(std::string_view reply) {
  std::string out;
  out.reserve(reply.size());
  for (size_t i = 0; i < reply.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(reply[i]);
    if (b0 == 0xEF && i + 2 < reply.size()) {
      // U+FF01..U+FF5E, the full-width forms of '!'..'~', are EF BC 81..EF BD 9E.
      const auto b1 = static_cast<unsigned char>(reply[i + 1]);
      const auto b2 = static_cast<unsigned char>(reply[i + 2]);
      const unsigned code = ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu) | 0xF000u;
      if ((b1 == 0xBC || b1 == 0xBD) && (b2 & 0xC0) == 0x80 && code >= 0xFF01 && code <= 0xFF5E) {
        out += static_cast<char>(code - 0xFEE0);
        i += 2;
        continue;
      }
    } else if (b0 == 0xC2 && i + 1 < reply.size() && reply[i + 1] == '\xA0') {
      // U+00A0, the no-break space that pasted text and some input methods carry.
      out += ' ';
      i += 1;
      continue;
    } else if (b0 == 0xE3 && i + 2 < reply.size() && reply[i + 1] == '\x80') {
      // U+3000, the ideographic blank, and U+3002, the ideographic full stop that a Chinese
      // input method types for the decimal point key.
      if (reply[i + 2] == '\x80') {
        out += ' ';
        i += 2;
        continue;
      }
      if (reply[i + 2] == '\x82') {
        out += '.';
        i += 2;
        continue;
      }
    }
    out += reply[i];
  }
  return out;
}

Converted<float> ConvertSingle(std::string_view reply) {
  return ConvertNumber<float>(reply);
}

Converted<double> ConvertDouble(std::string_view reply) {
  return ConvertNumber<double>(reply);
}

Converted<double> ConvertStation(std::string_view reply) {
  const Converted<double> number = ConvertDouble(reply);
  if (number.outcome != NumberOutcome::NotANumber) {
    return number;
  }
  std::string decimal;
  if (!StationNotationToDecimal(NormalizeWidth(reply), decimal)) {
    return number;
  }
  return ConvertDouble(decimal);
}
