#include "RighePregeo.h"

#include <zor3dtct.h>

#include <gtest/gtest.h>

namespace {

TEST(RighePregeo, FieldWidths)
{
    struct Caso {
        std::string text;
        int width;
        std::string zero, spazioDestra, spazioSinistra;
    } casi[] = {
        {"7", 3, "007", "7  ", "  7"},
        {"123", 3, "123", "123", "123"},
        {"12345", 3, "123", "123", "123"},   // cut from the right end
        {"", 2, "00", "  ", "  "},
        {"ab", 0, "", "", ""},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(pregeo::AddZero(c.text, c.width), c.zero) << c.text;
        EXPECT_EQ(pregeo::AddSpace(c.text, c.width, true), c.spazioDestra) << c.text;
        EXPECT_EQ(pregeo::AddSpace(c.text, c.width, false), c.spazioSinistra) << c.text;
    }
}

TEST(RighePregeo, NameConversion)
{
    struct Caso {
        const char* in;
        const char* out;
    } casi[] = {
        {"pf120034", "PF12/0034"}, {" PF120034 ", "PF12/0034"}, {"PF1234567", "PF1234567"},
        {"PF12345", "PF12345"},    {"p1", "P1"},                {"a|b\r\n", "A/B"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(pregeo::NomeConvertito(c.in), c.out) << c.in;
}

TEST(RighePregeo, TextCannotBreakTheRow)
{
    EXPECT_EQ(pregeo::TestoPulito("  a|b\nc\r "), "a/b c");
    EXPECT_EQ(pregeo::SenzaSeparatori(" a|b\n"), " a/b ");
}

TEST(RighePregeo, NumbersOrAsterisks)
{
    EXPECT_EQ(pregeo::NumeroOAsterischi(12.345678, 5), "12.34568");
    EXPECT_EQ(pregeo::NumeroOAsterischi(1.7e200, 3), "***");
    EXPECT_EQ(pregeo::NumeroOAsterischi(149.5, 0), "150");
}

TEST(RighePregeo, ReportLinesContinueInsteadOfBeingCut)
{
    std::string lungo(75, 'x');
    auto a = pregeo::SpezzaRigaRelaz(lungo, 70);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0], std::string(70, 'x'));
    EXPECT_EQ(a[1], "xxxxx");
    auto b = pregeo::SpezzaRigaRelaz("uno due tre", 7);
    EXPECT_EQ(b, (std::vector<std::string>{"uno due", "tre"}));
    EXPECT_EQ(pregeo::SpezzaRigaRelaz("", 70), std::vector<std::string>{""});
    EXPECT_EQ(pregeo::SpezzaRigaRelaz(std::string(70, 'y'), 70).size(), 1u);
}

std::string Unisci(const std::vector<std::string>& v)
{
    std::string s;
    for (const auto& x : v)
        s += x + "\n";
    return s;
}

TEST(RighePregeo, VertexRows)
{
    // 23 vertices of one style: lines of 10, 10 and 3, count then 0.
    CRig r7('7');
    for (int i = 1; i <= 23; ++i)
        r7.AddVrt(std::to_string(i), 'P', 'T');
    EXPECT_EQ(Unisci(pregeo::RigheVertici(r7, "|")),
              "7|23|1|2|3|4|5|6|7|8|9|10|PT|\n"
              "7|0|11|12|13|14|15|16|17|18|19|20|PT|\n"
              "7|0|21|22|23|PT|\n");

    // Letters outside the sets become N and C and are stored back.
    CRig x('7');
    x.AddVrt(" a ", 'x', 'y');
    EXPECT_EQ(Unisci(pregeo::RigheVertici(x, "|")), "7|1|a|NC|\n");
    EXPECT_EQ(x.GetVrtAt(0)->GetColore(), 'N');
    EXPECT_EQ(x.GetVrtAt(0)->GetTpLinea(), 'C');

    // First integer 1: the closing labels come once, on the first line that ends.
    CRig c('7');
    c.SetIntero1(1);
    c.SetEtich1(" e1 ");
    c.SetEtich2("e2");
    c.SetEtichMat("m");
    c.AddVrt("A", 'N', 'C');
    c.AddVrt("B", 'V', 'D');
    c.AddVrt("C", 'V', 'D');
    EXPECT_EQ(Unisci(pregeo::RigheVertici(c, "|")), "7|3|A|B|NC|e1|e2|m|\n7|0|C|VD|\n");

    // Type 3: no letters; no vertices: no rows.
    CRig t('3');
    t.AddVrt("A", 'V', 'D');
    t.AddVrt("B", 'N', 'C');
    EXPECT_EQ(Unisci(pregeo::RigheVertici(t, "|")), "3|2|A|B|\n");
    CRig vuota('3');
    EXPECT_TRUE(pregeo::RigheVertici(vuota, "|").empty());
}

TEST(RighePregeo, CensusFields)
{
    CCensRig m('M');
    m.Operazione = "S";
    m.OrigPrinc = "12";
    m.SubOrig = "1";
    m.IdDef = "345";
    m.Ettari = "0";
    m.Are = "12";
    m.Centiare = "5";
    m.Qualita = "1";
    int tagliati = 0;
    auto f = pregeo::CampiCensuario(m, tagliati);
    EXPECT_EQ(f, (std::vector<std::string>{"S", "12   ", "001", "  ", "345  ", "000001205", "  ", "  ", "     ", "001",
                                           "  ", std::string(17, ' ')}));
    EXPECT_EQ(tagliati, 0);
    m.IdDef = "1234567";
    pregeo::CampiCensuario(m, tagliati);
    EXPECT_EQ(tagliati, 1);
}

}  // namespace
