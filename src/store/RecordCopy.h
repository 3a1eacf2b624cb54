#pragma once

#include "config/ConfigBlock.h"

#include <istream>
#include <ostream>

namespace kx {

// The saved record copy that carries the whole 207-byte record, spare bytes included, from one run
// to the next: each byte as "%5u ", a line end after every 10th value and one more after every
// 100th, no line end after the last value. Lines end in '\n'; callers open the file in text mode.
void WriteRecordCopy(std::ostream& out, const ConfigBlock& block);

// Stores the low 8 bits of up to 207 numbers into bytes 0 onwards. The end of the stream or a
// non-numeric word ends reading; bytes not reached keep their values.
void ReadRecordCopy(std::istream& in, ConfigBlock& block);

} // namespace kx
