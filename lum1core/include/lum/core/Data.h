// CData — one drawing database: the factories, the notification context, the main drawing
// and the built-in items (CONTINUOUS, BYLAYER, BYBLOCK, layer "0"); with the iterators over
// the main drawing's tables.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefPtr.h"
#include "lum/core/Drawing.h"
#include "lum/core/ObjectFactory.h"

namespace lum::core {

class LUM1CORE_API CData : public CObjectFactory {
public:
    static CData* Create(const fnd::String& name, fnd::IContextEvent* context, IHandleGestor* gestor,
                         CLtypeFactory* ltypeFactory, CLayerFactory* layerFactory,
                         CStyleFactory* styleFactory, CUcsFactory* ucsFactory,
                         CBlockFactory* blockFactory, CEntFactory* entFactory);
    // Releases the main drawing, layer "0", CONTINUOUS, BYLAYER, BYBLOCK, the context and
    // then the factories.
    ~CData() override;
    fnd::String ToString() const override { return "CData"; }

    fnd::IContextEvent* GetContextEvent() const { return m_context.get(); }
    IDrawing* GetMainDrawing() const { return m_main.get(); }
    CLayer0* GetLayer0() const { return m_layer0.get(); }
    CLtypeContinuous* GetLtypeContinuous() const { return m_continuous.get(); }
    CLtypeByLayer* GetLtypeByLayer() const { return m_byLayer.get(); }
    CLtypeByBlock* GetLtypeByBlock() const { return m_byBlock.get(); }

    // Iterators over the main drawing's tables in insertion order. Their boolean argument
    // is kept and does not filter. Each walks the contents the table had when it was made.
    class LUM1CORE_API CLayerIterator {
    public:
        CLayerIterator(const CData* data, bool flag);
        CLayer* GetNext();
        unsigned GetNoLayers() const { return m_it.GetNoElems(); }
        bool GetFlag() const { return m_flag; }

    private:
        CHandleObjectIterator m_it;
        bool m_flag;
    };
    class LUM1CORE_API CStyleIterator {
    public:
        CStyleIterator(const CData* data, bool flag);
        CStyle* GetNext();
        unsigned GetNoStyles() const { return m_it.GetNoElems(); }
        bool GetFlag() const { return m_flag; }

    private:
        CHandleObjectIterator m_it;
        bool m_flag;
    };
    class LUM1CORE_API CBlockIterator {
    public:
        CBlockIterator(const CData* data, bool flag);
        CBlock* GetNext();
        unsigned GetNoBlocks() const { return m_it.GetNoElems(); }
        bool GetFlag() const { return m_flag; }

    private:
        CHandleObjectIterator m_it;
        bool m_flag;
    };
    class LUM1CORE_API CUcsIterator {
    public:
        explicit CUcsIterator(const CData* data);
        CUcs* GetNext();
        unsigned GetNoUcss() const { return m_it.GetNoElems(); }

    private:
        CHandleObjectIterator m_it;
    };
    // Without pseudo-linetypes, BYLAYER and BYBLOCK are skipped and not counted.
    class LUM1CORE_API CLtypeIterator {
    public:
        CLtypeIterator(const CData* data, bool flag, bool pseudo);
        CLtype* GetNext();
        unsigned GetNoLtypes() const;
        bool GetFlag() const { return m_flag; }

    private:
        CHandleObjectIterator m_it;
        bool m_flag;
        bool m_pseudo;
    };

private:
    CData(const fnd::String& name, fnd::IContextEvent* context, IHandleGestor* gestor,
          CLtypeFactory* ltypeFactory, CLayerFactory* layerFactory, CStyleFactory* styleFactory,
          CUcsFactory* ucsFactory, CBlockFactory* blockFactory, CEntFactory* entFactory);

    fnd::RefPtr<fnd::IContextEvent> m_context;
    fnd::RefPtr<IDrawing> m_main;
    fnd::RefPtr<CLtypeContinuous> m_continuous;
    fnd::RefPtr<CLtypeByLayer> m_byLayer;
    fnd::RefPtr<CLtypeByBlock> m_byBlock;
    fnd::RefPtr<CLayer0> m_layer0;
};

}  // namespace lum::core
