#include "fnd0lang.h"

#include <gtest/gtest.h>

namespace {

class Obj : public fnd::IRefCounter {
public:
    explicit Obj(bool* destroyed = nullptr) : m_destroyed(destroyed)
    {
        // Handing out `this` during construction must not destroy the object.
        fnd::RefPtr<Obj> self(this);
    }
    ~Obj() override { if (m_destroyed) *m_destroyed = true; }
    fnd::String ToString() const override { return "Obj"; }

private:
    bool* m_destroyed;
};

class Snap : public fnd::IMemento {
public:
    explicit Snap(int v) : value(v) {}
    fnd::String ToString() const override { return "Snap"; }
    int value;
};

class Counter : public fnd::IMementable {
public:
    int value = 0;
    fnd::IMemento* CreateMemento() const override { return new Snap(value); }
    bool HasChanged(const fnd::IMemento* m) const override
    {
        return static_cast<const Snap*>(m)->value != value;
    }

protected:
    void OnSetMemento(fnd::IMemento* m) override { value = static_cast<Snap*>(m)->value; }
};

}  // namespace

TEST(RefCounter, CountsAndLiveObjects)
{
    const long before = fnd::IRefCounter::GetLiveObjects();
    bool destroyed = false;
    Obj* o = new Obj(&destroyed);
    EXPECT_EQ(o->GetReferences(), 1u);
    EXPECT_EQ(fnd::IRefCounter::GetLiveObjects(), before + 1);
    o->AddReference();
    o->SubReference();
    EXPECT_FALSE(destroyed);
    o->SubReference();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(fnd::IRefCounter::GetLiveObjects(), before);
}

TEST(RefPtr, AdoptShareResetRelease)
{
    const long before = fnd::IRefCounter::GetLiveObjects();
    {
        auto a = fnd::RefPtr<Obj>::Adopt(new Obj);
        EXPECT_EQ(a->GetReferences(), 1u);
        fnd::RefPtr<Obj> b = a;
        EXPECT_EQ(a->GetReferences(), 2u);
        b.reset(a.get());  // self reset keeps the object alive
        EXPECT_EQ(a->GetReferences(), 2u);
        fnd::RefPtr<Obj> c = std::move(b);
        EXPECT_FALSE(b);
        EXPECT_EQ(a->GetReferences(), 2u);
        Obj* raw = c.release();
        EXPECT_EQ(a->GetReferences(), 2u);
        raw->SubReference();
        fnd::RefPtr<const Obj> k(a.get());
        EXPECT_EQ(a->GetReferences(), 2u);
    }
    EXPECT_EQ(fnd::IRefCounter::GetLiveObjects(), before);
}

TEST(Memento, RoundTrip)
{
    Counter c;
    c.value = 4;
    auto snap = fnd::RefPtr<fnd::IMemento>::Adopt(c.CreateMemento());
    EXPECT_FALSE(c.HasChanged(snap.get()));
    c.value = 9;
    EXPECT_TRUE(c.HasChanged(snap.get()));
    c.SetMemento(snap.get());
    EXPECT_EQ(c.value, 4);
    c.SetMemento(nullptr);  // ignored
    EXPECT_EQ(c.value, 4);
}
