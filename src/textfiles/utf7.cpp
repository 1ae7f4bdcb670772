#include <array>
#include <cstdint>

#include "engine/large_buffers.h"
#include "textfiles/internal/codecs.h"

namespace lexorim {

namespace {

constexpr char kBase64Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The value of every base64 character, -1 for other bytes.
constexpr std::array<int8_t, 256> MakeBase64Values() {
    std::array<int8_t, 256> values{};
    for (auto& value : values) {
        value = -1;
    }
    for (int digit = 0; digit < 64; ++digit) {
        values[static_cast<unsigned char>(kBase64Digits[digit])] = static_cast<int8_t>(digit);
    }
    return values;
}
constexpr std::array<int8_t, 256> kBase64Values = MakeBase64Values();

// Characters written as themselves: Set D, Set O, blank, tab, CR and LF.
constexpr std::array<bool, 128> MakeDirectCharacters() {
    std::array<bool, 128> direct{};
    constexpr char kDirect[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789'(),-./:?"  // Set D
        "!\"#$%&*;<=>@[]^_`{|}"                                                    // Set O
        " \t\r\n";
    for (const char c : kDirect) {
        if (c != '\0') {
            direct[static_cast<unsigned char>(c)] = true;
        }
    }
    return direct;
}
constexpr std::array<bool, 128> kDirectCharacters = MakeDirectCharacters();

bool IsBase64Character(char16_t unit) {
    return unit < 128 && kBase64Values[unit] >= 0;
}

// Writes the code units of one shifted run as modified base64.
class ShiftedRun {
  public:
    explicit ShiftedRun(std::string& out) : out_(out) {}

    bool open() const { return open_; }

    void add(char16_t unit) {
        if (!open_) {
            out_.push_back('+');
            open_ = true;
        }
        bits_ = (bits_ << 16) | unit;
        bitCount_ += 16;
        while (bitCount_ >= 6) {
            bitCount_ -= 6;
            out_.push_back(kBase64Digits[(bits_ >> bitCount_) & 0x3F]);
        }
        bits_ &= (1u << bitCount_) - 1;
    }

    // Pads the last digit with zero bits; the hyphen-minus is written only where the next
    // character would otherwise be read as part of the run or be swallowed as its end.
    void close(char16_t next) {
        if (!open_) {
            return;
        }
        finish();
        if (IsBase64Character(next) || next == u'-') {
            out_.push_back('-');
        }
    }

    void finish() {
        if (bitCount_ > 0) {
            out_.push_back(kBase64Digits[(bits_ << (6 - bitCount_)) & 0x3F]);
        }
        bits_ = 0;
        bitCount_ = 0;
        open_ = false;
    }

  private:
    std::string& out_;
    uint32_t bits_ = 0;
    int bitCount_ = 0;
    bool open_ = false;
};

}  // namespace

std::optional<Text> DecodeUtf7(std::string_view bytes) {
    const auto* const in = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t size = bytes.size();
    Text text;
    ReserveLarge(text, size);
    size_t i = 0;
    while (i < size) {
        const unsigned char byte = in[i++];
        if (byte >= 0x80) {
            return std::nullopt;
        }
        if (byte != '+') {
            text.push_back(byte);
            continue;
        }
        if (i < size && in[i] == '-') {
            text.push_back(u'+');
            ++i;
            continue;
        }
        uint32_t bits = 0;
        int bitCount = 0;
        bool yieldedUnit = false;
        while (i < size && kBase64Values[in[i]] >= 0) {
            bits = (bits << 6) | static_cast<uint32_t>(kBase64Values[in[i]]);
            bitCount += 6;
            if (bitCount >= 16) {
                bitCount -= 16;
                text.push_back(static_cast<char16_t>(bits >> bitCount));
                yieldedUnit = true;
            }
            bits &= (1u << bitCount) - 1;
            ++i;
        }
        if (!yieldedUnit || bits != 0) {
            return std::nullopt;
        }
        if (i < size && in[i] == '-') {
            ++i;
        }
    }
    return text;
}

void AppendUtf7(TextView text, bool withSignature, std::string& out) {
    ReserveLarge(out, out.size() + text.size() + text.size() / 2 + 8);
    ShiftedRun run(out);
    if (withSignature) {
        run.add(u'\uFEFF');
    }
    for (const char16_t unit : text) {
        if (unit < 128 && kDirectCharacters[unit]) {
            run.close(unit);
            out.push_back(static_cast<char>(unit));
        } else if (unit == u'+') {
            run.close(unit);
            out.append("+-");
        } else {
            run.add(unit);
        }
    }
    run.finish();
}

}  // namespace lexorim
