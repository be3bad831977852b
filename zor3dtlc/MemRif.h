// References of the station memories to stations and points of their book.
// In the file a station is (int32 job, int32 station) and a point (int32 job,
// int32 station, int32 point); -1 marks an item that is not in the book.
#pragma once

#include <cstdint>

class CLibCmp;
class CSta;
class CPun;
class ofpstream;
class ifpstream;

// Turns positions read from a file into stations and points (null when they
// do not resolve).
class IRisolviRif {
public:
    virtual ~IRisolviRif() = default;
    virtual CSta* Sta(int32_t j, int32_t i) const = 0;
    virtual CPun* Pun(int32_t j, int32_t i, int32_t k) const = 0;
};

// Resolves against the book as it is.
class CRisolviRifLib : public IRisolviRif {
public:
    explicit CRisolviRifLib(const CLibCmp& lib) : Lib(lib) {}
    CSta* Sta(int32_t j, int32_t i) const override;
    CPun* Pun(int32_t j, int32_t i, int32_t k) const override;

private:
    const CLibCmp& Lib;
};

namespace memrif {
inline constexpr uint64_t DIM_RIF_STA = 8;
inline constexpr uint64_t DIM_RIF_PUN = 12;
void SalvaRifSta(ofpstream& out, const CLibCmp* lib, const CSta* sta);
void SalvaRifPun(ofpstream& out, const CLibCmp* lib, const CPun* pun);
bool LeggeRifSta(ifpstream& in, const IRisolviRif& ris, CSta*& sta);
bool LeggeRifPun(ifpstream& in, const IRisolviRif& ris, CPun*& pun);
// Reads a count of records of at least `minSize` bytes each; a negative count
// or one the bytes left cannot hold fails the stream.
bool LeggeConta(ifpstream& in, uint64_t minSize, int32_t& count);
}  // namespace memrif
