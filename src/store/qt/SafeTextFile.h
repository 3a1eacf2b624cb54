#pragma once

#include <QString>

#include <functional>
#include <iosfwd>

namespace kx {

// Writes a text file through a temporary file in the same folder that replaces the target only
// once everything was written: a full disk or a crash never leaves a cut-off file. Line ends are
// the platform's. Returns false, leaving any old file as it was, when anything failed.
bool WriteTextFileSafely(const QString& path, const std::function<void(std::ostream&)>& write);

} // namespace kx
