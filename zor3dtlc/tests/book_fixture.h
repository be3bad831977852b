// A filled field book for the file tests, and a byte snapshot of a book.
#pragma once

#include "LibCmp.h"
#include "LibroFile.h"
#include "test_util.h"

#include <string>

namespace bookfix {

// Three jobs with stations and points, two orientation points, options that
// differ from the defaults and entries in the three memories.
inline void Riempi(CLibCmp& lib)
{
    for (int j = 0; j < 3; ++j) {
        CJob* job = lib.AddJob();
        job->SetLabels("Job" + std::to_string(j), "Operatore", "TS30", "2025-01-0" + std::to_string(j + 1));
        job->SetLocalita("Località è");   // bytes kept as they are
        job->SetStrProgr("P000");
        job->SetCdElab(static_cast<short>(j));
        for (int i = 0; i < 2 + j; ++i) {
            CSta* s = lib.AddSta(j);
            s->SetNome("S" + std::to_string(j) + std::to_string(i));
            s->SetIden("stazione");
            s->SetAltStr(1.5 + i);
            s->SetAnCoAz(10.0 * i);
            s->SetTemper(20);
            s->SetPressi(1000);
            s->SetDupp(i == 1);
            s->SetValRif(1, 42.0);
            s->SetCoordX(100.0 * j);
            s->SetCoordY(200.0 * i);
            s->SetCoordZ(5);
            s->CalcolaValiditaXYZ();
            s->SetCodeEgn(0x10001);
            for (int k = 0; k < 3; ++k) {
                CPun* p = lib.AddPun(j, i);
                p->SetNome(std::to_string(100 + k));
                p->SetCode("cod" + std::to_string(k));
                p->SetDtIntAng(10.0 + k, 99.0 + k, 123.25 * k);
                p->SetAltPri(1.3);
                p->SetDiOr(9.5 + k);
                p->SetHasPtDup(k == 2);
                p->SetNote("n");
                p->SetDifRotS2(0.25f);
                p->SetShiftS3x(-1.5f);
            }
        }
    }
    for (int o = 0; o < 2; ++o) {
        COri* ori = lib.AddOri();
        ori->SetNome("OR" + std::to_string(o));
        ori->SetComm("Campanile");
        ori->SetCoordX(1000 + o);
        ori->SetCoordY(2000 + o);
        ori->CalcolaValiditaXYZ();
        ori->SetAttendib(static_cast<short>(3 + o));
    }
    lib.GetCalcDsOr().SetSferRifr(true);
    lib.GetCalcDsOr().SetValScala(0.9996);
    lib.GetOpzLibCmp().CdElab = 1;
    lib.GetOpzLibCmp().Switch[2] = true;
    lib.GetOpzElaToll().TolCalcQu = 0.07;
    lib.GetOpzElaToll().MedPtSemp = true;
    lib.GetOpzElaVarie().ValInt[12] = 77;
    lib.GetOpzElaVarie().ValBool = true;
    lib.GetOpzListDisEtp().GetOpzPun()->ColSimb = 11;
    lib.GetOpzListDisEtp().GetOpzOri()->ARotNome = 33.0;
    lib.GetOpzListDisEtp().RapScala = 2000;

    CMemEdSta::TInfEdStaOr eo;
    eo.Sta = lib.GetStaAt(1, 1);
    eo.Val[2] = 3.5;
    lib.GetMemEdSta()->AddArInfOr(eo);
    CMemEdSta::TInfEdStaQu eq;
    eq.Sta = lib.GetStaAt(2, 3);
    eq.Val = -0.75;
    lib.GetMemEdSta()->AddArInfQu(eq);
    CMemOrSta::TInfOrSta os;
    os.Sta = lib.GetStaAt(0, 1);
    CMemOrSta::TInfCombPt c;
    c.Pun[0] = lib.GetPunAt(0, 1, 0);
    c.Pun[1] = lib.GetPunAt(0, 1, 2);
    c.Pun[2] = lib.GetPunAt(2, 0, 1);
    c.Val = 5;
    os.Comb.push_back(c);
    lib.GetMemOrSta()->AddArInf(os);
    CMemRoTra::TInfSngRt rt;
    rt.Sta = {lib.GetStaAt(0, 0), lib.GetStaAt(2, 2)};
    rt.Pun = lib.GetPunAt(2, 2, 2);
    rt.Val = 8;
    rt.Flag = true;
    CMemRoTra::TInfElem el;
    el.Chiave = 4;
    el.Sta = lib.GetStaAt(1, 0);
    el.Pun = lib.GetPunAt(1, 0, 1);
    el.Val = 12;
    el.Flag = true;
    rt.Elem.push_back(el);
    lib.GetMemRoTra()->ConfrontaEtAgg(1, 0, rt);
    lib.SetNomeFileOcm("/nessuna/cartella/CommonPtFile.qdc");
}

// The bytes the book writes at the current version.
inline std::string Istantanea(const CLibCmp& lib)
{
    testutil::TempFile f("snap");
    if (!SalvaLibroInFile(lib, f.path()))
        return "<errore di scrittura>";
    return testutil::ReadAll(f.path());
}

}  // namespace bookfix
