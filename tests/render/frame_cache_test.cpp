#include "render/frame_cache.h"

#include <gtest/gtest.h>

#include <string>

TEST(FrameCache, KeepsWhatEachFrameAsksForAndLetsTheRestGo) {
    FrameCache<int, std::string> cache;
    int made = 0;
    const auto make = [&made] { return std::to_string(++made); };
    EXPECT_EQ("1", cache.get(10, make));
    EXPECT_EQ("1", cache.get(10, make));
    EXPECT_EQ("2", cache.get(20, make));
    cache.end_frame();
    EXPECT_EQ("1", cache.get(10, make));
    cache.end_frame();
    EXPECT_EQ(1u, cache.size());
    EXPECT_EQ("3", cache.get(20, make));
    cache.end_frame();
    cache.end_frame();
    EXPECT_EQ(0u, cache.size());
}
