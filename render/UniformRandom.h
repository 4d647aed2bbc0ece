#pragma once

#include <cstdint>

namespace brelvane {

// A small re-seedable generator of uniform integers (SplitMix64).
class UniformRandom {
public:
    explicit UniformRandom(std::uint64_t seed = 0) : state_(seed) {}

    void Seed(std::uint64_t seed) { state_ = seed; }

    // A uniform integer r with 0 <= r < count; 0 when count is not positive.
    int Below(int count);

private:
    std::uint64_t Next();

    std::uint64_t state_;
};

// The generator the transition styles draw from. One per thread, so that transitions
// running on their own threads do not share it; tests seed it to repeat a frame.
UniformRandom& TransitionRandom();

} // namespace brelvane
