// Shared helpers of the drawing-core tests: core start-up, a leak-checking fixture, a
// recording listener and a minimal entity kind.
#pragma once

#include "fnd0lang.h"
#include "lum/core/ContextEventLuma.h"
#include "lum/core/Data.h"
#include "lum/core/DataFactory.h"
#include "lum/core/Ent.h"
#include "lum/core/Functions.h"
#include "lum/core/ModelTargetAdapter.h"
#include "lum/core/ModifyingEntEvent.h"
#include "lum/core/ModifyingTablesEvent.h"
#include "lum/core/SmartString.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumtest {

using namespace lum::core;
using fnd::RefPtr;
using fnd::String;

// Records every notification as text: "begin", "end", "T<code>:<item name>", "E<code>:<n>".
class Recorder : public fnd::ITargetEvent,
                 public IModifyingTablesTargetEvent,
                 public IModifyingEntTargetEvent {
public:
    std::vector<std::string> log;
    fnd::IContextEvent* ctx = nullptr;

    void Attach(fnd::IContextEvent* c) { ctx = c; c->AttachTarget(this); }
    ~Recorder() override { if (ctx) ctx->DetachTarget(this); }

    void OnBeginModify(fnd::IContextEvent*) override { log.push_back("begin"); }
    void OnEndModify(fnd::IContextEvent*) override { log.push_back("end"); }
    void OnNotify(fnd::IContextEvent*, int kind, unsigned code, void* data) override
    {
        m_code = code;
        if (IsModifyingTablesSourceEvent(kind))
            IModifyingTablesTargetEvent::Dispatch(code, data, this);
        else if (IsModifyingEntSourceEvent(kind))
            IModifyingEntTargetEvent::Dispatch(code, data, this);
        else
            log.push_back("K" + std::to_string(kind) + ":" + std::to_string(code));
    }
    void OnTableItemAdded(ITableItem* i) override { Item(i); }
    void OnTableItemRemoved(ITableItem* i) override { Item(i); }
    void OnTableItemChanging(ITableItem* i) override { Item(i); }
    void OnTableItemDescInfoChanged(ITableItem* i) override { Item(i); }
    void OnTableItemDrawInfoChanged(ITableItem* i) override { Item(i); }
    void OnCreatedEnts(const CEntCollection& c) override { Ents(c.GetNoEnts()); }
    void OnErasedEnts(const CEntCollection& c) override { Ents(c.GetNoEnts()); }
    void OnModifyingEnt(CEnt*) override { Ents(1); }
    void OnModifiedEnt(CEnt*) override { Ents(1); }

    void Clear() { log.clear(); }

private:
    void Item(ITableItem* i) { log.push_back("T" + std::to_string(m_code) + ":" + i->GetName().str()); }
    void Ents(unsigned n) { log.push_back("E" + std::to_string(m_code) + ":" + std::to_string(n)); }
    unsigned m_code = 0;
};

// The smallest entity kind: enough to exercise sites, counts and notifications.
class TestEnt : public CEnt {
public:
    static TestEnt* Create(CLayer* layer, CLtype* ltype, std::uint16_t color = 256,
                           std::uint32_t handle = 0)
    {
        return new TestEnt(layer, ltype, color, handle);
    }
    std::uint16_t GetType() const override { return 1; }
    fnd::String ToString() const override { return "TestEnt"; }
    fnd::IMemento* CreateMemento() const override { return nullptr; }
    bool HasChanged(const fnd::IMemento*) const override { return false; }
    CEnt* Clone(CData*) const override { return new TestEnt(GetLayer(), GetLtype(), GetColor(), 0); }
    void Accept(IConstEntVisitor&) const override {}
    void Accept(IEntVisitor&) override {}

protected:
    void OnSetMemento(fnd::IMemento*) override {}

private:
    TestEnt(CLayer* l, CLtype* t, std::uint16_t c, std::uint32_t h) : CEnt(l, t, c, h) {}
};

// A drawing made fresh for each test; at the end every object must be gone.
class DataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        initCore();
        m_live = fnd::IRefCounter::GetLiveObjects();
        data = RefPtr<CData>::Adopt(CDataFactory().CreateData("x"));
        ctx = data->GetContextEvent();
    }
    void TearDown() override
    {
        rec.reset();
        data.reset();
        EXPECT_EQ(fnd::IRefCounter::GetLiveObjects(), m_live) << "objects leaked";
    }
    // Starts recording notifications from now on.
    Recorder& Record()
    {
        rec = std::make_unique<Recorder>();
        rec->Attach(ctx);
        return *rec;
    }

    RefPtr<CData> data;
    fnd::IContextEvent* ctx = nullptr;
    std::unique_ptr<Recorder> rec;

private:
    long m_live = 0;
};

using Log = std::vector<std::string>;

}  // namespace lumtest
