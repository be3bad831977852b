// Feeds arbitrary bytes to the GTS-7 converter as the content of a file.
#include <ConvFileGT7.h>
#include <LibCmp.h>
#include <LibConOri.h>
#include <hostui.h>
#include <zor3mgen.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static hostui::RecordingSink sink;
    static const bool once = [] {
        hostui::SetSink(&sink);
        CConvCod::SetFileTabellaPredefinita(std::string());
        CConvCod::SetCancCodAlfPredefinito(false);
        return true;
    }();
    (void)once;
    sink.messages.clear();

    const int fd = ::memfd_create("gt7", 0);
    if (fd < 0)
        return 0;
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    std::string name = "/proc/self/fd/" + std::to_string(fd);
    {
        COriData ori(0);
        CLibCmp lib(nullptr, &ori, -1);
        CConvFileGT7 conv(lib, &name);
        conv.Esegui();
    }
    ::close(fd);
    return 0;
}
