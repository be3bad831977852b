// Feeds arbitrary bytes to the PREGEO file import as the content of a file,
// then checks that the cadastral document it filled survives its own text
// file (written, read back, written again: the same text).
#include <ConvFilePregeo.h>
#include <LibCmp.h>
#include <LibConOri.h>
#include <hostui.h>
#include <zor3dtct.h>
#include <zor3mgen.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

    const int fd = ::memfd_create("pregeo", 0);
    if (fd < 0)
        return 0;
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    const std::string name = "/proc/self/fd/" + std::to_string(fd);
    {
        COriData ori(0);
        CLibCmp lib(nullptr, &ori, -1);
        CCts doc;
        bool coord = false;
        FLoadFilePregeo(lib, doc, name.c_str(), coord);
        const std::string text = doc.SalvaInTesto();
        CCts back;
        std::string err;
        if (!back.LeggeDaTesto(text, err) || back.SalvaInTesto() != text)
            std::abort();
    }
    ::close(fd);
    return 0;
}
