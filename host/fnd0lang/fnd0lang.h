// fnd0lang — the language part of the drawing core's foundation kit: reference counting,
// snapshots, strings, exceptions, notification contexts and the string loader.
#pragma once

#include "fnd/ContextEvent.h"
#include "fnd/Exceptions.h"
#include "fnd/Memento.h"
#include "fnd/RefCounter.h"
#include "fnd/RefPtr.h"
#include "fnd/SourceEvent.h"
#include "fnd/String.h"
#include "fnd/StringLoader.h"
