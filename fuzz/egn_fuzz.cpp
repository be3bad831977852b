// Feeds arbitrary bytes to the surveyed-entity reader at the versions that
// change the record's layout.
#include <Egn.h>
#include <fpstream.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (short version : {602, 714, 720}) {
        ifpstream in;
        in.OpenBytes(std::string(reinterpret_cast<const char*>(data), size));
        in.SetVersion(version);
        for (int i = 0; i < 64 && in.good() && in.Remaining() > 0; ++i) {
            CEgn e;
            e.LeggeDaFile(in);
        }
    }
    return 0;
}
