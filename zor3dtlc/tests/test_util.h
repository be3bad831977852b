// The shared test support, under the name the field-book tests use.
#pragma once

#include <TestFiles.h>

namespace testutil {
using rtest::DataPath;
using rtest::ReadAll;
using rtest::ScopedIni;
using rtest::TempFile;
using rtest::TempPath;
using rtest::WriteAll;
}  // namespace testutil
