// The HTML page of a real file index run, opened in headless Chromium: its letter links lead to
// anchors that exist and every document link points at the link of its source row. Skipped when
// Chromium is not installed or cannot start here.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace lexorim {
namespace {

using testing::TempFolder;

std::string Quote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

int Shell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::string FindChromium() {
    for (const char* candidate : {"/usr/bin/chromium", "/usr/bin/chromium-browser"}) {
        if (std::filesystem::exists(candidate))
            return candidate;
    }
    return {};
}

// Checks that run inside the page: the result goes into an element the dumped DOM shows.
constexpr const char* kCheckScript = R"(
<script>
(function () {
  var problems = [];
  var rows = {};
  LEXORIM_ROWS.split("\n").forEach(function (line) {
    var columns = line.split("\t");
    if (columns.length == 6) rows[columns[0]] = columns[1];
  });
  var bar = document.getElementById("links");
  var letters = bar ? bar.getElementsByTagName("a") : [];
  if (letters.length == 0) problems.push("no letter links");
  for (var i = 0; i < letters.length; i++) {
    var target = letters[i].getAttribute("href").substring(1);
    var anchors = document.getElementsByName(target);
    if (anchors.length != 1) { problems.push("letter link to missing anchor " + target); continue; }
    location.hash = "#" + target;
    if (Math.abs(anchors[0].getBoundingClientRect().top) > 2 &&
        window.scrollY + window.innerHeight < document.body.scrollHeight - 2)
      problems.push("letter link " + target + " does not jump to its anchor");
  }
  var boxes = document.querySelectorAll("div[id=r]");
  var links = 0;
  for (var b = 0; b < boxes.length; b++) {
    var documents = boxes[b].getElementsByTagName("a");
    for (var d = 0; d < documents.length; d++, links++) {
      var name = documents[d].innerHTML;
      var href = documents[d].getAttribute("href");
      if (!(name in rows)) problems.push("document link with unknown name " + name);
      else if (rows[name] != href) problems.push(name + " links to " + href + ", not " + rows[name]);
    }
  }
  if (links == 0) problems.push("no document links");
  if (document.body.innerText.indexOf("K\u00f6ln") < 0) problems.push("umlaut not shown");
  if (document.body.innerText.indexOf("\u20acuro") < 0) problems.push("euro sign not shown");
  var result = document.createElement("pre");
  result.id = "lexorim-check";
  result.textContent = problems.length ? problems.join("; ") : "ALL GOOD " + links;
  document.body.appendChild(result);
})();
</script>
)";

TEST(HtmlPageBrowserTest, LetterAndDocumentLinksWorkInChromium) {
    const std::string chromium = FindChromium();
    if (chromium.empty())
        GTEST_SKIP() << "chromium is not installed";
    TempFolder folder;
    std::string start = "<html><body>";
    for (int i = 0; i < 30; ++i) {
        const std::string name = "seite" + std::to_string(i) + ".html";
        std::string text =
            "<p>Haus Garten K\xC3\xB6ln Seite" + std::to_string(i) + " 1999 \xE2\x82\xACuro</p>";
        if (i % 3 == 0)
            text += "<p>\xC3\x84pfel \xC3\x89clair Zebra Baum</p>";
        folder.write(name, text);
        start += "<a href=\"" + name + "\">Seite Nummer " + std::to_string(i) + "</a>\n";
    }
    folder.write("start.html", start + "</body></html>");
    const std::string cli = Quote(LEXORIM_CLI);
    const std::string in = "cd " + Quote(folder.path().string()) + " && LC_ALL=de_DE.UTF-8 ";
    ASSERT_EQ(Shell(in + cli + " files start.html --scan --set endungenweg=1 --list > rows.txt"),
              0);
    ASSERT_EQ(Shell(in + cli + " files start.html --scan --set endungenweg=1 -o page.html"), 0);

    std::string rows = TempFolder::read(folder.file("rows.txt"));
    std::string escaped;
    for (const char c : rows) {
        if (c == '\r')
            continue;
        escaped += c == '\n'   ? std::string("\\n")
                   : c == '\t' ? std::string("\\t")
                   : c == '"'  ? std::string("\\\"")
                               : std::string(1, c);
    }
    std::string page = TempFolder::read(folder.file("page.html"));
    page += "<script>var LEXORIM_ROWS = \"" + escaped + "\";</script>";
    page += kCheckScript;
    folder.write("checked.html", page);

    const std::string command =
        "timeout 120 " + Quote(chromium) +
        " --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking"
        " --disable-component-update --disable-sync --user-data-dir=" +
        Quote(folder.file("profile")) + " --dump-dom " +
        Quote("file://" + folder.file("checked.html")) + " > " + Quote(folder.file("dom.html")) +
        " 2> " + Quote(folder.file("chromium.log"));
    const int status = Shell(command);
    const std::string dom = TempFolder::read(folder.file("dom.html"));
    if (status != 0 || dom.empty())
        GTEST_SKIP() << "chromium could not start: "
                     << TempFolder::read(folder.file("chromium.log"));
    const size_t at = dom.find("<pre id=\"lexorim-check\">");
    ASSERT_NE(at, std::string::npos) << dom.substr(0, 2000);
    const std::string result = dom.substr(at + 24, dom.find("</pre>", at) - at - 24);
    EXPECT_TRUE(result.starts_with("ALL GOOD")) << result;
}

}  // namespace
}  // namespace lexorim
