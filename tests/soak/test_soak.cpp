// The whole game played at random through its real windows, offscreen, with hostile
// themes and damaged files, checked after every action (see soak.h).

#include <cstdlib>

#include <gtest/gtest.h>

#include "soak.h"
#include "support/testapp.h"

namespace quorvel::soak {
namespace {

void prepare() {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1); // a silent device that plays in real time
    test::ensureApp();
}

SoakResult play(SoakOptions options) {
    prepare();
    const SoakResult result = runSoak(options);
    std::printf("soak: %lld actions in %.1f s (%.0f actions/s), seed %u: %s\n", result.actions,
                result.seconds, result.actions / std::max(0.001, result.seconds), options.seed,
                result.summary().c_str());
    return result;
}

TEST(Soak, TenThousandActions) {
    SoakOptions options = optionsFromEnvironment({});
    options.actions = 10000;
    const SoakResult result = play(options);
    EXPECT_TRUE(result.passed) << result.failure;
    // A soak that never reaches the parts of the game it is meant to shake is no soak.
    EXPECT_GT(result.games, 20);
    EXPECT_GT(result.lost, 0);
    EXPECT_GT(result.saved, 0);
    EXPECT_GT(result.loaded, 0);
}

// A failure is only worth its seed when the seed plays the same run again.
TEST(Soak, TheSameSeedPlaysTheSameRun) {
    SoakOptions options = optionsFromEnvironment({});
    options.actions = 2000;
    options.progressSeconds = 0;
    const SoakResult first = play(options);
    const SoakResult second = play(options);
    ASSERT_TRUE(first.passed) << first.failure;
    ASSERT_TRUE(second.passed) << second.failure;
    EXPECT_EQ(first.digest, second.digest);
    EXPECT_EQ(first.summary(), second.summary());
}

// scripts/soak: QUORVEL3D_SOAK_ACTIONS actions (a million unless told).
TEST(Soak, OnDemand) {
    SoakOptions defaults;
    defaults.actions = 1000000;
    const SoakResult result = play(optionsFromEnvironment(defaults));
    EXPECT_TRUE(result.passed) << result.failure;
}

} // namespace
} // namespace quorvel::soak
