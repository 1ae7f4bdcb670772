#include <gtest/gtest.h>

#include "shell/key_files.h"

namespace lexorim {
namespace {

TEST(ExecArgument, QuotesOnlyWhereTheDesktopEntryFormatNeedsIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"/usr/bin/lexorim", "/usr/bin/lexorim"},
        {"/opt/my app/lexorim", "\"/opt/my app/lexorim\""},
        {"/opt/a\"b$c`d\\e/lexorim", "\"/opt/a\\\"b\\$c\\`d\\\\e/lexorim\""},
        {"/opt/50%/lexorim", "/opt/50%%/lexorim"},
        {"/opt/50% off/lexorim", "\"/opt/50%% off/lexorim\""},
        {"/opt/(x);y/lexorim", "\"/opt/(x);y/lexorim\""},
        {"", "\"\""},
    };
    for (const auto& [argument, expected] : cases)
        EXPECT_EQ(ExecArgument(argument), expected) << argument;
}

TEST(KeyValues, AreEscapedAndReadBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"},
        {"back\\slash", "back\\\\slash"},
        {" leading blank", "\\sleading blank"},
        {"line\nbreak\ttab\rreturn", "line\\nbreak\\ttab\\rreturn"},
    };
    for (const auto& [value, stored] : cases) {
        EXPECT_EQ(EscapeKeyValue(value), stored);
        EXPECT_EQ(UnescapeKeyValue(stored), value);
    }
}

TEST(KeyValues, AreFoundInTheirGroupOnly) {
    const std::string text =
        "# Exec=comment\n[Other]\nExec=other\n[Desktop Entry]\nName=x\nExec = a\\sb \n"
        "Exec[de]=localised\n";
    EXPECT_EQ(KeyValue(text, "Desktop Entry", "Exec"), "a b");
    EXPECT_EQ(KeyValue(text, "Other", "Exec"), "other");
    EXPECT_EQ(KeyValue(text, "Desktop Entry", "Icon"), std::nullopt);
    EXPECT_EQ(KeyValue(text, "Missing", "Exec"), std::nullopt);
}

constexpr std::string_view kForeignList =
    "[Added Associations]\n"
    "text/plain=gedit.desktop;\n"
    "\n"
    "[Default Applications]\n"
    "text/html=firefox.desktop\n"
    "\n"
    "[Removed Associations]\n"
    "image/png=gimp.desktop;\n";

TEST(MimeappsList, GetsTheDefaultAtTheEndOfItsGroupAndKeepsEveryOtherLine) {
    EXPECT_EQ(
        WithDefaultApplication(kForeignList, "application/x-lexorim-index", "lexorim-idx.desktop"),
        "[Added Associations]\n"
        "text/plain=gedit.desktop;\n"
        "\n"
        "[Default Applications]\n"
        "text/html=firefox.desktop\n"
        "application/x-lexorim-index=lexorim-idx.desktop;\n"
        "\n"
        "[Removed Associations]\n"
        "image/png=gimp.desktop;\n");
}

TEST(MimeappsList, PutsOursFirstOnAnExistingLineWhereItStands) {
    const std::string list =
        "[Default Applications]\n"
        "application/x-lexorim-index=other.desktop;lexorim-idx.desktop;\n"
        "text/html=firefox.desktop\n";
    const std::string changed =
        WithDefaultApplication(list, "application/x-lexorim-index", "lexorim-idx.desktop");
    EXPECT_EQ(changed,
              "[Default Applications]\n"
              "application/x-lexorim-index=lexorim-idx.desktop;other.desktop;\n"
              "text/html=firefox.desktop\n");
    EXPECT_EQ(DefaultApplication(changed, "application/x-lexorim-index"), "lexorim-idx.desktop");
    // Removing ours leaves the other application as the default.
    EXPECT_EQ(
        WithoutDefaultApplication(changed, "application/x-lexorim-index", "lexorim-idx.desktop"),
        "[Default Applications]\n"
        "application/x-lexorim-index=other.desktop;\n"
        "text/html=firefox.desktop\n");
}

TEST(MimeappsList, GetsItsGroupWhenItHasNone) {
    EXPECT_EQ(WithDefaultApplication("", "application/x-lexorim-index", "lexorim-idx.desktop"),
              "[Default Applications]\napplication/x-lexorim-index=lexorim-idx.desktop;\n");
    EXPECT_EQ(WithDefaultApplication("[Added Associations]\ntext/plain=a.desktop;",
                                     "application/x-lexorim-index", "lexorim-idx.desktop"),
              "[Added Associations]\ntext/plain=a.desktop;\n\n[Default Applications]\n"
              "application/x-lexorim-index=lexorim-idx.desktop;\n");
}

TEST(MimeappsList, RemovesOnlyOurDefault) {
    const std::string withOurs =
        WithDefaultApplication(kForeignList, "application/x-lexorim-index", "lexorim-idx.desktop");
    EXPECT_EQ(
        WithoutDefaultApplication(withOurs, "application/x-lexorim-index", "lexorim-idx.desktop"),
        kForeignList);
    // Another program's default for our type, or no group at all, is left alone byte for byte.
    const std::string foreign = "[Default Applications]\napplication/x-lexorim-index = b.desktop";
    EXPECT_EQ(
        WithoutDefaultApplication(foreign, "application/x-lexorim-index", "lexorim-idx.desktop"),
        foreign);
    EXPECT_EQ(
        WithoutDefaultApplication("x=y", "application/x-lexorim-index", "lexorim-idx.desktop"),
        "x=y");
    EXPECT_EQ(DefaultApplication(foreign, "application/x-lexorim-index"), "b.desktop");
    EXPECT_EQ(DefaultApplication(kForeignList, "application/x-lexorim-index"), "");
}

}  // namespace
}  // namespace lexorim
