#include <gtest/gtest.h>

#include "DiskFixture.h"

using namespace zav;

TEST(Smoke, builds) {
    DiskFixture disk;
    ASSERT_TRUE(disk.create());
}
