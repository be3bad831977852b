// Feeds arbitrary bytes to the PREGEO file import as the content of a file,
// then checks that the cadastral document it filled survives its own text
// file (written, read back, written again: the same text).
#include "fuzz_support.h"

#include <ConvFilePregeo.h>
#include <LibCmp.h>
#include <LibConOri.h>
#include <zor3dtct.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::QuietImport();
    fuzzsupport::MemFile file(data, size);
    if (!file.ok())
        return 0;
    COriData ori(0);
    CLibCmp lib(nullptr, &ori, -1);
    CCts doc;
    bool coord = false;
    FLoadFilePregeo(lib, doc, file.name().c_str(), coord);
    const std::string text = doc.SalvaInTesto();
    CCts back;
    std::string err;
    if (!back.LeggeDaTesto(text, err) || back.SalvaInTesto() != text)
        std::abort();
    return 0;
}
