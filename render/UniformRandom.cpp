#include "render/UniformRandom.h"

namespace brelvane {

std::uint64_t UniformRandom::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int UniformRandom::Below(int count) {
    if (count <= 0) return 0;
    // The top 32 bits scaled by the count: bias below count / 2^32.
    return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(count)) >> 32);
}

UniformRandom& TransitionRandom() {
    thread_local UniformRandom generator(0x5EEDu);
    return generator;
}

} // namespace brelvane
