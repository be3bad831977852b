// The file dialogs and the message box, answered through the host's sink.
#include "zor4dglc.h"

#include <hostui.h>

#include <charconv>
#include <string_view>

bool FInpNomeFileConvInStell(std::string& name, int kind)
{
    const std::string prompt = kind == 0 ? "File dello strumento da importare"
                                         : "File dello strumento da importare (tipo " + std::to_string(kind) + ")";
    auto answer = hostui::Ask(DGLC_ASK_FILE_STRUM, prompt);
    if (!answer)
        return false;
    name = std::move(*answer);
    return true;
}

bool FInpNomeFileConvNoTopcon(std::string& name, int& format)
{
    auto file = hostui::Ask(DGLC_ASK_FILE_STRUM, "File dello strumento da importare");
    if (!file)
        return false;
    auto fmt = hostui::Ask(DGLC_ASK_FORMATO, "Formato del file (1-16)");
    if (!fmt)
        return false;
    name = std::move(*file);
    int value = 0;
    const std::string_view text = *fmt;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    format = (res.ec == std::errc() && res.ptr == text.data() + text.size()) ? value : 0;
    return true;
}

bool FInpNomeFileConvDaPregeo(std::string& name)
{
    auto answer = hostui::Ask(DGLC_ASK_FILE_PREGEO, "File di rilievo catastale da importare");
    if (!answer)
        return false;
    name = std::move(*answer);
    return true;
}

int DglcMessageBoxOkExclam(void* /*window*/, int textId, int titleId)
{
    return hostui::MessageBox(hostui::Level::Warning, DglcGetString(textId), DglcGetString(titleId),
                              hostui::Buttons::Ok);
}
