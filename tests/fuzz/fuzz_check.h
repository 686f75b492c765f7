#pragma once
// What the fuzz harnesses share: the entry point, and a failed property that
// stops the run with a message so that libFuzzer keeps the input that broke it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

// The harness's body follows, in namespace kivo, with the input as the text
// named `input`.
#define FUZZ_HARNESS(input)                                                           \
  namespace kivo {                                                                    \
  void fuzz_one(const std::string& input);                                            \
  }                                                                                   \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
    kivo::fuzz_one(std::string(reinterpret_cast<const char*>(data), size));           \
    return 0;                                                                         \
  }                                                                                   \
  void kivo::fuzz_one(const std::string& input)
