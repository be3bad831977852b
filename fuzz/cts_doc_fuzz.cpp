// Feeds arbitrary bytes to the reader of the cadastral document's text file;
// whatever it accepts must survive being written and read again unchanged.
#include <zor3dtct.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CCts doc;
    std::string err;
    if (!doc.LeggeDaTesto(std::string_view(reinterpret_cast<const char*>(data), size), err))
        return 0;
    const std::string text = doc.SalvaInTesto();
    CCts back;
    if (!back.LeggeDaTesto(text, err) || back.SalvaInTesto() != text)
        std::abort();
    return 0;
}
