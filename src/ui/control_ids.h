#pragma once
// Typed names of the setting controls: one id per control of every window table, so that code
// naming a control that does not exist fails to compile. `ui::tprog::kt_max` is the main
// window's minimum length of the text index. Each window's list below declares its ids and
// its `kControls` together, and a test keeps the lists and the window tables in step.

#include <span>
#include <string_view>

namespace lexorim::ui {

// A control of a window: the window's class name and the control's name in it.
struct ControlId {
    std::string_view window;
    std::string_view name;

    friend constexpr bool operator==(const ControlId&, const ControlId&) = default;
};

// One name, written once, becomes both the C++ identifier and the control name.
#define LEXORIM_UI_DECLARE_CONTROL(name) inline constexpr ControlId name{kWindow, #name};
#define LEXORIM_UI_LIST_CONTROL(name) name,

// clang-format off

#define LEXORIM_UI_TPROG_CONTROLS(X) \
    X(rand) \
    X(pgstw) \
    X(pstw) \
    X(Panel7) \
    X(Panel8) \
    X(pgtxt) \
    X(ptxt) \
    X(Panel1) \
    X(Panel2) \
    X(pgdateien) \
    X(pdateien) \
    X(Panel5) \
    X(Panel6) \
    X(pstart) \
    X(pstart_de) \
    X(pinfo) \
    X(pinfo_en) \
    X(Panel10) \
    X(Panel9) \
    X(pinfo_de) \
    X(Panel3) \
    X(Panel4) \
    X(squpfad) \
    X(edit_quelle) \
    X(sz_beginn) \
    X(qudatei) \
    X(stw_max) \
    X(kt_max) \
    X(dkt_max) \
    X(qu_datei) \
    X(qu_text) \
    X(sz_zeilezuseite) \
    X(sz_auslesen) \
    X(htmlindex) \
    X(textindex) \
    X(squdocsearch) \
    X(stw_kleinraus) \
    X(stw_grossraus) \
    X(stw_htmlraus) \
    X(stw_maxl) \
    X(stw_zahlenraus) \
    X(stw_neg) \
    X(stw_pos) \
    X(stw_design) \
    X(stw_doppelt) \
    X(stw_zus) \
    X(stw_untereinander) \
    X(stw_alphabetisch) \
    X(Zeilenumbruch) \
    X(kt_kleineraus) \
    X(kt_grosseraus) \
    X(kt_maxl) \
    X(kt_zahlen) \
    X(kt_negativliste) \
    X(kt_positivliste) \
    X(kt_keinedoppeltenseiten) \
    X(kt_zusdoppelt) \
    X(kt_integrieren) \
    X(kt_design) \
    X(kt_zusammen) \
    X(la) \
    X(dkt_kleineraus) \
    X(dkt_grosseraus) \
    X(htmlraus) \
    X(dkt_maxl) \
    X(dkt_zahlenraus) \
    X(dkt_negativliste) \
    X(dkt_positivliste) \
    X(dkt_design) \
    X(dkt_keinedoppeltenseiten) \
    X(dkt_zusdoppelt) \
    X(dkt_integrieren) \
    X(dkt_zusammen) \
    X(kt_index) \
    X(dkt_index)
namespace tprog {
inline constexpr std::string_view kWindow = "Tprog";
LEXORIM_UI_TPROG_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TPROG_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tprog
#undef LEXORIM_UI_TPROG_CONTROLS

#define LEXORIM_UI_TDESIGN_CONTROLS(X) \
    X(dabsatz_abc) \
    X(kt_alphabet) \
    X(dsep) \
    X(dzw) \
    X(ub)
namespace tdesign {
inline constexpr std::string_view kWindow = "Tdesign";
LEXORIM_UI_TDESIGN_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TDESIGN_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tdesign
#undef LEXORIM_UI_TDESIGN_CONTROLS

#define LEXORIM_UI_TEDITNEG_CONTROLS(X) \
    X(wahl) \
    X(sitzung)
namespace teditneg {
inline constexpr std::string_view kWindow = "Teditneg";
LEXORIM_UI_TEDITNEG_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TEDITNEG_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace teditneg
#undef LEXORIM_UI_TEDITNEG_CONTROLS

#define LEXORIM_UI_TEDITPOS_CONTROLS(X) \
    X(wahl) \
    X(sitzung)
namespace teditpos {
inline constexpr std::string_view kWindow = "Teditpos";
LEXORIM_UI_TEDITPOS_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TEDITPOS_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace teditpos
#undef LEXORIM_UI_TEDITPOS_CONTROLS

#define LEXORIM_UI_TEDITTXT_CONTROLS(X) \
    X(cb_l2skeinedoppelt) \
    X(curaut) \
    X(Zeilenumbruch) \
    X(l2sstart) \
    X(cursak) \
    X(zes) \
    X(zez) \
    X(vor) \
    X(nach)
namespace tedittxt {
inline constexpr std::string_view kWindow = "Tedittxt";
LEXORIM_UI_TEDITTXT_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TEDITTXT_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tedittxt
#undef LEXORIM_UI_TEDITTXT_CONTROLS

#define LEXORIM_UI_TEDITTXT2IDX_CONTROLS(X) \
    X(bentf) \
    X(zwsl) \
    X(lentf) \
    X(zus_eintrag) \
    X(zus_seite) \
    X(zus_auslassen) \
    X(sl) \
    X(ls) \
    X(cb_linksvorhanden) \
    X(cb_deletetxt) \
    X(cb_deleteidx) \
    X(Panel1) \
    X(Panel2) \
    X(Panel3) \
    X(Panel4) \
    X(zws) \
    X(zwes)
namespace tedittxt2idx {
inline constexpr std::string_view kWindow = "Tedittxt2idx";
LEXORIM_UI_TEDITTXT2IDX_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TEDITTXT2IDX_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tedittxt2idx
#undef LEXORIM_UI_TEDITTXT2IDX_CONTROLS

#define LEXORIM_UI_TEINSTAUSGABE_CONTROLS(X) \
    X(Edit1) \
    X(rb_ansi) \
    X(rb_utf7) \
    X(rb_utf8) \
    X(rb_beibehalten) \
    X(rb_utf7ansi) \
    X(rb_utf16le) \
    X(rb_utf_be) \
    X(rb_utf32le) \
    X(rb_utf32be) \
    X(rb_utf8bom) \
    X(jazubom)
namespace teinstausgabe {
inline constexpr std::string_view kWindow = "Teinstausgabe";
LEXORIM_UI_TEINSTAUSGABE_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TEINSTAUSGABE_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace teinstausgabe
#undef LEXORIM_UI_TEINSTAUSGABE_CONTROLS

#define LEXORIM_UI_THDESIGN_CONTROLS(X) \
    X(farbe_text) \
    X(farbe_links) \
    X(farbe_hg) \
    X(schriftart) \
    X(ft1) \
    X(ft2) \
    X(ftt) \
    X(kt_alphabet) \
    X(linkleiste) \
    X(pafa_text) \
    X(pafa_links) \
    X(pafa_hg) \
    X(LinkTrenner) \
    X(breite_all) \
    X(breite_links) \
    X(breite_rechts) \
    X(breite_top) \
    X(abs_linksrechts) \
    X(abs_zwabschnitt) \
    X(abs_obenunten) \
    X(abs_zwtext) \
    X(htmltitel) \
    X(Ueberschrift)
namespace thdesign {
inline constexpr std::string_view kWindow = "Thdesign";
LEXORIM_UI_THDESIGN_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_THDESIGN_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace thdesign
#undef LEXORIM_UI_THDESIGN_CONTROLS

#define LEXORIM_UI_TINDEXHINZU_CONTROLS(X) \
    X(edit_quelle)
namespace tindexhinzu {
inline constexpr std::string_view kWindow = "Tindexhinzu";
LEXORIM_UI_TINDEXHINZU_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TINDEXHINZU_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tindexhinzu
#undef LEXORIM_UI_TINDEXHINZU_CONTROLS

#define LEXORIM_UI_TQUHOPT_CONTROLS(X) \
    X(rb1) \
    X(rb2) \
    X(rb3) \
    X(doppelteweg) \
    X(dadweitere) \
    X(endungenweg) \
    X(namengross)
namespace tquhopt {
inline constexpr std::string_view kWindow = "Tquhopt";
LEXORIM_UI_TQUHOPT_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TQUHOPT_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tquhopt
#undef LEXORIM_UI_TQUHOPT_CONTROLS

#define LEXORIM_UI_TSDESIGN_CONTROLS(X) \
    X(bez) \
    X(dateiname) \
    X(leerzeile) \
    X(zwe) \
    X(zw) \
    X(v) \
    X(zwdl) \
    X(ne)
namespace tsdesign {
inline constexpr std::string_view kWindow = "Tsdesign";
LEXORIM_UI_TSDESIGN_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TSDESIGN_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tsdesign
#undef LEXORIM_UI_TSDESIGN_CONTROLS

#define LEXORIM_UI_TSZBEARBEITEN_CONTROLS(X) \
    X(ed1) \
    X(ed2)
namespace tszbearbeiten {
inline constexpr std::string_view kWindow = "Tszbearbeiten";
LEXORIM_UI_TSZBEARBEITEN_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TSZBEARBEITEN_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tszbearbeiten
#undef LEXORIM_UI_TSZBEARBEITEN_CONTROLS

#define LEXORIM_UI_TSZKRITERIEN_CONTROLS(X) \
    X(sz_bwdefs) \
    X(sz_zeichen) \
    X(sz_laenge) \
    X(cb_pluswert) \
    X(sz_bwstandard) \
    X(sz_bwdef) \
    X(posueber) \
    X(posunter) \
    X(sz_nurzahl) \
    X(sz_kuerzen) \
    X(sz_zeichbeginn) \
    X(sz_zeichenweg) \
    X(cb_plus)
namespace tszkriterien {
inline constexpr std::string_view kWindow = "Tszkriterien";
LEXORIM_UI_TSZKRITERIEN_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TSZKRITERIEN_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tszkriterien
#undef LEXORIM_UI_TSZKRITERIEN_CONTROLS

#define LEXORIM_UI_TTEXTDESIGN_CONTROLS(X) \
    X(kt_alphabet) \
    X(namen) \
    X(links) \
    X(s) \
    X(es) \
    X(b) \
    X(bl) \
    X(l) \
    X(titel)
namespace ttextdesign {
inline constexpr std::string_view kWindow = "Ttextdesign";
LEXORIM_UI_TTEXTDESIGN_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TTEXTDESIGN_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace ttextdesign
#undef LEXORIM_UI_TTEXTDESIGN_CONTROLS

#define LEXORIM_UI_TEINSTSHORTCUTS_CONTROLS(X) \
    X(beldateien)
namespace teinstshortcuts_lkfg {
inline constexpr std::string_view kWindow = "Teinstshortcuts_lkfg";
LEXORIM_UI_TEINSTSHORTCUTS_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TEINSTSHORTCUTS_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace teinstshortcuts_lkfg
namespace teinstshortcuts_idx {
inline constexpr std::string_view kWindow = "Teinstshortcuts_idx";
LEXORIM_UI_TEINSTSHORTCUTS_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TEINSTSHORTCUTS_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace teinstshortcuts_idx
#undef LEXORIM_UI_TEINSTSHORTCUTS_CONTROLS

#define LEXORIM_UI_TENTWURF_CONTROLS(X) \
    X(ew_kopfzeilen) \
    X(ew_inhaltsseiten) \
    X(ew_seitenbereich) \
    X(ew_gedrucktenummern) \
    X(ew_versatzdokumente) \
    X(ew_stoppwoerter) \
    X(ew_sprache) \
    X(ew_fachbegriffe) \
    X(ew_wortformen) \
    X(ew_schreibweisen) \
    X(ew_kopfvorzeilen) \
    X(ew_wiederholungen) \
    X(ew_kurzwoerter) \
    X(ew_relevanz) \
    X(ew_stichwortanzahl) \
    X(ew_haeufigewoerter) \
    X(ew_dokumentanteil)
namespace tentwurf {
inline constexpr std::string_view kWindow = "Tentwurf";
LEXORIM_UI_TENTWURF_CONTROLS(LEXORIM_UI_DECLARE_CONTROL)
inline constexpr ControlId kControls[] = {LEXORIM_UI_TENTWURF_CONTROLS(LEXORIM_UI_LIST_CONTROL)};
}  // namespace tentwurf
#undef LEXORIM_UI_TENTWURF_CONTROLS

// clang-format on

#undef LEXORIM_UI_DECLARE_CONTROL
#undef LEXORIM_UI_LIST_CONTROL

// The ids of every window that has controls, window by window.
inline constexpr std::span<const ControlId> kControlsByWindow[] = {
    tprog::kControls,
    tdesign::kControls,
    teditneg::kControls,
    teditpos::kControls,
    tedittxt::kControls,
    tedittxt2idx::kControls,
    teinstausgabe::kControls,
    thdesign::kControls,
    tindexhinzu::kControls,
    tquhopt::kControls,
    tsdesign::kControls,
    tszbearbeiten::kControls,
    tszkriterien::kControls,
    ttextdesign::kControls,
    teinstshortcuts_lkfg::kControls,
    teinstshortcuts_idx::kControls,
    tentwurf::kControls,
};

}  // namespace lexorim::ui
