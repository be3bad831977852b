// Feeds arbitrary bytes to the cadastral row converter (format 7); the first
// byte chooses the layout (odd: the ".PRE" layout).
#include "fuzz_support.h"

#include <ConvFileCts.h>
#include <LibCmp.h>
#include <LibConOri.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzsupport::QuietImport();
    if (size == 0)
        return 0;
    const bool pre = (data[0] & 1) != 0;
    fuzzsupport::MemFile file(data + 1, size - 1);
    if (!file.ok())
        return 0;
    // The layout is chosen by the file name: the long layout is reached
    // through a symbolic link whose name ends in ".PRE".
    std::string name = file.name();
    std::string link;
    if (pre) {
        link = "/tmp/rilievo_cts_fuzz_" + std::to_string(::getpid()) + ".PRE";
        ::unlink(link.c_str());
        if (::symlink(name.c_str(), link.c_str()) == 0)
            name = link;
    }
    {
        COriData ori(0);
        CLibCmp lib(nullptr, &ori, -1);
        CConvFileCts conv(lib, &name);
        conv.Esegui();
    }
    if (!link.empty())
        ::unlink(link.c_str());
    return 0;
}
