// Reply variants and the failure report of the fuzz targets.
#include "fuzz/fuzz_properties.h"

#include <cstdio>
#include <cstdlib>

std::string PadWithBlanks(std::string_view reply, unsigned variant) {
  static constexpr const char* kBlanks[] = {" ", "  ", "\t", "\xE3\x80\x80", " \xE3\x80\x80\t"};
  constexpr unsigned kKinds = sizeof kBlanks / sizeof kBlanks[0];
  std::string padded = kBlanks[variant % kKinds];
  padded += reply;
  padded += kBlanks[(variant / kKinds) % kKinds];
  return padded;
}

std::string Widen(std::string_view reply, bool ideographic_point) {
  std::string wide;
  for (const char c : reply) {
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

void PropertyFailed(const char* property, std::string_view reply) {
  std::fprintf(stderr, "property failed: %s\nreply (%zu bytes):", property, reply.size());
  for (const char c : reply) {
    std::fprintf(stderr, " %02X", static_cast<unsigned char>(c));
  }
  std::fprintf(stderr, "\n");
  std::abort();
}
