#pragma once
// The look of the file index output: the texts of the text output, the values of the HTML page,
// the colour fields and the preview lines of the two design windows.

#include <cstdint>
#include <optional>

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

// Ttextdesign; the defaults are the window's defaults.
struct FileTextDesign {
    Text title = u"Index";            // titel
    bool headings = true;             // kt_alphabet
    bool names = true;                // namen
    bool links = true;                // links
    Text betweenReferences = u" | ";  // s
    Text afterWord = u":  ";          // es
    Text beforeName = u"";            // b
    Text beforeLink = u" [";          // bl
    Text afterLink = u"]";            // l
};

// The fixed texts the text output uses while the custom design is off.
FileTextDesign StandardFileTextDesign();

// Thdesign; the defaults are the window's defaults.
struct HtmlDesign {
    bool headings = true;                                  // kt_alphabet
    bool navigationBar = true;                             // linkleiste
    Text separator = u" | ";                               // LinkTrenner
    Text font = u"Verdana, Arial, Helvetica, Sans-Serif";  // schriftart
    Text headingSize = u"24";                              // ft1
    Text sectionSize = u"16";                              // ft2
    Text textSize = u"12";                                 // ftt
    Text boxWidth = u"600px";                              // breite_all
    Text leftWidth = u"180px";                             // breite_links
    Text rightWidth = u"350px";                            // breite_rechts
    Text topWidth = u"100%";                               // breite_top
    Text sideSpace = u"10px";                              // abs_linksrechts
    Text sectionSpace = u"25px";                           // abs_zwabschnitt
    Text edgeSpace = u"5px";                               // abs_obenunten
    Text textSpace = u"0px";                               // abs_zwtext
    Text title = u"Index";                                 // htmltitel
    Text heading = u"Index";                               // Ueberschrift
    Text textColour = u"#333333";                          // farbe_text
    Text linkColour = u"#0000FF";                          // farbe_links
    Text background = u"#FFFFFF";                          // farbe_hg
};

// The fixed values the page uses while the custom design is off.
HtmlDesign StandardHtmlDesign();

// The values a run writes with: the window's texts when the custom design is on, the standard
// texts otherwise; the on/off options come from the window in both cases.
FileTextDesign EffectiveTextDesign(const FileTextDesign& window, bool useDesign);
HtmlDesign EffectiveHtmlDesign(const HtmlDesign& window, bool useDesign);

// "px" appended to a plain integer; values with "%" or "px" and anything else unchanged.
Text AddPxUnit(TextView value);

struct RgbColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const RgbColour&) const = default;
};

// "#RRGGBB" with upper-case hexadecimal digits.
Text FormatHtmlColour(RgbColour colour);
// Two hexadecimal characters each for red, green and blue, after an optional "#"; nothing when a
// field is not a hexadecimal number (also when the text is too short).
std::optional<RgbColour> ParseHtmlColour(TextView text);

// The preview line of Ttextdesign ("Vorschau: Eintrag:  Bezeichung1 [Link1] | ...").
Text TextDesignPreview(const FileTextDesign& design, Language language);

// The label of LinkTrenner: its caption and the value between double quotes.
Text LinkSeparatorLabel(TextView separator, Language language);

}  // namespace lexorim
