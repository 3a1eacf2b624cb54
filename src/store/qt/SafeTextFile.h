#pragma once

#include <QString>

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace kx {

// Writes a text file through a temporary file in the same folder that replaces the target only
// once everything was written: a full disk or a crash never leaves a cut-off file. Line ends are
// the platform's. Returns false, leaving any old file as it was, when anything failed.
bool WriteTextFileSafely(const QString& path, const std::function<void(std::ostream&)>& write);

// The whole content of a file, read in one piece so that the readers parse from memory and no
// failing disk can interrupt them half way. Nothing when the path is missing, is a folder, or
// any read fails (a failing USB stick, a file that vanished).
std::optional<std::string> ReadTextFile(const QString& path);

// A write beyond the process's file-size limit ends the program with SIGXFSZ on POSIX systems;
// ignored, the write fails with EFBIG and the save reports its failure instead. Call once at start.
void LetOversizedWritesFail();

} // namespace kx
