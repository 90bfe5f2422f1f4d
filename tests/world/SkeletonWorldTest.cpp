// Placeholder until this subsystem's tests arrive; remove when adding the first real test file.
#include <gtest/gtest.h>

TEST(SkeletonWorld, Builds) { SUCCEED(); }
