#include "zor0ntfy.h"

#include <gtest/gtest.h>

namespace {
TEST(Notify, SourceReachesItsTargetAndChildren)
{
    ZORRecordingTarget root;
    auto* child = static_cast<ZORRecordingTarget*>(root.AddChild(std::make_unique<ZORRecordingTarget>()));
    root.AddChild(std::make_unique<ZORRecordingTarget>());
    ZORNotifySource src;
    EXPECT_FALSE(src.Notify(1, 2, nullptr));   // no target
    src.SetNotifyTarget(&root);
    ZORNotifyObject::CNotifyData data;
    EXPECT_TRUE(src.Notify(3, 4, &data));
    ASSERT_EQ(root.records.size(), 1u);
    EXPECT_EQ(root.records[0].kind, 3);
    EXPECT_EQ(root.records[0].code, 4);
    EXPECT_TRUE(root.records[0].hadData);
    ASSERT_EQ(child->records.size(), 1u);
    EXPECT_EQ(root.GetChildCount(), 2);
    EXPECT_EQ(child->GetSiblingAt(1), root.GetChildAt(1));
    EXPECT_EQ(child->GetLastSibling(), root.GetChildAt(1));
    EXPECT_EQ(root.GetChildAt(2), nullptr);
    ZORNotifySource copy(src);   // a copy sends to the same target
    EXPECT_EQ(copy.GetNotifyTarget(), &root);
    root.Destroy();
    EXPECT_EQ(root.GetChildCount(), 0);
}

TEST(Notify, PostedNotificationsWaitForTheBracket)
{
    ZORRecordingTarget t;
    t.BeginNotify();
    t.BeginNotify();
    t.PostNotify(1, 10, nullptr);
    t.PostNotify(1, 11, nullptr);
    t.EndNotify(true);
    EXPECT_TRUE(t.records.empty());   // still inside the outer bracket
    t.EndNotify(true);
    ASSERT_EQ(t.records.size(), 2u);
    EXPECT_EQ(t.records[1].code, 11);
    t.BeginNotify();
    t.PostNotify(2, 0, nullptr);
    t.EndNotify(false);
    EXPECT_EQ(t.records.size(), 2u);   // dropped
    t.EndNotify(true);                 // unbalanced end is ignored
    t.PostNotify(5, 0, nullptr);       // outside a bracket: at once
    EXPECT_EQ(t.records.size(), 3u);
}
}  // namespace
