#pragma once
// A stand-in for LibreOffice's converter that takes one document or a whole batch, as the
// layout starts it. Each source is an RTF whose second line names the PDF to hand back as its
// layout; a source without one gets no PDF. Every start is counted, and a start with more
// sources than `batchDiesAbove` kills itself, like a converter that crashes on a batch.

#include <sys/stat.h>

#include <cstdlib>
#include <optional>

#include <string>
#include "engine/scoped_environment.h"

#include "temp_folder.h"

namespace lexorim::testing {

class FakeOffice {
  public:
    // `extra` runs at the start, `perSource` before each PDF is written.
    explicit FakeOffice(const TempFolder& folder, const std::string& extra = "",
                        int batchDiesAbove = 1000, const std::string& perSource = "")
        : starts_(folder.file("office-starts")) {
        const std::string script =
            "#!/bin/sh\necho start >> '" + starts_ + "'\n" + extra +
            "\nwhile [ $# -gt 0 ] && [ \"$1\" != --outdir ]; do shift; done\n"
            "out=$2\nshift 2\n"
            "if [ $# -gt " +
            std::to_string(batchDiesAbove) +
            " ]; then kill -9 $$; fi\n"
            "mkdir -p \"$out\"\n"
            "for f in \"$@\"; do\n" +
            perSource +
            "\n"
            "  pdf=$(sed -n 2p \"$f\")\n"
            "  name=$(basename \"$f\")\n"
            "  if [ -n \"$pdf\" ]; then cp \"$pdf\" \"$out/${name%.*}.pdf\"; fi\n"
            "done\n";
        path_ = folder.write("fake-soffice", script);
        ::chmod(path_.c_str(), 0755);
    }

    const std::string& path() const { return path_; }

    // How often the program was started so far.
    size_t starts() const {
        std::error_code error;
        if (!std::filesystem::exists(starts_, error)) {
            return 0;
        }
        return TempFolder::read(starts_).size() / std::string("start\n").size();
    }

    // An RTF source whose layout is the PDF at `pdf` (none when it is empty).
    static std::string Source(const std::string& pdf) { return "{\\rtf1\n" + pdf + "\n}\n"; }

  private:
    std::string starts_;
    std::string path_;
};

}  // namespace lexorim::testing
