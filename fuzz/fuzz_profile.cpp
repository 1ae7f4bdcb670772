// Configuration files from anywhere: any bytes read as a profile without crashing or hanging,
// loading them into the settings leaves every control with a value its kind can take, and a
// written key always reads back.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "settings/configuration.h"
#include "settings/profile_file.h"

namespace {

using namespace lexorim;

void CheckEveryControlHoldsAValidValue(const Settings& settings) {
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        for (const ui::ControlDefinition& control : window.controls) {
            const Text& value = settings.Value({&window, &control});
            if (ui::IsBinaryKind(control.kind))
                FUZZ_CHECK(value == u"0" || value == u"1");
            FUZZ_CHECK(value.size() <= kProfileValueLimit || value == control.defaultValue);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProfileFile file = ProfileFile::FromBytes(bytes);

    Settings settings;
    ShellState shell;
    ApplyConfiguration(file, false, settings, shell, ScreenSize{});
    CheckEveryControlHoldsAValidValue(settings);
    FUZZ_CHECK(shell.geometry.clientWidth <= ScreenSize{}.width);

    for (const Text& section : file.SectionNames())
        (void)file.SectionEntries(section);

    // Whatever the file held, a written key reads back, also after a round trip through bytes.
    const Text value = u" 'kept' ";
    file.WriteString(u"PBED", u"edit_quelle", ProtectQuotes(value));
    FUZZ_CHECK(file.ReadString(u"pbed", u"EDIT_QUELLE") == value);
    const ProfileFile again = ProfileFile::FromBytes(file.ToBytes());
    FUZZ_CHECK(again.ReadString(u"PBED", u"edit_quelle") == value);
    return 0;
}
