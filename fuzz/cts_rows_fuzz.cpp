// Feeds arbitrary bytes to the cadastral row converter (format 7); the first
// byte chooses the layout (odd: the ".PRE" layout).
#include <ConvFileCts.h>
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
    if (size == 0)
        return 0;

    const bool pre = (data[0] & 1) != 0;
    const int fd = ::memfd_create("cts", 0);
    if (fd < 0)
        return 0;
    size_t done = 1;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    // The layout is chosen by the file name: the long layout is reached
    // through a symbolic link whose name ends in ".PRE".
    std::string name = "/proc/self/fd/" + std::to_string(fd);
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
    ::close(fd);
    return 0;
}
