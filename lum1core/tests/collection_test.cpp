#include "TestSupport.h"

#include "lum/core/EntTable.h"

#include <algorithm>

using namespace lumtest;

namespace {
// Free entities on layer "0"; the fixture checks that all of them go away.
class CollectionTest : public DataTest {
protected:
    TestEnt* Make()
    {
        auto e = RefPtr<TestEnt>::Adopt(TestEnt::Create(GetLayer0(data.get()), GetLtypeContinuous(data.get())));
        ents.AddEnt(e.get());
        return e.get();
    }
    CEntVectorCollection ents;
    void TearDown() override
    {
        ents.RemoveAllEnts();
        DataTest::TearDown();
    }
};
}  // namespace

TEST_F(CollectionTest, CopiesShareUntilWrittenAndKeepReferences)
{
    TestEnt* a = Make();
    TestEnt* b = Make();
    EXPECT_EQ(a->GetReferences(), 1u);  // the collection's only
    CEntCollection copy = ents;  // shares the implementation
    EXPECT_EQ(copy.GetCollection().GetImp(), ents.GetCollection().GetImp());
    EXPECT_EQ(a->GetReferences(), 1u);
    copy.RemoveEnt(a);  // copy on write
    EXPECT_NE(copy.GetCollection().GetImp(), ents.GetCollection().GetImp());
    EXPECT_EQ(copy.GetNoEnts(), 1u);
    EXPECT_EQ(ents.GetNoEnts(), 2u);
    EXPECT_EQ(b->GetReferences(), 2u);
    EXPECT_FALSE(copy.RemoveEnt(a));  // absent: ignored, no release
    EXPECT_EQ(a->GetReferences(), 1u);
    copy.RemoveAllEnts();
    EXPECT_EQ(b->GetReferences(), 1u);
    EXPECT_EQ(ents.GetEnt(1), b);
    EXPECT_EQ(ents.GetEnt(2), nullptr);  // out of range
}

TEST_F(CollectionTest, IterationSeesTheContentsItStartedWith)
{
    for (int i = 0; i < 5; ++i)
        Make();
    CEntIterator it = ents.GetIterator();
    unsigned seen = 0;
    while (CEnt* e = it.GetNext()) {
        ++seen;
        ents.RemoveEnt(e);  // removing while walking
    }
    EXPECT_EQ(seen, 5u);
    EXPECT_EQ(ents.GetNoEnts(), 0u);
    EXPECT_EQ(it.GetNext(), nullptr);  // stays at the end
}

TEST_F(CollectionTest, DuplicatesAndSelfAppend)
{
    TestEnt* a = Make();
    ents.AddEnt(a);  // duplicates are allowed
    EXPECT_EQ(ents.GetNoEnts(), 2u);
    EXPECT_EQ(a->GetReferences(), 2u);
    ents.AddEnts(ents);  // appending to itself doubles it
    EXPECT_EQ(ents.GetNoEnts(), 4u);
    EXPECT_EQ(a->GetReferences(), 4u);
    EXPECT_TRUE(ents.RemoveEnt(a));  // the first occurrence only
    EXPECT_EQ(ents.GetNoEnts(), 3u);
    ents.RemoveEnts(ents);  // every element of itself
    EXPECT_EQ(ents.GetNoEnts(), 0u);
    ents.AddEnt(nullptr);
    EXPECT_FALSE(ents.HasElements());
}

TEST_F(CollectionTest, RemoveAllOfASharedImplementationLeavesTheOtherIntact)
{
    TestEnt* a = Make();
    CEntCollection copy = ents;
    copy.RemoveAllEnts();
    EXPECT_EQ(copy.GetNoEnts(), 0u);
    EXPECT_EQ(ents.GetNoEnts(), 1u);
    EXPECT_TRUE(ents.IsInserted(a));
    EXPECT_FALSE(copy.IsInserted(a));
}

TEST_F(CollectionTest, RemovingManyAtOnceDropsFirstOccurrences)
{
    // Compared with a plain model: remove the first occurrence of each element in turn.
    std::vector<CEnt*> pool;
    for (int i = 0; i < 40; ++i)
        pool.push_back(Make());
    for (int i = 0; i < 40; i += 3)
        ents.AddEnt(pool[static_cast<size_t>(i)]);  // duplicates after the originals
    std::vector<CEnt*> model;
    for (unsigned i = 0; i < ents.GetNoEnts(); ++i)
        model.push_back(ents.GetEnt(i));

    for (unsigned size : {3u, 30u}) {  // below and above the one-pass threshold
        SCOPED_TRACE(size);
        CEntCollection work = ents;
        std::vector<CEnt*> expected = model;
        CEntVectorCollection gone;
        for (unsigned k = 0; k < size; ++k) {
            CEnt* e = pool[(k * 7) % 40];
            gone.AddEnt(e);
            if (k % 4 == 0)
                gone.AddEnt(e);  // asked twice: the duplicate goes too
        }
        for (unsigned i = 0; i < gone.GetNoEnts(); ++i) {
            const auto it = std::find(expected.begin(), expected.end(), gone.GetEnt(i));
            if (it != expected.end())
                expected.erase(it);
        }
        work.RemoveEnts(gone);
        ASSERT_EQ(work.GetNoEnts(), expected.size());
        for (unsigned i = 0; i < expected.size(); ++i)
            EXPECT_EQ(work.GetEnt(i), expected[i]) << i;
    }
    // Every reference given back: only the fixture's collection holds them now.
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(pool[static_cast<size_t>(i)]->GetReferences(), i % 3 == 0 ? 2u : 1u);
}
