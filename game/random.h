// The C runtime's linear congruential generator, written out so that a seeded
// game draws the same letters on every machine.
#pragma once

#include <cstdint>

namespace kwarrel {

class CRandom {
 public:
  explicit CRandom(uint32_t seed = 1) : state_(seed) {}
  void seed(uint32_t seed) { state_ = seed; }
  // 0..32767
  int next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }
  uint32_t state() const { return state_; }

 private:
  uint32_t state_;
};

}  // namespace kwarrel
