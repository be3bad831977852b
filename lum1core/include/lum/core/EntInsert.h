// CEntInsert — a block placed in a site with an insertion point, scale factors, rotation and
// a rectangular array of rows and columns; it holds its own attributes as an entity site.
// An insert always holds a reference on its block; while inserted it also counts itself on
// the block (IncInsertCount).
#pragma once

#include "lum1core_export.h"

#include "lum/core/Ent.h"
#include "lum/core/EntSite.h"

#include <utility>
#include <vector>

namespace lum::core {

class CBlock;
class CEntAttrib;
class CEntFactory;
class IBlock;

class LUM1CORE_API CEntInsertMemento : public IEntMemento {
public:
    CEntInsertMemento();
    ~CEntInsertMemento() override;
    fnd::geom::PNT_3D pnt;
    double sx = 1.0, sy = 1.0, sz = 1.0, rotate = 0.0, colSpacing = 0.0, rowSpacing = 0.0;
    std::uint16_t cols = 1, rows = 1;
    std::vector<std::pair<fnd::RefPtr<CEntAttrib>, fnd::RefPtr<fnd::IMemento>>> attribs;
};

class LUM1CORE_API CEntInsert : public CEnt, public IEntSite {
public:
    // Row and column counts of 0 become 1.
    static CEntInsert* Create(CLayer* layer, CLtype* ltype, std::uint16_t color, IBlock* block,
                              const fnd::geom::PNT_3D& pnt, double sx, double sy, double sz,
                              double rotate, std::uint16_t rows, std::uint16_t cols,
                              double colSpacing, double rowSpacing, std::uint32_t handle);
    // A copy with a copy of every attribute made through the factory.
    static CEntInsert* Create(CEntFactory* factory, const CEntInsert* src);
    ~CEntInsert() override;
    fnd::String ToString() const override { return "CEntInsert"; }
    std::uint16_t GetType() const override { return 8; }
    CEnt* Clone(CData* data) const override;
    void Accept(IConstEntVisitor& v) const override;
    void Accept(IEntVisitor& v) override;
    fnd::IMemento* CreateMemento() const override;
    bool HasChanged(const fnd::IMemento* m) const override;
    CEntInsert* GetEntInsert() override { return this; }
    const CEntInsert* GetEntInsert() const override { return this; }

    void OnInsertTable(IHandleTable* table) override;
    void OnRemoveTable() override;
    IHandleTable* GetHandleTable() const override { return CEnt::GetHandleTable(); }

    // IEntSite: forwarded to the insert's own site.
    IHandleGestor* GetHandleGestor() const override;
    IDrawing* GetDrawing() const override;
    fnd::IContextEvent* GetContextEvent() const override { return CEnt::GetContextEvent(); }

    IBlock* GetBlock() const { return m_block; }
    const fnd::geom::PNT_3D& GetPnt() const { return m_pnt; }
    void GetScale(double& x, double& y, double& z) const { x = m_sx; y = m_sy; z = m_sz; }
    double GetXScale() const { return m_sx; }
    double GetYScale() const { return m_sy; }
    double GetZScale() const { return m_sz; }
    double GetRotate() const { return m_rotate; }
    void GetArray(std::uint16_t& rows, std::uint16_t& cols, double& colSpacing, double& rowSpacing) const;
    void GetSpaces(double& colSpacing, double& rowSpacing) const;
    std::uint16_t GetRows() const { return m_rows; }
    std::uint16_t GetCols() const { return m_cols; }
    void GetInsert(fnd::geom::PNT_3D& pnt, double& sx, double& sy, double& sz, double& rotate,
                   std::uint16_t& rows, std::uint16_t& cols, double& colSpacing, double& rowSpacing) const;
    bool IsIsotropic() const { return m_sx == m_sy && m_sy == m_sz; }
    bool HasNoScaleFactors() const { return m_sx == 1.0 && m_sy == 1.0 && m_sz == 1.0; }

    void SetInsert(const fnd::geom::PNT_3D& pnt, double sx, double sy, double sz, double rotate);
    void SetInsert(const fnd::geom::VECTOR_3D& extrusion, const fnd::geom::PNT_3D& pnt, double sx,
                   double sy, double sz, double rotate);
    void SetInsert(const fnd::geom::PNT_3D& pnt, double sx, double sy, double sz, double rotate,
                   std::uint16_t rows, std::uint16_t cols, double colSpacing, double rowSpacing);
    void SetInsertPnt(const fnd::geom::PNT_3D& pnt);

    // Appends the attribute; inserted at once (one notification pair) when the insert is.
    bool Add(CEntAttrib* attrib);
    unsigned GetNoAttribs() const { return m_ents.GetNoEnts(); }
    CEntAttrib* GetAttrib(unsigned i) const;

protected:
    CEntInsert(CLayer* l, CLtype* t, std::uint16_t c, IBlock* block, const fnd::geom::PNT_3D& pnt,
               double sx, double sy, double sz, double rotate, std::uint16_t rows,
               std::uint16_t cols, double colSpacing, double rowSpacing, std::uint32_t h);
    // Copies every field but the attributes.
    CEntInsert(const CEntInsert& src);
    void OnSetMemento(fnd::IMemento* m) override;
    void NormalizeArrayValues();
    // Sets point, scales and rotation, without notification (callers hold the change guard).
    void AssignPlacement(const fnd::geom::PNT_3D& pnt, double sx, double sy, double sz, double rotate);
    void FillInsert(CEntInsertMemento& m) const;
    bool InsertChanged(const CEntInsertMemento& m) const;
    void RestoreInsert(const CEntInsertMemento& m);
    // Changes the inserted block (reference and referring count); no count while inserted.
    void ReplaceBlock(IBlock* block);

    IBlock* m_block = nullptr;
    fnd::geom::PNT_3D m_pnt;
    double m_sx, m_sy, m_sz, m_rotate, m_colSpacing, m_rowSpacing;
    std::uint16_t m_cols, m_rows;

private:
    fnd::RefPtr<CBlock> m_blockRef;
};

}  // namespace lum::core
