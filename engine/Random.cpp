// The run-time random generator: game numbers, random games, looks and animation choices.
#include "engine/Random.h"

#include "records/Numbers.h"

namespace tarvelle {

std::string drawGameNumber(RandomGenerator& random) {
    const std::uint64_t a = random.below(9999999);
    const std::uint64_t b = random.below(999999);
    std::string number = formatFixed(static_cast<std::int64_t>(a * b), 13);
    return number;
}

}  // namespace tarvelle
