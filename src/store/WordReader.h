#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>

namespace kx {

// Longest word the text formats promise to read intact. Keywords are far shorter, so anything
// longer can only be skipped; it is still consumed completely.
constexpr std::size_t kMaxWordLength = 271;

// One white-space separated token of a text file.
struct Word {
    // The token; a longer token keeps only its first kMaxWordLength + 1 characters so that memory
    // stays bounded however long the file's words are.
    std::string text;
    // True when the token is entirely an optional sign and at least one decimal digit.
    bool isNumber = false;
    // Its value modulo 2^32 (a minus sign negates in two's complement), so no input can overflow.
    uint32_t number = 0;

    bool IsLong() const { return text.size() > kMaxWordLength; }
    // True for a word of at most kMaxWordLength characters that equals `keyword` exactly.
    bool Is(const char* keyword) const { return !IsLong() && text == keyword; }
};

// Reads a stream as white-space separated words, all kinds of white space alike (so CR LF and LF
// files read the same). One word can be pushed back, which lets a caller that wanted a number hand
// a non-numeric token on as the next word.
class WordReader {
  public:
    explicit WordReader(std::istream& in) : in_(in) {}

    // The next word; false at the end of the stream and after a read error, which also sets the
    // stream's bad bit (no exception leaves the reader).
    bool Next(Word& word);
    // The next word, when it is a number. A non-numeric word is kept for the next call of Next.
    std::optional<uint32_t> NextNumber();
    void PutBack(Word word) { pending_ = std::move(word); }

  private:
    bool ReadWord(Word& word);

    std::istream& in_;
    std::optional<Word> pending_;
    bool failed_ = false;
};

} // namespace kx
