// Feeds arbitrary bytes to the field-book reader: a book file (header, tag,
// version, block) read into a book that already holds data. A read that fails
// must leave the book as it was.
#include <LibCmp.h>
#include <fpstream.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
int Conta(const CLibCmp& lib)
{
    return lib.GetNuTotJob() * 1000000 + lib.GetNuTotSta() * 1000 + lib.GetNuTotPun() + lib.GetOriArSize();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static COriData ori(0);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (bool loadData : {true, false}) {
        CLibCmp lib(nullptr, &ori, -1);
        lib.AddJob()->SetNome("J");
        lib.AddSta(0);
        lib.AddPun(0, 0);
        const int before = Conta(lib);
        ifpstream in;
        in.OpenBytes(bytes);
        if (!in.ReadTagAndVersion())
            continue;
        const short v = in.GetVersion();
        if (!lib.LeggeDaFile(in, true, loadData, v) && Conta(lib) != before)
            std::abort();   // a failed read changed the book
        while (lib.GetOriArSize() > 0)
            lib.DelOriAt(0);
    }
    return 0;
}
