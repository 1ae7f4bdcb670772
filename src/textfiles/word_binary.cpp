// A reader of just enough of the compound file format to find the WordDocument stream and the
// table stream of a DOC and to check that its file information block is sound.

#include "textfiles/internal/word_binary.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "textfiles/document_error.h"

namespace lexorim {

namespace {

constexpr std::string_view kSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr size_t kHeaderSize = 512;
constexpr size_t kDirectoryEntrySize = 128;
constexpr size_t kMiniSectorSize = 64;
constexpr uint32_t kMiniStreamCutoff = 4096;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kNoStream = 0xFFFFFFFF;
constexpr size_t kHeaderFatEntries = 109;

constexpr uint8_t kStreamObject = 2;
constexpr uint8_t kRootObject = 5;

constexpr uint16_t kWordIdent = 0xA5EC;
constexpr uint16_t kWordTemplateIdent = 0xA5DC;
constexpr uint16_t kWord6Version = 101;
constexpr uint16_t kWord97Version = 193;
constexpr uint16_t kEncryptedFlag = 0x0100;
constexpr uint16_t kTableOneFlag = 0x0200;

[[noreturn]] void Damaged() {
    throw DocumentProblemError(DocumentProblem::Damaged, "DOC");
}

uint32_t ReadU16(std::string_view bytes, size_t at) {
    if (at + 2 > bytes.size()) {
        Damaged();
    }
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

uint32_t ReadU32(std::string_view bytes, size_t at) {
    return ReadU16(bytes, at) | ReadU16(bytes, at + 2) << 16;
}

struct DirectoryEntry {
    std::u16string name;
    uint8_t type = 0;
    uint32_t left = kNoStream;
    uint32_t right = kNoStream;
    uint32_t child = kNoStream;
    uint32_t start = kEndOfChain;
    uint32_t size = 0;
};

class CompoundFile {
  public:
    explicit CompoundFile(std::string_view bytes) : bytes_(bytes) {
        if (bytes.size() < kHeaderSize || !HasCompoundFileSignature(bytes) ||
            ReadU16(bytes, 0x1C) != 0xFFFE || ReadU16(bytes, 0x20) != 6 ||
            ReadU32(bytes, 0x38) != kMiniStreamCutoff) {
            Damaged();
        }
        const uint32_t major = ReadU16(bytes, 0x1A);
        const uint32_t shift = ReadU16(bytes, 0x1E);
        if (!((major == 3 && shift == 9) || (major == 4 && shift == 12))) {
            Damaged();
        }
        sectorSize_ = size_t{1} << shift;
        sectorCount_ = (bytes.size() - 1) / sectorSize_;  // the header fills the first sector
        ReadFat();
        ReadDirectory();
        miniFat_ = Entries(ReadChain(ReadU32(bytes, 0x3C), fat_, sectorSize_, SectorReader()));
        const DirectoryEntry& root = directory_.at(0);
        miniStream_ = ReadChain(root.start, fat_, sectorSize_, SectorReader());
        if (miniStream_.size() < root.size) {
            Damaged();
        }
    }

    // The stream of that name directly in the root storage.
    std::optional<DirectoryEntry> RootStream(std::u16string_view name) const {
        std::set<uint32_t> seen;
        std::vector<uint32_t> pending = {directory_[0].child};
        while (!pending.empty()) {
            const uint32_t id = pending.back();
            pending.pop_back();
            if (id == kNoStream) {
                continue;
            }
            if (id >= directory_.size() || !seen.insert(id).second) {
                Damaged();
            }
            const DirectoryEntry& entry = directory_[id];
            if (entry.type == kStreamObject && entry.name == name) {
                return entry;
            }
            pending.push_back(entry.left);
            pending.push_back(entry.right);
        }
        return std::nullopt;
    }

    // The whole stream; throws when its sectors do not hold its size.
    std::string ReadStream(const DirectoryEntry& entry) const {
        std::string data = entry.size < kMiniStreamCutoff
                               ? ReadChain(entry.start, miniFat_, kMiniSectorSize, MiniReader())
                               : ReadChain(entry.start, fat_, sectorSize_, SectorReader());
        if (data.size() < entry.size) {
            Damaged();
        }
        data.resize(entry.size);
        return data;
    }

  private:
    using Reader = std::function<std::string_view(uint32_t)>;

    Reader SectorReader() const {
        return [this](uint32_t sector) {
            if (sector >= sectorCount_) {
                Damaged();
            }
            return bytes_.substr((size_t{sector} + 1) * sectorSize_, sectorSize_);
        };
    }

    Reader MiniReader() const {
        return [this](uint32_t sector) {
            const size_t at = size_t{sector} * kMiniSectorSize;
            if (at + kMiniSectorSize > miniStream_.size()) {
                Damaged();
            }
            return std::string_view(miniStream_).substr(at, kMiniSectorSize);
        };
    }

    static std::vector<uint32_t> Entries(std::string_view data) {
        std::vector<uint32_t> entries;
        for (size_t at = 0; at + 4 <= data.size(); at += 4) {
            entries.push_back(ReadU32(data, at));
        }
        return entries;
    }

    // The sectors of a chain one after the other; a chain that leaves the table or runs in a
    // circle is damage.
    static std::string ReadChain(uint32_t start, const std::vector<uint32_t>& table,
                                 size_t unitSize, const Reader& read) {
        std::string data;
        for (uint32_t sector = start; sector != kEndOfChain; sector = table[sector]) {
            if (sector >= table.size() || data.size() >= table.size() * unitSize) {
                Damaged();
            }
            const std::string_view unit = read(sector);
            data.append(unit);
            data.append(unitSize - unit.size(), '\0');  // a last sector the writer did not pad
        }
        return data;
    }

    void ReadFat() {
        const uint32_t fatSectors = ReadU32(bytes_, 0x2C);
        if (fatSectors > sectorCount_) {
            Damaged();
        }
        std::vector<uint32_t> locations;
        for (size_t i = 0; i < kHeaderFatEntries && locations.size() < fatSectors; ++i) {
            locations.push_back(ReadU32(bytes_, 0x4C + 4 * i));
        }
        // Further FAT sectors are listed in a chain of DIFAT sectors, each ending with the next.
        uint32_t difat = ReadU32(bytes_, 0x44);
        for (size_t hops = 0; locations.size() < fatSectors; ++hops) {
            if (hops > sectorCount_) {
                Damaged();
            }
            const std::string_view sector = SectorReader()(difat);
            const size_t perSector = sectorSize_ / 4 - 1;
            for (size_t i = 0; i < perSector && locations.size() < fatSectors; ++i) {
                locations.push_back(ReadU32(sector, 4 * i));
            }
            difat = ReadU32(sector, 4 * perSector);
        }
        std::string fat;
        for (const uint32_t location : locations) {
            fat.append(SectorReader()(location));
        }
        fat_ = Entries(fat);
        if (fat_.empty()) {
            Damaged();
        }
    }

    void ReadDirectory() {
        const std::string data =
            ReadChain(ReadU32(bytes_, 0x30), fat_, sectorSize_, SectorReader());
        const bool version3 = sectorSize_ == 512;
        for (size_t at = 0; at + kDirectoryEntrySize <= data.size(); at += kDirectoryEntrySize) {
            const std::string_view raw = std::string_view(data).substr(at, kDirectoryEntrySize);
            DirectoryEntry entry;
            const uint32_t nameBytes = ReadU16(raw, 0x40);
            entry.type = static_cast<uint8_t>(raw[0x42]);
            if (entry.type != 0) {
                if (nameBytes < 2 || nameBytes > 64 || nameBytes % 2 != 0) {
                    Damaged();
                }
                for (size_t i = 0; i + 2 < nameBytes; i += 2) {
                    entry.name += static_cast<char16_t>(ReadU16(raw, i));
                }
            }
            entry.left = ReadU32(raw, 0x44);
            entry.right = ReadU32(raw, 0x48);
            entry.child = ReadU32(raw, 0x4C);
            entry.start = ReadU32(raw, 0x74);
            // Version 3 files may leave junk in the high half of the size.
            entry.size = ReadU32(raw, 0x78);
            if (!version3 && ReadU32(raw, 0x7C) != 0) {
                Damaged();
            }
            directory_.push_back(std::move(entry));
        }
        if (directory_.empty() || directory_[0].type != kRootObject) {
            Damaged();
        }
    }

    std::string_view bytes_;
    size_t sectorSize_ = 512;
    size_t sectorCount_ = 0;
    std::vector<uint32_t> fat_;
    std::vector<uint32_t> miniFat_;
    std::vector<DirectoryEntry> directory_;
    std::string miniStream_;
};

// Word 97 and later: the FIB's fixed parts have their known lengths, and the piece table (CLX)
// it points to lies inside the table stream.
WordBinaryFacts CheckWord97Fib(const CompoundFile& file, std::string_view fib, uint32_t flags) {
    constexpr size_t kFibRgFcLcb = 0x9A;
    constexpr size_t kClxPair = 33;  // fcClx, lcbClx
    if (ReadU16(fib, 0x20) != 14 || ReadU16(fib, 0x3E) != 22 || ReadU16(fib, 0x98) <= kClxPair) {
        Damaged();
    }
    const uint32_t clxAt = ReadU32(fib, kFibRgFcLcb + 8 * kClxPair);
    const uint32_t clxLength = ReadU32(fib, kFibRgFcLcb + 8 * kClxPair + 4);
    const std::optional<DirectoryEntry> table =
        file.RootStream((flags & kTableOneFlag) != 0 ? u"1Table" : u"0Table");
    if (!table) {
        Damaged();
    }
    const std::string tableStream = file.ReadStream(*table);
    if (clxLength == 0 || clxAt > tableStream.size() || clxLength > tableStream.size() - clxAt) {
        Damaged();
    }
    return {ReadU32(fib, 0x4C)};
}

}  // namespace

bool HasCompoundFileSignature(std::string_view bytes) {
    return bytes.starts_with(kSignature);
}

WordBinaryFacts InspectWordBinary(std::string_view bytes) {
    const CompoundFile file(bytes);
    const std::optional<DirectoryEntry> wordDocument = file.RootStream(u"WordDocument");
    // A password-protected DOCX is a compound file around the encrypted package.
    if (!wordDocument && file.RootStream(u"EncryptedPackage")) {
        throw DocumentProblemError(DocumentProblem::Encrypted);
    }
    if (!wordDocument) {
        throw DocumentProblemError(DocumentProblem::NotThisKind, "DOC");
    }
    const std::string fib = file.ReadStream(*wordDocument);
    const uint32_t ident = ReadU16(fib, 0);
    const uint32_t version = ReadU16(fib, 2);
    if ((ident != kWordIdent && ident != kWordTemplateIdent) || version < kWord6Version) {
        Damaged();
    }
    // The FIB itself stays readable in an encrypted document.
    const uint32_t flags = ReadU16(fib, 0x0A);
    if ((flags & kEncryptedFlag) != 0) {
        throw DocumentProblemError(DocumentProblem::Encrypted, "DOC");
    }
    if (version >= kWord97Version) {
        return CheckWord97Fib(file, fib, flags);
    }
    return {ReadU32(fib, 0x34)};  // Word 6 and 95 keep the text length earlier in the FIB
}

}  // namespace lexorim
