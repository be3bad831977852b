// COpzDisEgn: one named set of drawing options for one kind of surveyed
// entity (symbol and its three labels: name, description, height). A set
// lives in the settings file in section <base>_<name> and is saved inside the
// books that use it.
#pragma once

#include "zor2dtgn_export.h"

#include <cstdint>
#include <memory>
#include <string>

class ofpstream;
class ifpstream;

class ZOR2DTGN_API COpzDisEgn {
public:
    explicit COpzDisEgn(const char* iniKeyBase);
    COpzDisEgn(const COpzDisEgn&) = default;
    COpzDisEgn& operator=(const COpzDisEgn&) = default;
    virtual ~COpzDisEgn();
    virtual std::unique_ptr<COpzDisEgn> Clone() const;

    void RisettaOpz() { doRisettaOpz(); }
    void GetDaIni() { doGetDaIni(); }
    void SetInIni() const { doSetInIni(); }
    // Writes the set only when its section holds no "VisSimb" key yet.
    void SetInIniIfNotIsIn() const;

    void SetNomeOpz(const std::string& name);
    std::string GetNomeOpz() const { return NomeOpz; }
    void SetIniKeyBase(const char* base);
    std::string GetIniKeyBase() const { return IniKeyBase; }
    std::string GetIniKeyFull() const { return IniKeyFull; }

    // The option-set record at the stream's version. Reading changes the set
    // only when the whole record was read and load is true.
    bool SalvaInFile(ofpstream& out, short v) const;
    bool LeggeDaFile(ifpstream& in, bool load, short v);
    static constexpr uint64_t DimMinRecord(short v)
    {
        return 9 * 2 + 3 * 4 + 10 * 8 + (v >= 710 ? 4 : 0) + (v >= 715 ? 4 + 4 + 4 * 8 : 0);
    }

    static constexpr size_t MAX_INI_KEY = 255;

    int16_t VisSimb, VisNome, VisDesc, VisQuot;
    int16_t ColSimb, ColNome, ColDesc, ColQuot;
    int16_t TipoSimb;
    std::string StiNome, StiDesc, StiQuot;
    double DimSimb, DimNome, DimDesc, DimQuot;
    double XPosNome, XPosDesc, XPosQuot;
    double YPosNome, YPosDesc, YPosQuot;
    std::string Spazio;   // drawing space of the symbols, read by the host's drawing code
    double ARotSimb, ARotNome, ARotDesc, ARotQuot;
    int16_t Switch[11];   // the host's own switches: copied with the set, never saved

protected:
    virtual void doRisettaOpz();
    virtual void doGetDaIni();
    virtual void doSetInIni() const;

private:
    void RifaIniKeyFull();

    std::string NomeOpz;
    std::string IniKeyBase;
    std::string IniKeyFull;
};
