// The mixed survey of the golden PREGEO file (data/mixed.DAT, built by
// data/make_golden.py): two jobs, stations and points with face-II and
// NP-coded items, fiducial points, rows 3 to 9, a report and census groups.
#pragma once

#include <LibCmp.h>
#include <zor3dtct.h>

#include <string>

namespace fixture {

inline void Pun(CLibCmp& lib, int j, int i, const char* nome, const char* code, double d0, double d1, double d2,
                bool np = false)
{
    CPun* p = lib.AddPun(j, i);
    p->SetNome(nome);
    p->SetCode(code);
    p->SetDtIntAng(d0, d1, d2);
    p->SetCodeNP(np);
}

inline CSta* Sta(CLibCmp& lib, int j, const char* nome, const char* iden, bool np = false)
{
    CSta* s = lib.AddSta(j);
    s->SetNome(nome);
    s->SetIden(iden);
    s->SetCodeNP(np);
    return s;
}

inline void Ori(CLibCmp& lib, const char* nome, double y, double x, short att, const char* comm, bool valido)
{
    COri* o = lib.AddOri();
    o->SetNome(nome);
    o->SetCoordX(x);
    o->SetCoordY(y);
    o->SetVldtEgn(valido ? 1 : 0);
    o->SetAttendib(att);
    o->SetComm(comm);
}

inline void Libretto(CLibCmp& lib)
{
    const double inv = 1.7e200;
    lib.GetCalcDsOr().SetSferRifr(false);
    lib.GetCalcDsOr().SetFattScal(false);
    lib.AddJob()->SetLabels("Lavoro1", "Rossi", "TS30", "05/03/2026");
    Sta(lib, 0, "S1", "Picchetto");
    Pun(lib, 0, 0, "P1", "spigolo", 100, 100, 50);
    Pun(lib, 0, 0, "P2", "", 50.5, 300, 250);   // face II
    Pun(lib, 0, 0, "P3", "", 80, 98.1234, 123.45678);
    Pun(lib, 0, 0, "P4", "", 10, 100, 10, true);   // coded NP
    Pun(lib, 0, 0, "pf120034", "", 25, 100, 10);
    Pun(lib, 0, 0, "P6", "", inv, 100, inv);
    Sta(lib, 0, "S2", "", true);   // coded NP, with its points
    Pun(lib, 0, 1, "Q1", "", 10, 100, 10);
    Sta(lib, 0, "s3", "");
    Pun(lib, 0, 2, "  p9 ", "", 12.3456, 100, 0);
    lib.AddJob()->SetLabels("Lavoro2", "Bianchi", "", "06/03/2026");
    Sta(lib, 1, "200", "vertice|A");
    Pun(lib, 1, 0, "p|7", "a|b", 30, 100, 200);
    Ori(lib, "PF010001", 5000.123, 1500.5, 2, "Spigolo fabbricato", true);
    Ori(lib, "X9", 1, 1, 1, "", false);
    Ori(lib, "PF010002", 5100, 1490.25, 1, "", true);
}

inline CRig* Riga(CCts& d, char tipo, int i1 = 0, double r1 = 1.7e200)
{
    CRig* r = d.AddRig(tipo);
    r->SetIntero1(i1);
    r->SetReale1(r1);
    return r;
}

inline void Documento(CCts& d)
{
    d.SetData("05", "03", "2026");
    d.SetProt("123456");
    d.SetCdCm("H501");
    d.SetFogl("12");
    d.SetMapp("345");
    d.SetTcnC("Rossi");
    d.SetTcnN("Mario");
    d.SetQualifica("1");
    d.SetNomeProvCompleto("Roma");
    Riga(d, 'L', 1, 12.5);
    Riga(d, 'S', 1);
    Riga(d, 'L', 2);
    Riga(d, 'S', 2);
    Riga(d, 'L', 5);   // no such job: nothing
    CRig* r3 = Riga(d, '3');
    for (int i = 1; i <= 11; ++i)
        r3->AddVrt("A" + std::to_string(i));
    CRig* r7 = Riga(d, '7', 1);
    r7->SetEtich1("Fabbricato");
    r7->SetEtich2("Linea");
    r7->SetEtichMat("Muro");
    for (int i = 1; i <= 5; ++i)
        r7->AddVrt("V" + std::to_string(i), 'N', 'C');
    r7->AddVrt("V6", 'r', 'd');
    r7->AddVrt("V7", 'x', 'y');
    CRig* r4 = Riga(d, '4');
    r4->SetEtich1("P1");
    r4->SetEtich2("P2");
    r4->SetReale2(12.345678);
    r4->SetEtichMat("M");
    CRig* r5 = Riga(d, '5', 0, 10.5);
    r5->SetEtich1("L1");
    Riga(d, '6')->SetEtichMat("Nota libera");
    Riga(d, '6');   // no material label: nothing
    Riga(d, '8');
    CRig* r9 = Riga(d, '9', 2, 150);
    r9->SetEtich1("E1");
    r9->SetReale2(10.01);
    r9->SetEtich2("E2");
    r9->SetEtichMat("X");
    CRig* r9b = Riga(d, '9', 1);
    r9b->SetIntero2(3);
    r9b->SetEtich2("nascosta");
    d.AddRelaz("Rilievo eseguito con stazione totale.");
    d.AddRelaz("Le misure sono state eseguite in due giornate con condizioni atmosferiche buone e visibilita' ottima su "
               "tutti i punti.");
    d.AddRelaz("");
    d.SetOrdineCens("MFA");
    CCensRig* m = d.AddCensRig('M');
    m->Operazione = "S";
    m->OrigPrinc = "12";
    m->SubOrig = "1";
    m->IdDef = "345";
    m->Ettari = "0";
    m->Are = "12";
    m->Centiare = "5";
    m->Natura = "T";
    m->Qualita = "1";
    m->Classe = "2";
    CCensRig* f = d.AddCensRig('F');
    f->Operazione = "C";
    f->OrigPrinc = "12";
    f->SubOrig = "2";
    f->IdProvv = "A";
    f->IdDef = "346";
    f->Ettari = "1";
    f->Are = "0";
    f->Centiare = "0";
    f->LottiProvv = "1";
    CCensRig* a = d.AddCensRig('A');
    a->Operazione = "V";
    a->OrigPrinc = "12";
    a->IdDef = "347";
    a->CodAnnot = "R";
    a->TestoAnnot = "variazione";
    d.AddCensRig('A')->Operazione = "D";   // deleted: not written
}

}  // namespace fixture
