#include "zor1ptrf.h"

#include <gtest/gtest.h>

TEST(PointerRef, AddRemoveAndOutOfRange)
{
    CPointerRef r;
    EXPECT_EQ(r.GetNoPtRef(), 0);
    r.AddPtRef(5);
    r.AddPtRef(0);   // no entity
    r.AddPtRef(7);
    r.AddPtRef(5);   // already held
    ASSERT_EQ(r.GetNoPtRef(), 2);
    EXPECT_EQ(r.GetPtRefAt(1), 7);
    EXPECT_EQ(r.GetPtRefAt(2), 0);
    EXPECT_EQ(r.GetPtRefAt(-1), 0);
    CPointerRef copy(r);
    EXPECT_TRUE(r.RemovePtRef(5));
    EXPECT_FALSE(r.RemovePtRef(5));
    EXPECT_EQ(r.GetPtRefAt(0), 7);
    EXPECT_EQ(copy.GetNoPtRef(), 2);
    copy.ClearPtRef();
    EXPECT_EQ(copy.GetNoPtRef(), 0);
}
