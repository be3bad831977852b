// The shared test support, under the name these tests use.
#pragma once

#include <TestFiles.h>

namespace testfiles {
using rtest::DataPath;
using rtest::ReadAll;
using rtest::ScopedIni;
using rtest::TempFile;
using rtest::WriteAll;
}  // namespace testfiles
