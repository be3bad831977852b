// Shared definitions of the entity kinds: creation with the allocation check, visitor
// entry points and the snapshot operations of a kind whose snapshot holds the base fields
// and one geometry value. A snapshot of another kind is refused (no change, "changed").
#pragma once

#include "NewObject.h"

#include "lum/core/EntVisitor.h"
#include "lum/core/ModifyingEnt.h"

#define LUM_ENT_ACCEPT(Kind)                                                   \
    void Kind::Accept(IConstEntVisitor& v) const { v.visit(this); }            \
    void Kind::Accept(IEntVisitor& v) { v.visit(*this); }

#define LUM_ENT_COPY(Kind)                                                     \
    Kind* Kind::Create(const Kind* src)                                        \
    {                                                                          \
        return src ? detail::NewOrThrow([&] { return new Kind(*src); }) : nullptr; \
    }

#define LUM_ENT_GEOM_MEMENTO(Kind, Field)                                      \
    fnd::IMemento* Kind::CreateMemento() const                                 \
    {                                                                          \
        auto* m = new (std::nothrow) Kind##Memento;                            \
        if (!m)                                                                \
            return nullptr;                                                    \
        FillMemento(*m);                                                       \
        m->geom = Field;                                                       \
        return m;                                                              \
    }                                                                          \
    bool Kind::HasChanged(const fnd::IMemento* mm) const                       \
    {                                                                          \
        const auto* m = OwnMemento<Kind##Memento>(mm);                \
        return !m || BaseChanged(*m) || !(m->geom == Field);                   \
    }                                                                          \
    void Kind::OnSetMemento(fnd::IMemento* mm)                                 \
    {                                                                          \
        const auto* m = OwnMemento<Kind##Memento>(mm);                \
        if (!m)                                                                \
            return;                                                            \
        CModifyingEnt guard(this);                                             \
        RestoreBase(*m);                                                       \
        Field = m->geom;                                                       \
    }
