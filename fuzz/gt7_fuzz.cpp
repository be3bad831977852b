// Feeds arbitrary bytes to the GTS-7 converter as the content of a file.
#include "fuzz_support.h"

#include <ConvFileGT7.h>
#include <LibCmp.h>
#include <LibConOri.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::QuietImport();
    fuzzsupport::MemFile file(data, size);
    if (!file.ok())
        return 0;
    std::string name = file.name();
    COriData ori(0);
    CLibCmp lib(nullptr, &ori, -1);
    CConvFileGT7 conv(lib, &name);
    conv.Esegui();
    return 0;
}
