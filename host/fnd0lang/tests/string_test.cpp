#include "fnd0lang.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unordered_set>

using fnd::String;

TEST(String, ExactEqualityAndCaseFolding)
{
    struct Case { const char* a; const char* b; bool exact; bool noCase; };
    const Case cases[] = {
        {"Layer1", "Layer1", true, true},
        {"Layer1", "LAYER1", false, true},
        {"layer1", "LAYER12", false, false},
        {"", "", true, true},
        {"\xE8" "a", "\xC8" "A", false, false},  // CP1252 è/È: only ASCII letters fold
        {"a_[z]", "A_[Z]", false, true},
        {"@", "`", false, false},                // neighbours of the letter ranges
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(String(c.a) == String(c.b), c.exact);
        EXPECT_EQ(String(c.a).EqualsNoCase(c.b), c.noCase);
        EXPECT_EQ(String(c.a).FoldCase() == String(c.b).FoldCase(), c.noCase);
        if (c.noCase) {
            EXPECT_EQ(String(c.a).HashNoCase(), String(c.b).HashNoCase());
        }
    }
}

TEST(String, HelpersAndNumbers)
{
    String s("X|Y");
    EXPECT_EQ(s.Find('|'), 1);
    EXPECT_EQ(s.Find('#'), -1);
    EXPECT_EQ(s.Left(1), "X");
    EXPECT_EQ(s.Mid(2), "Y");
    EXPECT_EQ(s.Mid(9), "");
    EXPECT_EQ(s[7], '\0');
    EXPECT_EQ(String("B") + String::FromUnsigned(12), "B12");
    EXPECT_EQ(String(nullptr), "");
    for (double v : {0.75, -0.25, 0.1, 1e-9, 123456.789})
        EXPECT_EQ(std::strtod(String::FromDouble(v).c_str(), nullptr), v);
}

TEST(String, NoCaseContainers)
{
    std::unordered_set<String, fnd::StringHashNoCase, fnd::StringEqualNoCase> set;
    EXPECT_TRUE(set.insert("Wall").second);
    EXPECT_FALSE(set.insert("WALL").second);
    EXPECT_TRUE(set.insert("Wall2").second);
    EXPECT_EQ(set.count("wall"), 1u);
}

TEST(StringLoader, LoadsBoundTextsOnly)
{
    const fnd::CStringLoader table{{10, "Errore sconosciuto"}, {11, "File non trovato"}};
    EXPECT_EQ(table.Load(11), "File non trovato");
    EXPECT_EQ(table.Load(12), "");
    EXPECT_FALSE(table.Has(12));
}

TEST(Exceptions, MessagesAndValues)
{
    EXPECT_STREQ(fnd::CVariableNotInitializedException("m_iColor").what(), "m_iColor");
    EXPECT_EQ(fnd::CExhaustedMemoryException().GetMessage(), "Exhausted memory!");
    EXPECT_TRUE(fnd::TestValue(1.5));
    EXPECT_FALSE(fnd::TestValue(1.0 / 0.0));
    EXPECT_FALSE(fnd::TestValue(std::strtod("nan", nullptr)));
}
