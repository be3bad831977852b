#include "zor3dtct.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

CCts Esempio()
{
    CCts d;
    d.SetData("05", "03", "2026");
    d.SetProt("123456");
    d.SetCdCm("H501");
    d.SetFogl("12");
    d.SetMapp("345");
    d.SetTcnC("Rossi");
    d.SetTcnN("Mario");
    d.SetQualifica("1");
    d.SetNomeProvCompleto("Roma");
    d.GetOpzCts().SetUsaPregeo(true);
    d.GetOpzCts().SetPathPregeo("C:\\PREGEO10");
    d.GetOpzCts().SetVal1(1);
    CRig* r = d.AddRig('7');
    r->SetEtich1("a|b");   // a separator inside a label survives the file
    r->SetEtich2("riga\ndue");
    r->SetReale1(12.5);
    r->SetIntero1(1);
    r->AddVrt("P1", 'N', 'C');
    r->AddVrt("P\\2", 'r', 'd');
    d.AddRig('9')->SetReale2(7.52);
    d.AddRelaz("Rilievo eseguito con stazione totale.");
    d.SetOrdineCens("AFM");
    CCensRig* c = d.AddCensRig('M');
    c->Operazione = "S";
    c->TestoAnnot = "nota";
    return d;
}

TEST(CtsText, WriteThenReadGivesTheSameDocument)
{
    CCts d = Esempio();
    std::string text = d.SalvaInTesto();
    CCts back;
    std::string err;
    ASSERT_TRUE(back.LeggeDaTesto(text, err)) << err;
    EXPECT_EQ(back.SalvaInTesto(), text);
    EXPECT_EQ(back.GetRigAt(0)->GetEtich1(), "a|b");
    EXPECT_EQ(back.GetRigAt(0)->GetEtich2(), "riga\ndue");
    EXPECT_EQ(back.GetRigAt(0)->GetVrtAt(1)->GetNome(), "P\\2");
    EXPECT_EQ(back.GetRigAt(0)->GetVrtAt(1)->GetColore(), 'r');
    EXPECT_DOUBLE_EQ(back.GetRigAt(1)->GetReale2(), 7.52);
    EXPECT_GE(back.GetRigAt(1)->GetReale1(), 8.5e199);   // empty real reads invalid
    EXPECT_EQ(back.GetQualificaDecodif(), "Geometra");
    EXPECT_EQ(back.GetCensRigAt(0)->TestoAnnot, "nota");
    EXPECT_TRUE(back.GetOpzCts().GetUsaPregeo());
    EXPECT_EQ(back.GetOpzCts().GetVal1(), 1);
}

TEST(CtsText, HandWrittenFileWithCommentsAndShortRecords)
{
    const char* text =
        "# prova\r\n"
        "CTS|1\r\n"
        "\r\n"
        "PROTOCOLLO|77\r\n"
        "RIGA|3\r\n"
        "VERTICE|A\r\n";
    CCts d;
    std::string err;
    ASSERT_TRUE(d.LeggeDaTesto(text, err)) << err;
    EXPECT_EQ(d.GetProt(), "77");
    ASSERT_EQ(d.GetRigArSize(), 1);
    EXPECT_EQ(d.GetRigAt(0)->GetTipo(), '3');
    ASSERT_EQ(d.GetRigAt(0)->GetVrtArSize(), 1);
    EXPECT_EQ(d.GetRigAt(0)->GetVrtAt(0)->GetColore(), 'N');
    EXPECT_EQ(d.GetRigAt(0)->GetVrtAt(0)->GetTpLinea(), 'C');
}

TEST(CtsText, BadInputIsRefusedAndLeavesTheDocument)
{
    struct Caso {
        const char* text;
        const char* frammento;
    } casi[] = {
        {"", "vuoto"},
        {"RIGA|3\n", "CTS|1"},
        {"CTS|2\n", "versione"},
        {"CTS|1\nVERTICE|A\n", "riga 2"},
        {"CTS|1\nRIGA|X\n", "tipo di riga"},
        {"CTS|1\nRIGA|9|||||1.2.3\n", "reale"},
        {"CTS|1\nRIGA|9|||||||99999999999\n", "intero"},
        {"CTS|1\nCENSUARIO|Z\n", "gruppo"},
        {"CTS|1\nBOH|1\n", "sconosciuto"},
        {"CTS|1\nDATA||||||||||||||||||||||||||||||||||||||\n", "troppi"},
    };
    for (const auto& c : casi) {
        CCts d = Esempio();
        std::string err;
        EXPECT_FALSE(d.LeggeDaTesto(c.text, err)) << c.text;
        EXPECT_NE(err.find(c.frammento), std::string::npos) << err;
        EXPECT_EQ(d.GetProt(), "123456");
    }
}

TEST(CtsFile, SaveReplacesThroughATemporaryFile)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("rilievo_cts_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string path = (dir / "doc.cts").string();
    std::string err;
    CCts d = Esempio();
    ASSERT_TRUE(d.SalvaInFile(path, err)) << err;
    EXPECT_FALSE(fs::exists(path + ".tmp"));
    CCts back;
    ASSERT_TRUE(back.LeggeDaFile(path, err)) << err;
    EXPECT_EQ(back.GetCdCm(), "H501");
    EXPECT_FALSE(back.LeggeDaFile((dir / "manca.cts").string(), err));
    EXPECT_FALSE(d.SalvaInFile((dir / "no" / "doc.cts").string(), err));
    fs::remove_all(dir);
}

TEST(NomePregeo, ValidNames)
{
    struct Caso {
        const char* nome;
        bool valido;
    } casi[] = {
        {"S1", true},         {"PF12/0034", true}, {"ABCDEFGH", true}, {"ABCDEFGHI", false}, {"", false},
        {"p1", false},        {"P 1", false},      {"PF12/003", false}, {"PF1234567", false}, {"A|B", false},
    };
    for (const auto& c : casi)
        EXPECT_EQ(NomeStazionePregeoValido(c.nome), c.valido) << c.nome;
}

}  // namespace
