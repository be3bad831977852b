// Copy-on-write collections of handle objects. A collection is a small value that points
// to a shared, reference-counted implementation; copying shares it and every mutator first
// takes its own copy. Iterators hold a reference on the implementation they walk, so a
// collection changed during an iteration is copied and the walk goes on over the old contents.
#pragma once

#include "lum1core_export.h"

#include "fnd/RefPtr.h"
#include "lum/core/HandleObject.h"

#include <vector>

namespace lum::core {

class IHandleObjectIteratorImp;

class LUM1CORE_API IHandleObjectCollectionImp : public fnd::IRefCounter {
public:
    virtual void Add(const IHandleObjectCollectionImp* other) = 0;
    virtual void Add(IHandleObject* object) = 0;
    virtual void Remove(const IHandleObjectCollectionImp* other) = 0;
    // Removes the first occurrence; false when absent.
    virtual bool Remove(IHandleObject* object) = 0;
    // Empties the collection; returns the implementation to keep (see the vector form).
    virtual IHandleObjectCollectionImp* RemoveAll() = 0;
    virtual IHandleObjectIteratorImp* GetIterator() const = 0;
    virtual unsigned GetNoElems() const = 0;
    virtual bool IsInserted(const IHandleObject* object) const = 0;
    // Element i, or null when out of range.
    virtual IHandleObject* GetObjectNo(unsigned i) const = 0;
    // This implementation when not shared, otherwise a copy (and the shared one released).
    virtual IHandleObjectCollectionImp* GetOwnCopy() = 0;
};

class LUM1CORE_API IHandleObjectIteratorImp : public fnd::IRefCounter {
public:
    virtual IHandleObject* GetNext() const = 0;
    virtual unsigned GetNoElems() const = 0;
};

// The implementation: an array of pointers holding one reference per element.
class LUM1CORE_API CHandleObjectVectorCollectionImp : public IHandleObjectCollectionImp {
public:
    // From this many objects on, removing a collection works by one pass over the array.
    static constexpr unsigned kBulkRemove = 16;
    static CHandleObjectVectorCollectionImp* Create();
    ~CHandleObjectVectorCollectionImp() override;
    fnd::String ToString() const override { return "CHandleObjectVectorCollectionImp"; }

    void Add(const IHandleObjectCollectionImp* other) override;
    void Add(IHandleObject* object) override;
    void Remove(const IHandleObjectCollectionImp* other) override;
    bool Remove(IHandleObject* object) override;
    IHandleObjectCollectionImp* RemoveAll() override;
    IHandleObjectIteratorImp* GetIterator() const override;
    unsigned GetNoElems() const override { return static_cast<unsigned>(m_items.size()); }
    bool IsInserted(const IHandleObject* object) const override;
    IHandleObject* GetObjectNo(unsigned i) const override;
    IHandleObjectCollectionImp* GetOwnCopy() override;

private:
    CHandleObjectVectorCollectionImp() = default;
    std::vector<IHandleObject*> m_items;
};

class LUM1CORE_API CHandleObjectVectorIteratorImp : public IHandleObjectIteratorImp {
public:
    static CHandleObjectVectorIteratorImp* Create(const IHandleObjectCollectionImp* imp);
    fnd::String ToString() const override { return "CHandleObjectVectorIteratorImp"; }
    IHandleObject* GetNext() const override;
    unsigned GetNoElems() const override { return m_imp->GetNoElems(); }

private:
    explicit CHandleObjectVectorIteratorImp(const IHandleObjectCollectionImp* imp) : m_imp(imp) {}
    fnd::RefPtr<const IHandleObjectCollectionImp> m_imp;
    mutable unsigned m_next = 0;
};

class LUM1CORE_API CHandleObjectIterator {
public:
    explicit CHandleObjectIterator(IHandleObjectIteratorImp* adopted)
        : m_imp(fnd::RefPtr<IHandleObjectIteratorImp>::Adopt(adopted)) {}
    // The next object, or null after the last.
    IHandleObject* GetNext() const { return m_imp->GetNext(); }
    unsigned GetNoElems() const { return m_imp->GetNoElems(); }

private:
    fnd::RefPtr<IHandleObjectIteratorImp> m_imp;
};

class LUM1CORE_API CHandleObjectCollection {
public:
    // Takes over the creator's reference on imp.
    explicit CHandleObjectCollection(IHandleObjectCollectionImp* adopted);

    CHandleObjectIterator GetIterator() const;
    unsigned GetNoElems() const { return m_imp->GetNoElems(); }
    bool HasElements() const { return GetNoElems() != 0; }
    bool IsInserted(const IHandleObject* object) const { return m_imp->IsInserted(object); }
    IHandleObject* GetObjectNo(unsigned i) const { return m_imp->GetObjectNo(i); }

    void Add(IHandleObject* object);
    void Add(const CHandleObjectCollection& other);
    bool Remove(IHandleObject* object);
    void Remove(const CHandleObjectCollection& other);
    void RemoveAll();

    const IHandleObjectCollectionImp* GetImp() const { return m_imp.get(); }

private:
    void MakeOwn();
    fnd::RefPtr<IHandleObjectCollectionImp> m_imp;
};

// A collection over a new vector implementation, empty or holding one object.
class LUM1CORE_API CHandleObjectVectorCollection : public CHandleObjectCollection {
public:
    CHandleObjectVectorCollection();
    explicit CHandleObjectVectorCollection(IHandleObject* object);
};

}  // namespace lum::core
