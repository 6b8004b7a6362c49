// Replies as a Chinese input method types them, for tests and fuzz targets.
#pragma once

#include <string>
#include <string_view>

// The text with printable ASCII in its full-width forms (U+FF01..U+FF5E), blanks as ideographic
// blanks, and, if asked, the point as the ideographic full stop.
inline std::string Widen(std::string_view text, bool ideographic_point) {
  std::string wide;
  for (const char c : text) {
    if (c == ' ') {
      wide += "\xE3\x80\x80";
    } else if (c == '.' && ideographic_point) {
      wide += "\xE3\x80\x82";
    } else if (c >= '!' && c <= '~') {
      // U+FF01..U+FF5E in UTF-8: EF BC 81..EF BC BF, then EF BD 80..EF BD 9E.
      const unsigned code = 0xFF01u + static_cast<unsigned>(c - '!');
      wide += '\xEF';
      wide += static_cast<char>(0x80u | ((code >> 6) & 0x3Fu));
      wide += static_cast<char>(0x80u | (code & 0x3Fu));
    } else {
      wide += c;
    }
  }
  return wide;
}
