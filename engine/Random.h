// The run-time random generator: game numbers, random games, looks and animation choices.
#pragma once

#include <cstdint>
#include <string>

namespace tarvelle {

// seed = seed x 134775813 + 1 (mod 2^32); a draw below n is the high 32 bits of n x seed.
class RandomGenerator {
public:
    void setSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

    // A number from 0 to bound - 1; 0 for a bound of 0.
    std::uint32_t below(std::uint32_t bound) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(bound) * seed_) >> 32);
    }

private:
    std::uint32_t seed_ = 0;
};

// A new game number: the product of two draws, 13 digits with leading zeros.
std::string drawGameNumber(RandomGenerator& random);

}  // namespace tarvelle
