// zor1lbgn — CLibGen, the base of every data book: a modified flag and the
// save and read operations a book overrides. The streams are the suite's
// persistence streams, known here only by name.
#pragma once

class ofpstream;
class ifpstream;

class CLibGen {
public:
    CLibGen() = default;
    CLibGen(const CLibGen&) = default;
    CLibGen& operator=(const CLibGen&) = default;
    virtual ~CLibGen() = default;

    virtual void SetModifiedFlag(bool modified) { modified_ = modified; }
    virtual bool IsModified() const { return modified_; }
    // A book writes or reads its data at the given version; true on success.
    // The base holds no data: both succeed without touching the stream.
    virtual bool SalvaInFile(ofpstream& out, short version);
    virtual bool LeggeDaFile(ifpstream& in, short version);

private:
    bool modified_ = false;
};
