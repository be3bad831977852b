// CCts: the cadastral document (placeholder until the cadastral work fills it in).
#include "zor3dtct.h"

CCts::CCts() = default;
CCts::~CCts() = default;
