#include "fnd0lang.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Kind : public fnd::ISourceEventType {
public:
    fnd::ISourceEvent* CreateSourceEvent(fnd::IContextEvent* c) const override
    {
        return new fnd::ISourceEvent(c, this);
    }
};

class Recorder : public fnd::ITargetEvent {
public:
    std::vector<std::string> log;
    void OnBeginModify(fnd::IContextEvent*) override { log.push_back("begin"); }
    void OnEndModify(fnd::IContextEvent*) override { log.push_back("end"); }
    void OnNotify(fnd::IContextEvent*, int k, unsigned code, void*) override
    {
        log.push_back(std::to_string(k) + ":" + std::to_string(code));
    }
};

}  // namespace

TEST(Registry, FillsTwentySlotsThenRefuses)
{
    fnd::CSourceEventTypeRegistry reg;
    std::vector<Kind> kinds(21);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(reg.Register(&kinds[static_cast<size_t>(i)]), i);
        EXPECT_EQ(kinds[static_cast<size_t>(i)].GetMask(), 1u << i);
    }
    EXPECT_EQ(reg.Register(&kinds[20]), -1);
    EXPECT_EQ(kinds[20].GetIndex(), -1);
    EXPECT_EQ(kinds[20].GetMask(), 0u);
    EXPECT_EQ(reg.Register(&kinds[3]), 3);  // registering again keeps the index
    EXPECT_EQ(reg.GetNoTypes(), 20);
}

TEST(Context, BracketsNotifyAndMute)
{
    fnd::CSourceEventTypeRegistry reg;
    Kind a, b, late;
    reg.Register(&a);
    reg.Register(&b);
    auto ctx = fnd::RefPtr<fnd::IContextEvent>::Adopt(new fnd::IContextEvent(reg));
    reg.Register(&late);
    EXPECT_EQ(ctx->GetNoSourceEvents(), 2);
    EXPECT_EQ(ctx->GetSourceEvent(2), nullptr);  // registered after the context
    EXPECT_EQ(ctx->GetSourceEvent(-1), nullptr);

    Recorder r;
    ctx->AttachTarget(&r);
    {
        fnd::CModifyBracket outer(ctx.get());
        fnd::CModifyBracket inner(ctx.get());
        ctx->GetSourceEvent(1)->Notify(4, nullptr);
        EXPECT_TRUE(ctx->GetSourceEvent(1)->HasFired());
        ctx->GetSourceEvent(0)->SetMuted(true);
        ctx->GetSourceEvent(0)->Notify(1, nullptr);
        EXPECT_FALSE(ctx->GetSourceEvent(0)->HasFired());
    }
    EXPECT_FALSE(ctx->GetSourceEvent(1)->HasFired());  // cleared by the outermost close
    EXPECT_EQ(r.log, (std::vector<std::string>{"begin", "1:4", "end"}));
    ctx->EndModify();  // nothing open: ignored
    EXPECT_EQ(ctx->GetDepth(), 0u);
    EXPECT_TRUE(ctx->DetachTarget(&r));
    EXPECT_FALSE(ctx->DetachTarget(&r));
    fnd::CModifyBracket none(nullptr);  // null context is allowed
}

TEST(Context, BracketClosesOnException)
{
    fnd::CSourceEventTypeRegistry reg;
    auto ctx = fnd::RefPtr<fnd::IContextEvent>::Adopt(new fnd::IContextEvent(reg));
    try {
        fnd::CModifyBracket b(ctx.get());
        throw fnd::IException("x");
    } catch (const fnd::IException&) {
    }
    EXPECT_EQ(ctx->GetDepth(), 0u);
}

TEST(Context, KindWithoutSourceLeavesAGap)
{
    struct NoSource : fnd::ISourceEventType {
        fnd::ISourceEvent* CreateSourceEvent(fnd::IContextEvent*) const override { return nullptr; }
    };
    fnd::CSourceEventTypeRegistry reg;
    NoSource none;
    Kind real;
    reg.Register(&none);
    reg.Register(&real);
    auto ctx = fnd::RefPtr<fnd::IContextEvent>::Adopt(new fnd::IContextEvent(reg));
    EXPECT_EQ(ctx->GetSourceEvent(0), nullptr);
    ASSERT_NE(ctx->GetSourceEvent(1), nullptr);
    ctx->BeginModify();
    ctx->GetSourceEvent(1)->Notify(1, nullptr);
    ctx->EndModify();  // clearing skips the gap
    EXPECT_FALSE(ctx->GetSourceEvent(1)->HasFired());
}
