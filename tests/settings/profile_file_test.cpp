#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/errors.h"
#include "settings/profile_file.h"
#include "settings/shorten_path.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

std::string Ansi(std::string_view text) {
    return std::string(text);
}

std::string Utf16(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

TEST(ProfileFile, ReadsAsTheProfileFunctionsDo) {
    const ProfileFile file =
        ProfileFile::FromBytes(Ansi("; a comment\r\n"
                                    "[First]\r\n"
                                    "  Key = \t value with blanks \t\r\n"
                                    "double=\"quoted\"\r\n"
                                    "single='quoted'\r\n"
                                    "mixed='quoted\"\r\n"
                                    "lone='\r\n"
                                    "inner=\"\"twice\"\"\r\n"
                                    "empty=\r\n"
                                    "dup=first\r\n"
                                    "DUP=second\r\n"
                                    "no equals sign\r\n"
                                    "[first]\r\n"
                                    "later=hidden by the first section of that name\r\n"
                                    " [Second] \n"
                                    "x=1\r"
                                    "hex=0x1F\r\n"
                                    "HEX2=0XfF\r\n"
                                    "neg=-12\r\n"
                                    "bad=12abc\r\n"
                                    "zero=0\r\n"));
    struct Case {
        std::u16string_view section, key;
        std::optional<std::u16string> value;
    };
    for (const Case& c : std::vector<Case>{
             {u"first", u"KEY", u"value with blanks"},
             {u"FIRST", u"double", u"quoted"},
             {u"First", u"single", u"quoted"},
             {u"First", u"mixed", u"'quoted\""},
             {u"First", u"lone", u"'"},
             {u"First", u"inner", u"\"twice\""},
             {u"First", u"empty", u""},
             {u"First", u"dup", u"first"},
             {u"First", u"later", std::nullopt},
             {u"First", u"missing", std::nullopt},
             {u"Missing", u"Key", std::nullopt},
             {u"second", u"x", u"1"},
         }) {
        EXPECT_EQ(file.ReadString(c.section, c.key), c.value) << ToUtf8(c.key);
    }
    EXPECT_EQ(file.encoding(), ProfileEncoding::Ansi);
    EXPECT_EQ(file.ReadInteger(u"Second", u"hex"), 31);
    EXPECT_EQ(file.ReadInteger(u"Second", u"hex2"), 255);
    EXPECT_EQ(file.ReadInteger(u"Second", u"neg"), -12);
    EXPECT_EQ(file.ReadInteger(u"Second", u"bad"), std::nullopt);
    EXPECT_EQ(file.ReadYesNo(u"Second", u"zero"), false);
    EXPECT_EQ(file.ReadYesNo(u"Second", u"neg"), true);
    EXPECT_EQ(file.ReadYesNo(u"Second", u"bad"), std::nullopt);
}

TEST(ProfileFile, CutsLongValues) {
    const std::string value(5000, 'v');
    const ProfileFile file = ProfileFile::FromBytes("[S]\r\nk=" + value + "\r\n");
    EXPECT_EQ(file.ReadString(u"S", u"k")->size(), kProfileValueLimit);
}

TEST(ProfileFile, WritesInPlaceAtSectionEndsAndAtTheFileEnd) {
    ProfileFile file = ProfileFile::FromBytes(
        Ansi("; kept\r\n[A]\r\nOne=1\r\nTwo=2\r\n\r\n[Other]\r\nmine=yes\r\n"));
    file.WriteString(u"a", u"two", u"zwei");
    file.WriteString(u"A", u"Three", u"3");
    file.WriteString(u"New", u"k", u"v");
    file.WriteString(u"new", u"K", u"w");
    EXPECT_EQ(file.ToBytes(),
              "; kept\r\n[A]\r\nOne=1\r\ntwo=zwei\r\nThree=3\r\n\r\n[Other]\r\nmine=yes\r\n"
              "[New]\r\nK=w\r\n");
    // A value never breaks into lines of its own.
    file.WriteString(u"A", u"One", u"x\r\n[Evil]\r\ny");
    EXPECT_EQ(ProfileFile::FromBytes(file.ToBytes()).ReadString(u"A", u"One"), u"x  [Evil]  y");
}

TEST(ProfileFile, KeepsTheEncodingOfAFile) {
    ProfileFile fresh;
    fresh.WriteString(u"S", u"k", u"ä€");
    EXPECT_EQ(fresh.ToBytes(), Utf16(u"[S]\r\nk=ä€\r\n"));
    ProfileFile ansi = ProfileFile::FromBytes("[S]\r\nk=\xE4\r\n");
    EXPECT_EQ(ansi.ReadString(u"S", u"k"), u"ä");
    ansi.WriteString(u"S", u"k", u"€ö");
    EXPECT_EQ(ansi.ToBytes(), "[S]\r\nk=\x80\xF6\r\n");
    // A character that Windows-1252 cannot write turns the file into UTF-16 rather than "?".
    ansi.WriteString(u"S", u"path", u"/home/\u4E2D");
    EXPECT_EQ(ansi.ToBytes(), Utf16(u"[S]\r\nk=€ö\r\npath=/home/\u4E2D\r\n"));
    const ProfileFile unicode = ProfileFile::FromBytes(Utf16(u"[S]\nk=\u4E2D"));
    EXPECT_EQ(unicode.encoding(), ProfileEncoding::Utf16Le);
    EXPECT_EQ(unicode.ReadString(u"s", u"K"), u"\u4E2D");
}

TEST(ProfileFile, ReadsDamagedFilesWithoutFailing) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) & 0xFF);
    std::string manySections;
    for (int i = 0; i < 20000; ++i)
        manySections += "[S" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    const std::string hugeLine = "[S]\r\nk=" + std::string(10 * 1024 * 1024, 'x');
    for (const std::string& bytes :
         {Utf16(u"[S]\r\nk=v").substr(0, 9), Utf16(u"[S]\r\nk=v") + "\x41",
          std::string("\xFF\xFE\x00\xD8", 4), std::string("\xFF"), std::string(), garbage,
          manySections, hugeLine, std::string("[\r\n=\r\n[]\r\n]=[\r\n", 15)}) {
        ProfileFile file = ProfileFile::FromBytes(bytes);
        (void)file.ReadString(u"S", u"k");
        file.WriteString(u"S", u"k", u"v");
        EXPECT_EQ(ProfileFile::FromBytes(file.ToBytes()).ReadString(u"S", u"k"), u"v");
    }
    EXPECT_EQ(ProfileFile::FromBytes(manySections).ReadString(u"s19999", u"K"), u"19999");
}

TEST(ProfileFile, SavingReplacesTheFileOnlyWhenComplete) {
    const testing::TempFolder folder;
    const std::string path = folder.write("c.lkfg", "[S]\r\nk=old\r\n");
    ProfileFile file = ProfileFile::ReadForUpdate(path);
    file.WriteString(u"S", u"k", u"new");
    file.Save(path);
    EXPECT_EQ(testing::TempFolder::read(path), "[S]\r\nk=new\r\n");

    if (geteuid() != 0) {
        chmod(folder.path().c_str(), 0500);
        file.WriteString(u"S", u"k", u"newer");
        try {
            file.Save(path);
            ADD_FAILURE() << "saving into a read-only folder succeeded";
        } catch (const UserError& error) {
            EXPECT_EQ(error.text(), u"Unable to write to " + FromUtf8(path));
        }
        chmod(folder.path().c_str(), 0700);
        EXPECT_EQ(testing::TempFolder::read(path), "[S]\r\nk=new\r\n");
    }
    // A device that refuses every write: the failure is reported, never taken for success.
    if (std::filesystem::exists("/dev/full")) {
        try {
            file.Save("/dev/full");
            ADD_FAILURE() << "saving to a full device succeeded";
        } catch (const UserError& error) {
            EXPECT_EQ(error.text(), u"Unable to write to /dev/full");
        }
    }
    EXPECT_EQ(ProfileFile::ReadOrEmpty(folder.file("missing.lkfg")).ReadString(u"S", u"k"),
              std::nullopt);
    EXPECT_THROW(ProfileFile::ReadForUpdate(folder.path().string()), UserError);
}

TEST(ProtectQuotes, GivesEveryTextBackThroughReading) {
    struct Case {
        std::u16string_view value, written;
    };
    for (const Case& c : std::vector<Case>{
             {u"'quoted'", u"''quoted''"},
             {u"\"quoted\"", u"\"\"quoted\"\""},
             {u"'", u"'"},
             {u"''", u"''''"},
             {u"'mixed\"", u"'mixed\""},
             {u"plain", u"plain"},
             {u", ", u"\", \""},
             {u" ", u"\" \""},
             {u"\t[", u"\"\t[\""},
             {u" \"x", u"\" \"x\""},
             {u"", u""},
         }) {
        EXPECT_EQ(ProtectQuotes(c.value), c.written);
        ProfileFile file;
        file.WriteString(u"S", u"k", ProtectQuotes(c.value));
        EXPECT_EQ(ProfileFile::FromBytes(file.ToBytes()).ReadString(u"S", u"k"), c.value);
    }
}

TEST(ShortenPath, DropsLeadingFoldersUntilThePathFits) {
    const std::u16string path = u"C:\\Anfang\\Buch\\Kapitel\\name.lkfg";
    struct Case {
        int width;
        std::u16string_view expected;
    };
    for (const Case& c : std::vector<Case>{
             {100, path},
             {30, u"C:\\...\\Buch\\Kapitel\\name.lkfg"},
             {25, u"C:\\...\\Kapitel\\name.lkfg"},
             {20, u"C:\\...\\name.lkfg"},
             {15, u"...\\name.lkfg"},
             {12, u"name.lkfg"},
             {1, u"name.lkfg"},
         }) {
        EXPECT_EQ(ShortenPath(path, c.width, CharacterCount), c.expected) << c.width;
    }
    EXPECT_EQ(ShortenPath(u"/home/ute/konf/name.lkfg", 20, CharacterCount), u"/.../konf/name.lkfg");
    EXPECT_EQ(ShortenPath(u"/home/ute/konf/name.lkfg", 14, CharacterCount), u"/.../name.lkfg");
    EXPECT_EQ(ShortenPath(u"/home/ute/konf/name.lkfg", 13, CharacterCount), u".../name.lkfg");
    EXPECT_EQ(ShortenPath(u"name.lkfg", 1, CharacterCount), u"name.lkfg");
}

}  // namespace
}  // namespace lexorim
