#include "lum/core/Functions.h"

#include "lum/core/Data.h"
#include "lum/core/Block.h"
#include "lum/core/Ent.h"

namespace lum::core {

CLayerTable* GetMainLayerTable(const CData* d) { return d->GetMainDrawing()->GetLayerTable(); }
CLtypeTable* GetMainLtypeTable(const CData* d) { return d->GetMainDrawing()->GetLtypeTable(); }
CStyleTable* GetMainStyleTable(const CData* d) { return d->GetMainDrawing()->GetStyleTable(); }
CUcsTable* GetMainUcsTable(const CData* d) { return d->GetMainDrawing()->GetUcsTable(); }
CBlockTable* GetMainBlockTable(const CData* d) { return d->GetMainDrawing()->GetBlockTable(); }
CEntTable* GetMainEntTable(const CData* d) { return d->GetMainDrawing()->GetEntTable(); }
const CEntCollection& GetMainEntCollection(const CData* d) { return GetMainEntTable(d)->GetEntCollection(); }

CLtypeContinuous* GetLtypeContinuous(const CData* d) { return d->GetLtypeContinuous(); }
CLtypeByLayer* GetLtypeByLayer(const CData* d) { return d->GetLtypeByLayer(); }
CLtypeByBlock* GetLtypeByBlock(const CData* d) { return d->GetLtypeByBlock(); }
CLayer0* GetLayer0(const CData* d) { return d->GetLayer0(); }
CStyleStandard* GetStyleStandard(const CData* d) { return GetMainStyleTable(d)->GetStyleStandard(); }

namespace {
// Adds a newly created item to its table; the creation reference goes in any case.
template <class Item, class Table>
Item* AddCreated(Item* created, Table* table)
{
    auto item = fnd::RefPtr<Item>::Adopt(created);
    if (!item || !table->Add(item.get()))
        return nullptr;
    return item.get();  // the table holds it now
}
}  // namespace

CLayer* AddNewLayer(CData* d, const fnd::String& name, CLtype* ltype, std::uint16_t color,
                    std::uint32_t flags, std::uint32_t handle)
{
    return AddCreated(d->GetLayerFactory()->Create(name, ltype, color, flags, handle), GetMainLayerTable(d));
}

CLtype* AddNewLtype(CData* d, const fnd::String& name, const fnd::String& desc,
                    const CLtypeComplexDashSeq& dashes, std::uint32_t flags, std::uint32_t handle)
{
    return AddCreated(d->GetLtypeFactory()->Create(name, desc, dashes, flags, handle), GetMainLtypeTable(d));
}

CLtype* AddNewLtype(CData* d, const fnd::String& name, const fnd::String& desc, const double* dashes,
                    unsigned count, std::uint32_t flags, std::uint32_t handle)
{
    return AddCreated(d->GetLtypeFactory()->Create(name, desc, dashes, count, flags, handle),
                      GetMainLtypeTable(d));
}

CStyle* AddNewStyle(CData* d, const fnd::String& name, const ICADFont* font, double fixedHeight,
                    double widthScale, double oblique, double lastHeight, std::uint32_t flags,
                    std::uint32_t handle)
{
    return AddCreated(d->GetStyleFactory()->Create(name, font, fixedHeight, widthScale, oblique,
                                                   lastHeight, flags, handle),
                      GetMainStyleTable(d));
}

CLtype* FindLtype(const CData* d, const fnd::String& name) { return GetMainLtypeTable(d)->Find(name); }
CLayer* FindLayer(const CData* d, const fnd::String& name) { return GetMainLayerTable(d)->Find(name); }
CStyle* FindStyle(const CData* d, const fnd::String& name) { return GetMainStyleTable(d)->Find(name); }
CUcs* FindUcs(const CData* d, const fnd::String& name) { return GetMainUcsTable(d)->Find(name); }

bool RemoveLtype(CData* d, CLtype* l) { return GetMainLtypeTable(d)->Remove(l); }
bool RemoveLtype(CData* d, const fnd::String& name) { return RemoveLtype(d, FindLtype(d, name)); }
bool RemoveLayer(CData* d, CLayer* l) { return GetMainLayerTable(d)->Remove(l); }
bool RemoveLayer(CData* d, const fnd::String& name) { return RemoveLayer(d, FindLayer(d, name)); }
bool RemoveStyle(CData* d, CStyle* s) { return GetMainStyleTable(d)->Remove(s); }
bool RemoveStyle(CData* d, const fnd::String& name) { return RemoveStyle(d, FindStyle(d, name)); }

void AddEnt(CData* d, CEnt* e) { GetMainEntTable(d)->Add(e); }
void AddEnts(CData* d, const CEntCollection& e) { GetMainEntTable(d)->Add(e); }
void RemoveEnt(CData* d, CEnt* e) { GetMainEntTable(d)->Remove(e); }
void RemoveEnts(CData* d, const CEntCollection& e) { GetMainEntTable(d)->Remove(e); }

std::int16_t GetColor(std::uint16_t color, const CLayer* layer, std::int16_t blockColor)
{
    if (color == 0)
        return blockColor;
    if (color == 256 && layer)
        return static_cast<std::int16_t>(layer->GetColor());
    return static_cast<std::int16_t>(color);
}

fnd::String GetBlockProgressiveName(const CBlockTable* table, const fnd::String& base)
{
    return table ? table->GetProgName(base) : base + fnd::String("1");
}

bool ScomposeName(const fnd::String& fullName, fnd::String& prefix, fnd::String& name)
{
    const long bar = fullName.Find('|');
    if (bar <= 0 || static_cast<std::size_t>(bar) + 1 >= fullName.Size())
        return false;
    prefix = fullName.Left(static_cast<std::size_t>(bar));
    name = fullName.Mid(static_cast<std::size_t>(bar) + 1);
    return true;
}

CBlock* AddNewBlock(CData* d, const fnd::String& name, const fnd::geom::PNT_3D& base,
                    const CEntCollection& ents, std::uint32_t flags, std::uint32_t handle)
{
    auto block = fnd::RefPtr<CBlock>::Adopt(d->GetBlockFactory()->Create(name, base, flags, handle));
    CEntIterator it = ents.GetIterator();
    while (CEnt* e = it.GetNext())
        block->Add(e);
    if (!GetMainBlockTable(d)->Add(block.get()))
        return nullptr;
    return block.get();
}

CBlock* FindBlock(const CData* d, const fnd::String& name) { return GetMainBlockTable(d)->Find(name); }
bool RemoveBlock(CData* d, CBlock* block) { return GetMainBlockTable(d)->Remove(block); }
CEnt* CloneEnt(CData* d, const CEnt* ent) { return ent ? ent->Clone(d) : nullptr; }

}  // namespace lum::core
