// CLibCmp::ModDimens2d3d: turning a field book into a plane book.
#include "LibCmp.h"

#include <zor0util.h>

void CLibCmp::ModDimens2d3d(bool& changed, bool& faceTwo)
{
    changed = false;
    faceTwo = false;
    auto azzeraElab = [this]() {
        OpzLibCmp.CdElab = 0;
        for (auto& job : JobAr)
            job->CdElab = 0;
    };

    if (OpzLibCmp.File2Do3D) {
        // The observations keep their slope distances; only heights and
        // zenith angles become those of a plane survey.
        bool any = false;
        for (auto& job : JobAr)
            for (auto& sta : job->StaAr) {
                if (sta->GetAltStr() != 0.0) {
                    sta->SetAltStr(0.0);
                    any = true;
                }
                for (auto& pun : sta->PunAr) {
                    if (pun->GetAltPri() != 0.0) {
                        pun->SetAltPri(0.0);
                        any = true;
                    }
                    if (pun->GetDato1() != 100.0) {
                        pun->SetDtIntAng(pun->GetDato0(), 100.0, pun->GetDato2());
                        any = true;
                    }
                }
            }
        if (any) {
            azzeraElab();
            changed = true;
        }
        return;
    }

    // Each observation becomes its horizontal distance at a zenith of 100.
    bool invalid = false;
    for (auto& job : JobAr)
        for (auto& sta : job->StaAr) {
            invalid = invalid || !EstValido(sta->GetAltStr());
            sta->SetAltStr(0.0);
            for (auto& pun : sta->PunAr) {
                invalid = invalid || !EstValido(pun->GetAltPri());
                pun->SetAltPri(0.0);
                if (pun->GetDato1() == 100.0)
                    continue;
                double z = pun->GetDato1();
                double hz = pun->GetDato2();
                if (CalcoloDrittoOCap(z, hz) == 1)
                    faceTwo = true;
                const double d = CalcDsOr.CalcDistOr(pun->GetDato0(), z);
                invalid = invalid || !EstValido(z);
                pun->SetDtIntAng(d, 100.0, hz);
            }
        }
    if (OpzLibCmp.CdElab != 0)
        OpzLibCmp.CdElab = 1;
    for (auto& job : JobAr)
        if (job->CdElab != 0)
            job->CdElab = 1;
    if (invalid) {
        azzeraElab();
        changed = true;
    }
}
