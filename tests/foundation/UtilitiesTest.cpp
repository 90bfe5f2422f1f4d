#include "foundation/Utilities.h"

#include <gtest/gtest.h>

TEST(Utilities, Placeholder) { EXPECT_EQ(StripBadChars(QStringLiteral("a\tb")), QStringLiteral("ab")); }
