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

void PropertyFailed(const char* property, std::string_view reply) {
  std::fprintf(stderr, "property failed: %s\nreply (%zu bytes):", property, reply.size());
  for (const char c : reply) {
    std::fprintf(stderr, " %02X", static_cast<unsigned char>(c));
  }
  std::fprintf(stderr, "\n");
  std::abort();
}
