#pragma once

#include "CliOptions.h"

namespace kx::cli {

// diff: the fields in which options.file and options.secondFile differ, one line each in
// verify's words, labelled with the files' names. ExitOk when they are equal, ExitMismatch when
// they differ, ExitFileError when either cannot be read.
int DiffFiles(const CliOptions& options);

} // namespace kx::cli
