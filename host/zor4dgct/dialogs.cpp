// The cadastral dialogs, asked through the host's message sink.
#include "zor4dgct.h"

#include <hostui.h>
#include <zor3dtct.h>

bool FDlgOpzCts(COpzCts& opz)
{
    std::string prompt = "Opzioni del file PREGEO: ";
    prompt += opz.GetUsaPregeo() ? "scrittura nell'installazione PREGEO in " + opz.GetPathPregeo()
                                 : "scelta libera del file";
    return hostui::Ask(DGCT_ASK_OPZ, prompt).has_value();
}

bool FInpNomeFilePregeo(std::string& name)
{
    auto answer = hostui::Ask(DGCT_ASK_FILE, "Nome del file PREGEO da scrivere (proposto: " + name + ")");
    if (!answer)
        return false;
    if (!answer->empty())
        name = *answer;
    return !name.empty();
}
