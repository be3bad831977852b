// CProgDir: where the suite's data files live.
#include "zor1inif.h"

#include <cstdlib>

#ifndef RILIEVO_DEFAULT_HOME
#define RILIEVO_DEFAULT_HOME "."
#endif

std::string CProgDir::GetProgDir()
{
    std::string dir;
    if (const char* h = std::getenv("RILIEVO_HOME"); h && *h)
        dir = h;
    else
        dir = RILIEVO_DEFAULT_HOME;
    while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\'))
        dir.pop_back();
    return dir;
}
