#include <gtest/gtest.h>

#include "textindex/page_writing.h"

namespace lexorim {
namespace {

TEST(PageWriting, ReplacesEmptyLines) {
    const Text text = u"Text A\r\n\r\n\r\nText B\r\n\r\n";
    EXPECT_EQ(ReplaceEmptyLines(text, 1, true), u"Text A\r\n1\r\n\r\nText B\r\n2\r\n");
    EXPECT_EQ(ReplaceEmptyLines(text, 1, false), u"Text A\r\n1\r\n2\r\nText B\r\n3\r\n");
    EXPECT_EQ(ReplaceEmptyLines(u"\nA\n\nB", 0, true), u"0\r\nA\r\n1\r\nB\r\n");
    EXPECT_EQ(ReplaceEmptyLines(u"\n\nA", 7, true), u"7\r\n\r\nA\r\n");
}

TEST(PageWriting, ReplacesMarkersWithTheNumberFrame) {
    EXPECT_EQ(ReplaceMarkers(u"eins # zwei # drei", 1, u"#", u"#NL", u"#NL"),
              u"eins \r\n1\r\n zwei \r\n2\r\n drei");
    EXPECT_EQ(ReplaceMarkers(u"eins # zwei # drei", 1, u"#", u"", u""), u"eins 1 zwei 2 drei");
    EXPECT_EQ(ReplaceMarkers(u"a#b", 9, u"", u"", u""), u"a#b");
    // A marker inside the frame is not replaced again.
    EXPECT_EQ(ReplaceMarkers(u"a#b#", 1, u"#", u"[#]", u""), u"a[#]1b[#]2");
}

TEST(PageWriting, InsertsAtTheCaretAndCountsUp) {
    PageWritingEditor editor;
    editor.text = u"erste Zeile\r\nzweite";
    PageWritingOptions options;
    editor.InsertAtCaret(1, 3, options);
    EXPECT_EQ(editor.text, u"erste Zeile\r\nzwe\r\n1\r\nite");
    EXPECT_EQ(options.caretPage, u"2");
    editor.InsertAtCaret(0, 100, options);
    EXPECT_EQ(editor.text, u"erste Zeile\r\n2\r\n\r\nzwe\r\n1\r\nite");
    EXPECT_EQ(options.caretPage, u"3");
    options.countUpAtCaret = false;
    options.before = u"";
    options.after = u"";
    editor.InsertAtCaret(99, 0, options);
    EXPECT_TRUE(editor.text.ends_with(u"\r\n1\r\n3ite"));  // the last line
    options.countUpAtCaret = true;
    options.caretPage = u"iv";
    editor.InsertAtCaret(0, 0, options);
    EXPECT_EQ(options.caretPage, u"iv");
}

TEST(PageWriting, LoadsAndAddsTexts) {
    PageWritingEditor editor;
    editor.LoadText(u"eins", false);
    editor.LoadText(u"zwei", true);
    EXPECT_EQ(editor.text, u"eins\r\nzwei");
    editor.LoadText(u"drei", false);
    EXPECT_EQ(editor.text, u"drei");
}

TEST(PageWriting, UndoExchangesTextAndSnapshot) {
    PageWritingEditor editor;
    editor.text = u"A\r\n\r\nB\r\n";
    editor.ReplaceEmptyLines(PageWritingOptions{});
    const Text numbered = editor.text;
    EXPECT_EQ(numbered, u"A\r\n1\r\nB\r\n");
    editor.SwapWithSnapshot();
    EXPECT_EQ(editor.text, u"A\r\n\r\nB\r\n");
    editor.SwapWithSnapshot();
    EXPECT_EQ(editor.text, numbered);
    editor.ReplaceMarkers(PageWritingOptions{});
    EXPECT_EQ(editor.snapshot(), numbered);
}

}  // namespace
}  // namespace lexorim
