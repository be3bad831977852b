// Helpers of the entity, block and polyline tests: a listener that records which entity each
// change notification names, and short constructors of entities on a drawing.
#pragma once

#include "TestSupport.h"

#include "lum/core/Block.h"
#include "lum/core/BlockTable.h"
#include "lum/core/Ent3DFace.h"
#include "lum/core/EntCurves.h"
#include "lum/core/EntHatch.h"
#include "lum/core/EntInsert.h"
#include "lum/core/EntPolyline.h"
#include "lum/core/EntText.h"
#include "lum/core/EntVisitor.h"
#include "lum/core/Layer.h"
#include "lum/core/LtypeBuiltin.h"

#include <utility>

namespace lumtest {

using fnd::geom::PNT_3D;
using fnd::geom::VECTOR_3D;

// Records "begin", "end", "M" (modifying) and "D" (modified) with the entity named.
class EntLog : public fnd::ITargetEvent, public IModifyingEntTargetEvent {
public:
    std::vector<std::pair<std::string, const CEnt*>> log;
    fnd::IContextEvent* ctx = nullptr;

    void Attach(fnd::IContextEvent* c) { ctx = c; c->AttachTarget(this); }
    ~EntLog() override { if (ctx) ctx->DetachTarget(this); }
    void OnBeginModify(fnd::IContextEvent*) override { log.emplace_back("begin", nullptr); }
    void OnEndModify(fnd::IContextEvent*) override { log.emplace_back("end", nullptr); }
    void OnNotify(fnd::IContextEvent*, int kind, unsigned code, void* data) override
    {
        if (IsModifyingEntSourceEvent(kind))
            IModifyingEntTargetEvent::Dispatch(code, data, this);
    }
    void OnModifyingEnt(CEnt* e) override { log.emplace_back("M", e); }
    void OnModifiedEnt(CEnt* e) override { log.emplace_back("D", e); }
    // The notifications only, without the batch brackets.
    std::vector<std::pair<std::string, const CEnt*>> Calls() const
    {
        std::vector<std::pair<std::string, const CEnt*>> out;
        for (const auto& c : log)
            if (c.first == "M" || c.first == "D")
                out.push_back(c);
        return out;
    }
};

class EntTest : public DataTest {
protected:
    void SetUp() override
    {
        DataTest::SetUp();
        cont = GetLtypeContinuous(data.get());
        layer = AddNewLayer(data.get(), "Wall", cont, 1, 0, 0);
        other = AddNewLayer(data.get(), "Road", cont, 2, 0, 0);
    }
    void TearDown() override
    {
        log.reset();
        DataTest::TearDown();
    }
    EntLog& Listen()
    {
        log = std::make_unique<EntLog>();
        log->Attach(ctx);
        return *log;
    }
    RefPtr<CEntPnt> Pnt(PNT_3D p = {1, 2, 3})
    {
        return RefPtr<CEntPnt>::Adopt(CEntPnt::Create(layer, cont, 256, p, 0));
    }
    RefPtr<CEntLine> Line(PNT_3D a = {0, 0, 0}, PNT_3D b = {1, 0, 0})
    {
        return RefPtr<CEntLine>::Adopt(CEntLine::Create(layer, cont, 256, {a, b}, 0));
    }
    RefPtr<CBlock> Block(const char* name, PNT_3D base = {})
    {
        return RefPtr<CBlock>::Adopt(CBlock::Create(name, base, 0, 0));
    }
    RefPtr<CEntInsert> Insert(IBlock* b, PNT_3D p = {}, double s = 1.0)
    {
        return RefPtr<CEntInsert>::Adopt(CEntInsert::Create(layer, cont, 256, b, p, s, s, s, 0.0, 1, 1, 0, 0, 0));
    }
    CBlockTable* Blocks() const { return GetMainBlockTable(data.get()); }
    CEntTable* Model() const { return GetMainEntTable(data.get()); }

    CLtype* cont = nullptr;
    CLayer* layer = nullptr;
    CLayer* other = nullptr;
    std::unique_ptr<EntLog> log;
};

}  // namespace lumtest
