// CJob: a job of the field book, owning its stations.
#pragma once

#include "Sta.h"
#include "zor3dtlc_export.h"

#include <zor0ntfy.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CLibCmp;

class ZOR3DTLC_API CJob : public ZORNotifySource {
public:
    CJob();
    // Copies the job's values, not its stations.
    CJob(const CJob& o);
    CJob& operator=(const CJob& o);
    ~CJob() override;

    void SetNome(const std::string& s) { Nome = s; }
    void SetNomeChar(const char* s) { Nome = s ? s : ""; }
    std::string GetNome() const { return Nome; }
    const char* GetNomeChar() const { return Nome.c_str(); }
    void SetOper(const std::string& s) { Oper = s; }
    void SetOperChar(const char* s) { Oper = s ? s : ""; }
    std::string GetOper() const { return Oper; }
    const char* GetOperChar() const { return Oper.c_str(); }
    void SetStrum(const std::string& s) { Strum = s; }
    void SetStrumChar(const char* s) { Strum = s ? s : ""; }
    std::string GetStrum() const { return Strum; }
    const char* GetStrumChar() const { return Strum.c_str(); }
    void SetData(const std::string& s) { Data = s; }
    void SetDataChar(const char* s) { Data = s ? s : ""; }
    std::string GetData() const { return Data; }
    const char* GetDataChar() const { return Data.c_str(); }
    void SetLocalita(const std::string& s) { Localita = s; }
    void SetLocalitaChar(const char* s) { Localita = s ? s : ""; }
    std::string GetLocalita() const { return Localita; }
    const char* GetLocalitaChar() const { return Localita.c_str(); }
    void SetLabels(const std::string& nome, const std::string& oper, const std::string& strum,
                   const std::string& data);
    void GetLabels(std::string* nome, std::string* oper, std::string* strum, std::string* data) const;
    void SetStrProgr(const char* s) { StrProgr = s ? s : ""; }
    std::string GetStrProgr() const { return StrProgr; }
    void IncStrProgr();

    void SetCdElab(short v) { CdElab = v; }
    short GetCdElab() const { return CdElab; }
    bool IsCdElabValid() const { return (CdElab & 1) != 0; }
    void SetFlagOld(bool v) { FlagOld = v; }
    bool GetFlagOld() const { return FlagOld; }

    bool operator==(const CJob& o) const { return Nome == o.Nome; }

    // The job record of the field book at version v (stations apart). Below
    // 670 the job takes `cdElabLib`, the book's processing state.
    bool SalvaRecord(ofpstream& out, short v) const;
    bool LeggeRecord(ifpstream& in, short v, short cdElabLib);
    static constexpr uint64_t DimMinRecord(short v)
    {
        return 4 * 4 + (v >= 715 ? 2 * 4 : 0) + (v >= 670 ? 2 + 4 : 0);
    }

private:
    friend class CLibCmp;
    void CopiaValori(const CJob& o);

    short CdElab;
    bool FlagOld;
    std::vector<std::unique_ptr<CSta>> StaAr;
    std::string Nome, Oper, Strum, Data, Localita;
    std::string StrProgr;
};
