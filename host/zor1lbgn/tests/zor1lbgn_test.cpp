#include "zor1lbgn.h"

#include <gtest/gtest.h>

namespace {
class Book : public CLibGen {
public:
    int changes = 0;
    void SetModifiedFlag(bool m) override
    {
        ++changes;
        CLibGen::SetModifiedFlag(m);
    }
};

TEST(LibGen, ModifiedFlagThroughTheVirtualSlot)
{
    Book b;
    CLibGen& base = b;
    EXPECT_FALSE(base.IsModified());
    base.SetModifiedFlag(true);
    EXPECT_TRUE(b.IsModified());
    EXPECT_EQ(b.changes, 1);
    Book copy(b);
    EXPECT_TRUE(copy.IsModified());
}
}  // namespace
