#include "TestSupport.h"

#include "lum/core/LoadingFileEvent.h"

using namespace lumtest;

TEST(Notification, InitCoreRegistersThreeKindsOnce)
{
    initCore();
    initCore();
    EXPECT_EQ(GetModifyingEntSourceEventType()->GetIndex(), 0);
    EXPECT_EQ(GetLoadingFileSourceEventType()->GetIndex(), 1);
    EXPECT_EQ(GetModifyingTablesSourceEventType()->GetIndex(), 2);
    EXPECT_TRUE(IsModifyingEntSourceEvent(0));
    EXPECT_TRUE(IsLoadingFileSourceEvent(1));
    EXPECT_TRUE(IsModifyingTablesSourceEvent(2));
    EXPECT_FALSE(IsModifyingTablesSourceEvent(-1));
}

TEST(Notification, NullAndEarlyContextsAreIgnored)
{
    initCore();
    // A context of a registry that knows no kinds (as before initCore).
    fnd::CSourceEventTypeRegistry empty;
    auto early = RefPtr<fnd::IContextEvent>::Adopt(new fnd::IContextEvent(empty));
    for (fnd::IContextEvent* c : {static_cast<fnd::IContextEvent*>(nullptr), early.get()}) {
        TableItemAdded(c, nullptr);
        TableItemDescInfoChanged(c, nullptr);
        ModifiedEnt(c, nullptr);
        CreatedEnts(c, CEntVectorCollection());
        FileIsBeingLoaded(c);
        EXPECT_FALSE(HasTableItemDescInfoChanged(c));
        EXPECT_FALSE(HaveBeenEntsModified(c));
        EXPECT_FALSE(IsFileBeingLoaded(c));
        EXPECT_EQ(GetModifyingTablesSourceEvent(c), nullptr);
    }
}

TEST_F(DataTest, NestedBracketsGiveOneBatch)
{
    Recorder& r = Record();
    {
        fnd::CModifyBracket outer(ctx);
        {
            fnd::CModifyBracket inner(ctx);
            for (int i = 0; i < 3; ++i)
                ModifiedEnt(ctx, nullptr);
        }
        EXPECT_TRUE(HaveBeenEntsModified(ctx));
    }
    EXPECT_FALSE(HaveBeenEntsModified(ctx));
    EXPECT_EQ(r.log, (Log{"begin", "E4:1", "E4:1", "E4:1", "end"}));
}

TEST_F(DataTest, SingleNotificationOpensItsOwnBatch)
{
    Recorder& r = Record();
    TableItemAdded(ctx, GetLayer0(data.get()));
    EXPECT_EQ(r.log, (Log{"begin", "T1:0", "end"}));
    EXPECT_EQ(ctx->GetDepth(), 0u);
}

TEST_F(DataTest, FileBeingLoadedLastsUntilTheOuterBracketCloses)
{
    Recorder& r = Record();
    {
        fnd::CModifyBracket load(ctx);
        FileIsBeingLoaded(ctx);
        EXPECT_TRUE(IsFileBeingLoaded(ctx));
    }
    EXPECT_FALSE(IsFileBeingLoaded(ctx));
    FileIsBeingLoaded(ctx);  // no bracket open: already over when the call returns
    EXPECT_FALSE(IsFileBeingLoaded(ctx));
    EXPECT_EQ(r.log, (Log{"begin", "K1:1", "end", "begin", "K1:1", "end"}));
}

TEST_F(DataTest, MutedSourceDeliversNothingButBracketsStillReachTargets)
{
    Recorder& r = Record();
    CModifyingTablesSourceEvent* s = GetModifyingTablesSourceEvent(ctx);
    ASSERT_NE(s, nullptr);
    s->SetMuted(true);
    TableItemDescInfoChanged(ctx, GetLayer0(data.get()));
    EXPECT_FALSE(s->HasFired());
    EXPECT_EQ(r.log, (Log{"begin", "end"}));
    s->SetMuted(false);
}

TEST_F(DataTest, DispatchIgnoresUnknownCodes)
{
    Recorder r;
    IModifyingTablesTargetEvent::Dispatch(9, GetLayer0(data.get()), &r);
    IModifyingEntTargetEvent::Dispatch(0, nullptr, &r);
    IModifyingTablesTargetEvent::Dispatch(1, nullptr, nullptr);
    EXPECT_TRUE(r.log.empty());
}

namespace {
class Dummy : public fnd::ISourceEventType {
public:
    fnd::ISourceEvent* CreateSourceEvent(fnd::IContextEvent* c) const override
    {
        return new fnd::ISourceEvent(c, this);
    }
};
}  // namespace

// Runs last in its program (name order is not guaranteed, but the kinds it adds are
// harmless: every later context simply gets their sources).
TEST(NotificationRegistry, TwentyKindsFillTheRegistry)
{
    initCore();
    static Dummy extra[18];
    for (auto& k : extra)
        RegisterLUMASourceEventType(&k);
    EXPECT_EQ(GetLUMASourceEventTypeRegistry().GetNoTypes(), 20);
    EXPECT_EQ(extra[16].GetIndex(), 19);
    EXPECT_EQ(extra[17].GetIndex(), -1);  // the 21st is ignored
    auto c = RefPtr<fnd::IContextEvent>::Adopt(CreateLUMAContextEvent());
    EXPECT_EQ(c->GetNoSourceEvents(), 20);
}
