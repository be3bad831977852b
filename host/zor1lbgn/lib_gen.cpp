// CLibGen: the book base.
#include "zor1lbgn.h"

bool CLibGen::SalvaInFile(ofpstream&, short)
{
    return true;
}

bool CLibGen::LeggeDaFile(ifpstream&, short)
{
    return true;
}
