// CEntHatch — a hatch: an insert of a block of its own (lines and points generated from a
// pattern), with the pattern, its scale and rotation and the boundary points. The hatch
// holds a reference on its block for its whole life; while the hatch is inserted its block
// sits in the drawing's block table.
#pragma once

#include "lum1core_export.h"

#include "lum/core/Block.h"
#include "lum/core/EntInsert.h"

#include <vector>

namespace lum::core {

struct HATCH_TYPE;
class CEntMoveVisitor;

class LUM1CORE_API CEntHatchMemento : public CEntInsertMemento {
public:
    double hatchScale = 1.0, hatchRotate = 0.0;
    const HATCH_TYPE* pattern = nullptr;
    std::vector<fnd::geom::PNT_3D> points;
    fnd::RefPtr<CBlock> block;
    unsigned blockEnts = 0;
    fnd::RefPtr<CBlockMemento> blockMemento;
};

class LUM1CORE_API CEntHatch : public CEntInsert {
public:
    // Makes a new, free hatch block for a name, pattern, scale, rotation, boundary and data;
    // null when it cannot. The hatch generator installs it.
    using BlockMaker = CBlock* (*)(const fnd::String& name, const HATCH_TYPE* pattern, double scale,
                                   double rotate, const std::vector<fnd::geom::PNT_3D>& points,
                                   CData* data);
    static void SetBlockMaker(BlockMaker maker);
    static BlockMaker GetBlockMaker();
    // A free block name for the prefix "*PAT" in the data's block table.
    static fnd::String GetHatchName(const CData* data);

    // A hatch over an existing hatch block.
    static CEntHatch* Create(CLayer* layer, CLtype* ltype, std::uint16_t color, CBlock* block,
                             const HATCH_TYPE* pattern, double scale, double rotate,
                             const std::vector<fnd::geom::PNT_3D>& points, std::uint32_t handle);
    // A hatch whose block is made by the block maker; null when there is none or it fails.
    static CEntHatch* Create(CLayer* layer, CLtype* ltype, std::uint16_t color,
                             const fnd::String& blockName, const HATCH_TYPE* pattern, double scale,
                             double rotate, const std::vector<fnd::geom::PNT_3D>& points,
                             CData* data, std::uint32_t handle);
    // A copy with a block of its own ("*PAT<n>") holding clones of the source block's entities.
    static CEntHatch* Create(CData* data, const CEntHatch* src);

    fnd::String ToString() const override { return "CEntHatch"; }
    std::uint16_t GetType() const override { return 10; }
    CEnt* Clone(CData* data) const override { return Create(data, this); }
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;

    void OnInsertTable(IHandleTable* table) override;
    void OnRemoveTable() override;

    unsigned GetNoPnts() const { return static_cast<unsigned>(m_points.size()); }
    const fnd::geom::PNT_3D& GetPnt(unsigned i) const { return m_points[i]; }
    const std::vector<fnd::geom::PNT_3D>& GetPnts() const { return m_points; }
    double GetHatchScale() const { return m_hatchScale; }
    double GetHatchRotate() const { return m_hatchRotate; }
    const HATCH_TYPE* GetHatchType() const { return m_pattern; }
    CBlock* GetBlock() const { return m_hatchBlock.get(); }

    void SetPnt(unsigned i, const fnd::geom::PNT_3D& p) { if (i < m_points.size()) m_points[i] = p; }
    void SetHatchScale(double s) { m_hatchScale = s; }
    void SetHatchRotate(double r) { m_hatchRotate = r; }

    // Regenerates the hatch block. False, nothing changed, when the new block cannot be made;
    // true (nothing notified) when scale, rotation and pattern are already those.
    bool Redefine(CData* data, double scale, double rotate, const HATCH_TYPE* pattern);
    // Moves the block's entities by the displacement and the boundary by its planar form.
    void Move(const CEntMoveVisitor& move);

protected:
    void OnSetMemento(fnd::IMemento* m) override;

private:
    CEntHatch(CLayer* l, CLtype* t, std::uint16_t c, CBlock* block, const HATCH_TYPE* pattern,
              double scale, double rotate, const std::vector<fnd::geom::PNT_3D>& points,
              std::uint32_t h);
    // Puts block in place of the current hatch block, keeping the block table and its graph
    // right (the new block takes the old one's place in the table).
    void SwapBlock(CBlock* block);

    double m_hatchScale, m_hatchRotate;
    std::vector<fnd::geom::PNT_3D> m_points;
    const HATCH_TYPE* m_pattern;
    fnd::RefPtr<CBlock> m_hatchBlock;
};

}  // namespace lum::core
