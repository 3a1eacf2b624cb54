#include "store/WordReader.h"

#include <streambuf>

namespace kx {

namespace {

bool IsSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Decides "number or not" and the value character by character, because the stored text of a
// long word is cut short while a long run of leading zeros is still a valid number.
class NumberScan {
  public:
    void Feed(char c, bool first) {
        if (first && (c == '-' || c == '+')) {
            negative_ = c == '-';
            return;
        }
        if (c < '0' || c > '9') {
            valid_ = false;
            return;
        }
        digits_ = true;
        value_ = value_ * 10u + uint32_t(c - '0');
    }
    bool IsNumber() const { return valid_ && digits_; }
    uint32_t Value() const { return negative_ ? 0u - value_ : value_; }

  private:
    bool valid_ = true;
    bool digits_ = false;
    bool negative_ = false;
    uint32_t value_ = 0;
};

} // namespace

bool WordReader::Next(Word& word) {
    if (pending_) {
        word = std::move(*pending_);
        pending_.reset();
        return true;
    }
    // A stream buffer reports a failing disk by throwing (libstdc++'s file buffer does); the
    // stream's bad bit tells the caller instead, and reading ends there.
    try {
        return ReadWord(word);
    } catch (...) {
        failed_ = true;
        try {
            in_.setstate(std::ios::badbit);
        } catch (...) {
        }
        return false;
    }
}

bool WordReader::ReadWord(Word& word) {
    if (failed_)
        return false;
    std::streambuf* buffer = in_.rdbuf();
    if (!buffer)
        return false;
    constexpr int kEof = std::char_traits<char>::eof();
    int c = buffer->sgetc();
    while (c != kEof && IsSpace(c))
        c = buffer->snextc();
    if (c == kEof) {
        in_.setstate(std::ios::eofbit);
        return false;
    }
    word.text.clear();
    NumberScan scan;
    bool first = true;
    while (c != kEof && !IsSpace(c)) {
        const char ch = std::char_traits<char>::to_char_type(c);
        if (word.text.size() <= kMaxWordLength)
            word.text.push_back(ch);
        scan.Feed(ch, first);
        first = false;
        c = buffer->snextc();
    }
    if (c == kEof)
        in_.setstate(std::ios::eofbit);
    word.isNumber = scan.IsNumber();
    word.number = scan.Value();
    return true;
}

std::optional<uint32_t> WordReader::NextNumber() {
    Word word;
    if (!Next(word))
        return std::nullopt;
    if (!word.isNumber) {
        PutBack(std::move(word));
        return std::nullopt;
    }
    return word.number;
}

} // namespace kx
