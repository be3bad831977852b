// The free functions through which the host fills and queries a drawing database.
#pragma once

#include "lum1core_export.h"

#include "fnd/String.h"
#include "fnd/geom/Point.h"

#include <cstdint>

namespace lum::core {

class CBlock;
class CData;
class CEnt;
class CEntCollection;
class CBlockTable;
class CEntTable;
class CLayer;
class CLayer0;
class CLayerTable;
class CLtype;
class CLtypeByBlock;
class CLtypeByLayer;
class CLtypeComplexDashSeq;
class CLtypeContinuous;
class CLtypeTable;
class CStyle;
class CStyleStandard;
class CStyleTable;
class CUcs;
class CUcsTable;
class ICADFont;

LUM1CORE_API CLayerTable* GetMainLayerTable(const CData* data);
LUM1CORE_API CLtypeTable* GetMainLtypeTable(const CData* data);
LUM1CORE_API CStyleTable* GetMainStyleTable(const CData* data);
LUM1CORE_API CUcsTable* GetMainUcsTable(const CData* data);
LUM1CORE_API CBlockTable* GetMainBlockTable(const CData* data);
LUM1CORE_API CEntTable* GetMainEntTable(const CData* data);
LUM1CORE_API const CEntCollection& GetMainEntCollection(const CData* data);

LUM1CORE_API CLtypeContinuous* GetLtypeContinuous(const CData* data);
LUM1CORE_API CLtypeByLayer* GetLtypeByLayer(const CData* data);
LUM1CORE_API CLtypeByBlock* GetLtypeByBlock(const CData* data);
LUM1CORE_API CLayer0* GetLayer0(const CData* data);
LUM1CORE_API CStyleStandard* GetStyleStandard(const CData* data);

// Each creates the item with the data's factory, adds it to the main table and returns it
// (held by the table). When the table refuses it, nothing is kept and the exception passes.
LUM1CORE_API CLayer* AddNewLayer(CData* data, const fnd::String& name, CLtype* ltype,
                                 std::uint16_t color, std::uint32_t flags, std::uint32_t handle);
LUM1CORE_API CLtype* AddNewLtype(CData* data, const fnd::String& name, const fnd::String& desc,
                                 const CLtypeComplexDashSeq& dashes, std::uint32_t flags,
                                 std::uint32_t handle);
LUM1CORE_API CLtype* AddNewLtype(CData* data, const fnd::String& name, const fnd::String& desc,
                                 const double* dashes, unsigned count, std::uint32_t flags,
                                 std::uint32_t handle);
LUM1CORE_API CStyle* AddNewStyle(CData* data, const fnd::String& name, const ICADFont* font,
                                 double fixedHeight, double widthScale, double oblique,
                                 double lastHeight, std::uint32_t flags, std::uint32_t handle);

// Creates the block with the data's block factory, adds the entities in order (CBlock::Add),
// adds the block to the main block table and returns it (held by the table).
LUM1CORE_API CBlock* AddNewBlock(CData* data, const fnd::String& name, const fnd::geom::PNT_3D& base,
                                 const CEntCollection& ents, std::uint32_t flags, std::uint32_t handle);
LUM1CORE_API CBlock* FindBlock(const CData* data, const fnd::String& name);
// False when not in the table; CBrokenGraphException while another block inserts it.
LUM1CORE_API bool RemoveBlock(CData* data, CBlock* block);
// The entity's Clone(data); one reference for the caller.
LUM1CORE_API CEnt* CloneEnt(CData* data, const CEnt* ent);

LUM1CORE_API CLtype* FindLtype(const CData* data, const fnd::String& name);
LUM1CORE_API CLayer* FindLayer(const CData* data, const fnd::String& name);
LUM1CORE_API CStyle* FindStyle(const CData* data, const fnd::String& name);
LUM1CORE_API CUcs* FindUcs(const CData* data, const fnd::String& name);

// False when the item is not in the table, is built in, or (by name) is not found.
LUM1CORE_API bool RemoveLtype(CData* data, CLtype* ltype);
LUM1CORE_API bool RemoveLtype(CData* data, const fnd::String& name);
LUM1CORE_API bool RemoveLayer(CData* data, CLayer* layer);
LUM1CORE_API bool RemoveLayer(CData* data, const fnd::String& name);
LUM1CORE_API bool RemoveStyle(CData* data, CStyle* style);
LUM1CORE_API bool RemoveStyle(CData* data, const fnd::String& name);

LUM1CORE_API void AddEnt(CData* data, CEnt* ent);
LUM1CORE_API void AddEnts(CData* data, const CEntCollection& ents);
LUM1CORE_API void RemoveEnt(CData* data, CEnt* ent);
LUM1CORE_API void RemoveEnts(CData* data, const CEntCollection& ents);

// 0 (by block) gives blockColor, 256 (by layer) the layer's colour, others themselves.
LUM1CORE_API std::int16_t GetColor(std::uint16_t color, const CLayer* layer, std::int16_t blockColor);
LUM1CORE_API fnd::String GetBlockProgressiveName(const CBlockTable* table, const fnd::String& base);
// Splits "prefix|name"; false (outputs untouched) when empty, without "|", or "|" first or last.
LUM1CORE_API bool ScomposeName(const fnd::String& fullName, fnd::String& prefix, fnd::String& name);

// Makes the model's three notification kinds known (entity, loading, table, in this
// order). Calling it again changes nothing.
LUM1CORE_API void initCore();
// Destroys the font table and the colour table.
LUM1CORE_API void shutdownCore();

}  // namespace lum::core
