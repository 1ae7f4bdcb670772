#include "ui/window_definitions.h"

namespace lexorim::ui {

namespace {

using K = ControlKind;
using R = TextRole;

// ---------------------------------------------------------------------------------------------
// Tprog: the main window. Its panels come first, so a new configuration file starts with the
// section of the side bar.

std::vector<ControlDefinition> MainWindowControls() {
    return {
        {"rand", K::Panel, u"1"},
        {"pgstw", K::Panel, u"0"},
        {"pstw", K::Panel, u"1"},
        {"Panel7", K::Panel, u"1"},
        {"Panel8", K::Panel, u"1"},
        {"pgtxt", K::Panel, u"0"},
        {"ptxt", K::Panel, u"1"},
        {"Panel1", K::Panel, u"1"},
        {"Panel2", K::Panel, u"1"},
        {"pgdateien", K::Panel, u"0"},
        {"pdateien", K::Panel, u"1"},
        {"Panel5", K::Panel, u"1"},
        {"Panel6", K::Panel, u"1"},
        {"pstart", K::Panel, u"1"},
        {"pstart_de", K::Panel, u"1"},
        {"pinfo", K::Panel, u"0"},
        {"pinfo_en", K::Panel, u"0"},
        {"Panel10", K::Panel, u"1"},
        {"Panel9", K::Panel, u"1"},
        {"pinfo_de", K::Panel, u"1"},
        {"Panel3", K::Panel, u"1"},
        {"Panel4", K::Panel, u"1"},
        {"squpfad", K::Edit, u""},
        {"edit_quelle", K::Edit, u""},
        {"sz_beginn", K::Edit, u"1"},
        {"qudatei", K::Edit, u""},
        {"stw_max", K::ComboBox, u"3"},
        {"kt_max", K::ComboBox, u"3"},
        {"dkt_max", K::ComboBox, u"3"},
        {"qu_datei", K::RadioButton, u"1", "textquelle"},
        {"qu_text", K::RadioButton, u"0", "textquelle"},
        {"sz_zeilezuseite", K::RadioButton, u"0", "seitenzahlen"},
        {"sz_auslesen", K::RadioButton, u"1", "seitenzahlen"},
        {"htmlindex", K::RadioButton, u"1", "dateiausgabe"},
        {"textindex", K::RadioButton, u"0", "dateiausgabe"},
        {"squdocsearch", K::CheckBox, u"1"},
        {"stw_kleinraus", K::CheckBox, u"1"},
        {"stw_grossraus", K::CheckBox, u"0"},
        {"stw_htmlraus", K::CheckBox, u"1"},
        {"stw_maxl", K::CheckBox, u"1"},
        {"stw_zahlenraus", K::CheckBox, u"1"},
        {"stw_neg", K::CheckBox, u"1"},
        {"stw_pos", K::CheckBox, u"0"},
        {"stw_design", K::CheckBox, u"0"},
        {"stw_doppelt", K::CheckBox, u"1"},
        {"stw_zus", K::CheckBox, u"1"},
        {"stw_untereinander", K::CheckBox, u"0"},
        {"stw_alphabetisch", K::CheckBox, u"1"},
        {"Zeilenumbruch", K::CheckBox, u"1"},
        {"kt_kleineraus", K::CheckBox, u"1"},
        {"kt_grosseraus", K::CheckBox, u"0"},
        {"kt_maxl", K::CheckBox, u"1"},
        {"kt_zahlen", K::CheckBox, u"1"},
        {"kt_negativliste", K::CheckBox, u"1"},
        {"kt_positivliste", K::CheckBox, u"0"},
        {"kt_keinedoppeltenseiten", K::CheckBox, u"1"},
        {"kt_zusdoppelt", K::CheckBox, u"1"},
        {"kt_integrieren", K::CheckBox, u"0"},
        {"kt_design", K::CheckBox, u"0"},
        {"kt_zusammen", K::CheckBox, u"1"},
        {"la", K::CheckBox, u"1"},
        {"dkt_kleineraus", K::CheckBox, u"1"},
        {"dkt_grosseraus", K::CheckBox, u"0"},
        {"htmlraus", K::CheckBox, u"1"},
        {"dkt_maxl", K::CheckBox, u"1"},
        {"dkt_zahlenraus", K::CheckBox, u"1"},
        {"dkt_negativliste", K::CheckBox, u"1"},
        {"dkt_positivliste", K::CheckBox, u"0"},
        {"dkt_design", K::CheckBox, u"0"},
        {"dkt_keinedoppeltenseiten", K::CheckBox, u"1"},
        {"dkt_zusdoppelt", K::CheckBox, u"1"},
        {"dkt_integrieren", K::CheckBox, u"0"},
        {"dkt_zusammen", K::CheckBox, u"1"},
        // The paths of the existing indexes to add to; empty while none is chosen.
        {"kt_index", K::Label, u""},
        {"dkt_index", K::Label, u""},
    };
}

std::vector<WindowText> MainWindowTexts() {
    return {
        {"", R::Caption, u"Lexorim - Orvell", u"Lexorim - Orvell"},
        {"StatusPreparing", R::Message, u"Vorbereiten..", u"Preparing Index.."},
        {"StatusReadingPage", R::Message, u"Seite einlesen: ", u"Reading Page: "},
        {"StatusRefreshing", R::Message, u"Index aktualisieren..", u"Refreshing Index.."},
        {"StatusWriting", R::Message, u"Index schreiben..", u"Writing Index.."},
        {"StatusReadingFile", R::Message, u"Datei einlesen: ", u"Reading File: "},
        {"memoload", R::Filter, u"Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*",
         u"Text (*.txt)|*.txt|All Files (*.*)|*.*"},
        {"memosave", R::Filter, u"Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*",
         u"Text (*.txt)|*.txt|All Files (*.*)|*.*"},
        {"OpenDatei", R::Filter,
         u"Alle Dateien (*.*)|*.*|Text (*.txt)|*.txt|Internet (*.htm, *.html, *.php)|*.htm; "
         u"*html; *.php",
         u"All Files (*.*)|*.*|Text (*.txt)|*.txt|Internet (*.htm, *.html, *.php)|*.htm; *html; "
         u"*.php"},
        {"OpenIndex", R::Filter, u"Index (*.idx)|*.idx|Alle Dateien (*.*)|*.*",
         u"Index (*.idx)|*.idx|All Files (*.*)|*.*"},
        {"SaveIndex", R::Filter, u"Index (*.idx)|*.idx|Alle Dateien (*.*)|*.*",
         u"Index (*.idx)|*.idx|All Files (*.*)|*.*"},
        {"KonfigurationSpeichernDialog", R::DefaultFileName, u"Konfiguration.lkfg",
         u"Configuration.lkfg"},
        {"KonfigurationSpeichernDialog", R::Filter, u"Lexorim Konfiguration (*.lkfg)|*.lkfg",
         u"Lexorim Configuration (*.lkfg)|*.lkfg"},
        {"KonfigurationSpeichernDialog", R::Title, u"Konfiguration speichern..",
         u"Save Configuration.."},
        {"KonfigurationLadenDialog", R::Filter, u"Lexorim Konfiguration (*.lkfg)|*.lkfg",
         u"Lexorim Configuration (*.lkfg)|*.lkfg"},
        {"KonfigurationLadenDialog", R::Title, u"Konfiguration öffnen..", u"Open Configuration.."},
        {"m_konfig_start", R::Message, u"Keine Startkonfiguration definiert.",
         u"There is no start configuration defined."},
        {"KonfigurationSpeichern", R::Message, u"Unable to write to %s", u"Unable to write to %s"},
        {"kt_index", R::Caption, u"Kein anderer Index ausgewählt", u"No Index Selected"},
        {"dkt_index", R::Caption, u"Kein anderer Index ausgewählt", u"No Index Selected"},
        {"MinimumLengthCustom", R::Message, u"Benutzerdefiniert", u"Custom"},
        {"kt_max", R::Items, u"0\n1\n2\n3\n4\n5\nBenutzerdefiniert..",
         u"0\n1\n2\n3\n4\n5\nCustom.."},
        {"dkt_max", R::Items, u"0\n1\n2\n3\n4\n5\nBenutzerdefiniert..",
         u"0\n1\n2\n3\n4\n5\nCustom.."},
        {"stw_max", R::Items, u"0\n1\n2\n3\n4\n5\nBenutzerdefiniert..",
         u"0\n1\n2\n3\n4\n5\nCustom.."},
        {"NumbersOnly", R::Message, u"In diesem Feld sind nur Zahleneingaben erlaubt.",
         u"In this box only numerical entries are allowed."},
        {"rand_btstart", R::Caption, u"Start", u"Start"},
        {"rand_bttxtidx", R::Caption, u"Text Index", u"Text Index"},
        {"tt3", R::Caption, u"3. Kriterien", u"3. Criteria"},
        {"tt4", R::Caption, u"4. Fertigstellen", u"4. Complete"},
        {"tt5", R::Caption, u"Index erstellen", u"Create Index"},
        {"tt6", R::Caption, u"Ergebnis", u"Output"},
        {"td1", R::Caption, u"1. Quelle", u"1. Source"},
        {"td2", R::Caption, u"2. Einstellungen", u"2. Criteria"},
        {"td3", R::Caption, u"3. Fertigstellen", u"3. Complete"},
        {"td4", R::Caption, u"Index erstellen", u"Create Index"},
        {"td5", R::Caption, u"Ergebnis", u"Output"},
        {"ts1", R::Caption, u"1. Quelle", u"1. Source"},
        {"ts2", R::Caption, u"2. Einstellungen", u"2. Criteria"},
        {"ts3", R::Caption, u"3. Fertigstellen", u"3. Complete"},
        {"ts4", R::Caption, u"Index erstellen", u"Create Index"},
        {"ts5", R::Caption, u"Ergebnis", u"Output"},
        {"bt1", R::Caption, u"<< zurück", u"<< back"},
        {"dbt1", R::Caption, u"<< zurück", u"<< back"},
        {"sbt1", R::Caption, u"<< zurück", u"<< back"},
        {"bt2", R::Caption, u"weiter >>", u"next >>"},
        {"dbt2", R::Caption, u"weiter >>", u"next >>"},
        {"sbt2", R::Caption, u"weiter >>", u"next >>"},
        {"ft_start", R::Caption, u"Index Erstellen", u"Create Index"},
        {"dstart", R::Caption, u"Index Erstellen", u"Create Index"},
        {"sstart", R::Caption, u"Index Erstellen", u"Create Index"},
        {"btdesign", R::Caption, u"Design..", u"Design.."},
        {"stw_designanzeigen", R::Caption, u"Design..", u"Design.."},
        {"andindex", R::Caption, u"Index wählen..", u"Choose Index.."},
        {"Auslesen", R::Caption, u"Auslesen", u"Read Out"},
        {"sz_entfernen", R::Caption, u"Entfernen", u"Remove"},
        {"sz_kriterien", R::Caption, u"Kriterien..", u"Criteria.."},
        {"sz_bearbeiten", R::Caption, u"Bearbeiten..", u"Edit.."},
        {"DatenSpeichern", R::Caption, u"Index Speichern", u"Save Index"},
        {"mneutxt", R::Caption, u"Text Index", u"Text Index"},
        {"mneudatei", R::Caption, u"Datei Index", u"File Index"},
        {"mneustw", R::Caption, u"Stichwort Index", u"Keyword Index"},
        {"mtidxload", R::Caption, u"Text Index Laden", u"Load Text Index"},
        {"mdidxload", R::Caption, u"Datei Index Laden", u"Load File Index"},
        {"mstwidxsave", R::Caption, u"Stichwort Index Speichern", u"Save Keyword Index"},
        {"m_bug", R::Caption, u"Fehler oder Verbesserung melden..", u"Report Bug or Improvement.."},
        {"mbeenden", R::Caption, u"Beenden", u"Close"},
        {"mets", R::Caption, u"Seitenzahlen", u"Folio"},
        {"metk", R::Caption, u"Kriterien", u"Criteria"},
        {"metd", R::Caption, u"Design", u"Design"},
        {"medk", R::Caption, u"Kriterien", u"Criteria"},
        {"medd", R::Caption, u"Design", u"Design"},
        {"mesk", R::Caption, u"Kriterien", u"Criteria"},
        {"mesd", R::Caption, u"Design", u"Design"},
        {"mewlneg", R::Caption, u"Negativliste", u"Black List"},
        {"mewlpos", R::Caption, u"Positivliste", u"White List"},
        {"zspmenu", R::Caption, u"Zwischenspeichern", u"Latching"},
        {"m_konfig_save", R::Caption, u"Aktuelle Konfiguration speichern",
         u"Save current Configuration"},
        {"m_konfig_save_start", R::Caption,
         u"Aktuelle Konfiguration als Startkonfiguration speichern (auto.lkfg)",
         u"Save current Configuration as Start Configuration (auto.lkfg)"},
        {"m_konfig_load", R::Caption, u"Konfiguration laden", u"Load Configuration"},
        {"m_konfig_autosave", R::Caption, u"Konfiguration beim Beenden speichern",
         u"Save Configuration when Closing"},
        {"m_konfig_autosave_nie", R::Caption, u"Nicht speichern", u"Never"},
        {"m_konfig_autosave_alles", R::Caption, u"Alles speichern", u"Save all"},
        {"m_konfig_standard", R::Caption, u"Alle Einstellungen zurücksetzen",
         u"Reset all Settings"},
        {"m_konfig_start", R::Caption, u"Startkonfiguration (auto.lkfg) laden wenn vorhanden",
         u"Load Start Configuration (auto.lkfg) if available"},
        {"mfstart", R::Caption, u"Start", u"Start"},
        {"mt1", R::Caption, u"Index > Negativliste", u"Index > Black List"},
        {"mt2", R::Caption, u"Index > Positivliste", u"Index > White List"},
        {"mt3", R::Caption, u"Text > Index (*.idx)", u"Text > Index (*.idx)"},
        {"mt4", R::Caption, u"Seitenzahlen in Text schreiben", u"Write Folio to Text"},
        {"htmlraus", R::Caption, u"HTML-Tags werden entfernt", u"Remove HTML Tags"},
        {"squdocsearch", R::Caption, u"Dokument nach weiteren Seiten durchsuchen",
         u"Search Document for further Pages"},
        {"Zeilenumbruch", R::Caption, u"Zeilenumbruch", u"Line Break"},
        {"qu_laden", R::Caption, u"Laden", u"Load"},
        {"qu_delete", R::Caption, u"Löschen", u"Delete"},
        {"dandindex", R::Caption, u"Index wählen..", u"Choose Index.."},
        {"d_design", R::Caption, u"Design..", u"Design.."},
        {"didxspeichern", R::Caption, u"Index Speichern", u"Save Index"},
        {"squsuchen", R::Caption, u"Durchsuchen..", u"Search.."},
        {"sqdeleteall", R::Caption, u"Alles Löschen", u"Delete All"},
        {"squdeleteraw", R::Caption, u"Reihe Löschen", u"Delete Row"},
        {"squerweitert", R::Caption, u"Erweitert..", u"Settings"},
        {"soutputspeichern", R::Caption, u"Text Speichern", u"Save Text"},
        {"dandindex", R::Filter, u"Index (*.idx)|*.idx|Alle Dateien (*.*)|*.*",
         u"Index (*.idx)|*.idx|All Files (*.*)|*.*"},
        {"bttxtquelle", R::Caption, u"Durchsuchen..", u"Search.."},
        {"outputspeichern", R::Caption, u"Text Speichern", u"Save Text"},
        {"doutputspeichern", R::Caption, u"Text Speichern", u"Save Text"},
        {"ShowDesign", R::Caption, u"Design", u"Design"},
        {"ShowCode", R::Caption, u"Code", u"Code"},
        {"rand_btdidx", R::Caption, u"Datei Index", u"File Index"},
        {"rand_btstw", R::Caption, u"Stichwort Index", u"Keyword Index"},
        {"rand_btinfo", R::Caption, u"Info", u"Information"},
        {"tt1", R::Caption, u"1. Quelle", u"1. Source"},
        {"tt2", R::Caption, u"2. Seitenzahlen", u"2. Page Numbers"},
        {"sz_zeilezuseite", R::Caption,
         u"Jede Zeile im Text ist eine eigene Seite mit Beginn bei Seite:",
         u"Every Line as a Single Page with Begin at Page:"},
        {"sz_auslesen", R::Caption, u"Seitenbezeichnung (Zeilennummer)",
         u"Synonym for Page (Line Number)"},
        {"kt_kleineraus", R::Caption, u"Kleingeschriebene Worte werden aussortiert",
         u"Remove Lower Words"},
        {"dkt_kleineraus", R::Caption, u"Kleingeschriebene Worte werden aussortiert",
         u"Remove Lower Words"},
        {"stw_kleinraus", R::Caption, u"Kleingeschriebene Worte werden aussortiert",
         u"Remove Lower Words"},
        {"kt_zahlen", R::Caption, u"Zahlen werden aussortiert", u"Remove Numbers"},
        {"dkt_zahlenraus", R::Caption, u"Zahlen werden aussortiert", u"Remove Numbers"},
        {"stw_zahlenraus", R::Caption, u"Zahlen werden aussortiert", u"Remove Numbers"},
        {"kt_positivliste", R::Caption, u"Positivliste (diese Worte kommen in den Index)",
         u"White List (these words will be added to the index)"},
        {"kt_negativliste", R::Caption, u"Negativliste (diese Worte werden aussortiert)",
         u"Black List (these words will be removed)"},
        {"kt_keinedoppeltenseiten", R::Caption, u"Doppelte Verweise entfernen",
         u"Remove Double Folio"},
        {"dkt_keinedoppeltenseiten", R::Caption, u"Doppelte Verweise entfernen",
         u"Remove Double Folio"},
        {"kt_integrieren", R::Caption, u"Zu einem vorhandenen Index hinzufügen",
         u"Add New Items to another Index"},
        {"dkt_integrieren", R::Caption, u"Zu einem vorhandenen Index hinzufügen",
         u"Add New Items to another Index"},
        {"kt_design", R::Caption, u"Angepasstes Design", u"User Defined Design"},
        {"dkt_design", R::Caption, u"Angepasstes Design", u"Custom Design"},
        {"stw_design", R::Caption, u"Angepasstes Design", u"Custom Design"},
        {"stw_untereinander", R::Caption, u"Wörter untereinander anordnern",
         u"Write Words under each other"},
        {"stw_alphabetisch", R::Caption, u"Wörter alphabetisch sortieren",
         u"Order Words alphabetical"},
        {"qulist", R::Column, u"Bezeichnung\nLink\nFormat\nKodierung\nGröße\nQuelle",
         u"Name\nLink\nType\nCoding\nSize\nSource"},
        {"squlist", R::Column, u"Bezeichnung\nLink\nFormat\nKodierung\nGröße\nQuelle",
         u"Name\nLink\nType\nCoding\nSize\nSource"},
        {"StaticText9", R::Caption,
         u"Momentan wird Ihr Index erstellt. Je nach Quelle kann dies einige Minuten dauern.",
         u"Depending on the Source, it can take several minutes to create your Index."},
        // The progress page's way out of a long run; the run stops between pages.
        {"lauf_abbrechen", R::Caption, u"Abbrechen", u"Cancel"},
        {"StaticText12", R::Caption,
         u"Momentan wird Ihr Index erstellt. Je nach Quelle kann dies einige Minuten dauern.",
         u"Depending on the Source, it can take several minutes to create your Index."},
        {"stwla7", R::Caption,
         u"Momentan wird Ihr Index erstellt. Je nach Quelle kann dies einige Minuten dauern.",
         u"Depending on the Source, it can take several minutes to create your Index."},
        {"AbbruchS", R::Caption, u"Abbrechen", u"Break"},
        // The settings page of the keyword index.
        {"gb_skriterien", R::Caption, u"Suchkriterien", u"Criteria"},
        {"stw_grossraus", R::Caption, u"Großgeschriebene Worte werden aussortiert",
         u"Remove Upper Words"},
        {"stw_neg", R::Caption, u"Negativliste (diese Worte werden aussortiert)",
         u"Black List (these words will be removed)"},
        {"stw_pos", R::Caption, u"Positivliste (diese Worte kommen in den Index)",
         u"White List (these words will be added to the index)"},
        {"stw_maxl", R::Caption, u"Minimale Wortlänge:", u"Minimum Word Length:"},
        {"stw_htmlraus", R::Caption, u"HTML-Tags werden entfernt", u"Remove HTML Tags"},
        {"gb_sindex", R::Caption, u"Index", u"Index"},
        {"stw_doppelt", R::Caption, u"Doppelte Einträge entfernen", u"Remove Double Items"},
        {"stw_zus", R::Caption, u"Zusammenhängende Wörter zusammen in den Index aufnehmen",
         u"Search for Associated Words"},
        {"zwischenablage", R::Caption, u"Zwischenablage", u"To Clipboard"},
        {"dzwischenablage", R::Caption, u"Zwischenablage", u"To Clipboard"},
        {"szwischenablage", R::Caption, u"Zwischenablage", u"To Clipboad"},
        {"la", R::Caption, u"Dokument nach weiteren Dateien durchsuchen",
         u"Search File for more Documents"},
        {"DateiAuswahl", R::Caption, u"Durchsuchen..", u"Search.."},
        {"DeleteRow", R::Caption, u"Reihe Löschen", u"Delete Row"},
        {"DeleteAll", R::Caption, u"Alles Löschen", u"Delete All"},
        {"querweitert", R::Caption, u"Erweitert..", u"Settings"},
        // The file index wizard: its progress page's cancel and the controls of its settings page.
        {"dlauf_abbrechen", R::Caption, u"Abbrechen", u"Cancel"},
        {"gb_dkriterien", R::Caption, u"Suchkriterien", u"Criteria"},
        {"dkt_grosseraus", R::Caption, u"Großgeschriebene Worte werden aussortiert",
         u"Remove Upper Words"},
        {"dkt_maxl", R::Caption, u"Minimale Wortlänge:", u"Minimum Word Length:"},
        {"dkt_positivliste", R::Caption, u"Positivliste (diese Worte kommen in den Index)",
         u"White List (these words will be added to the index)"},
        {"dkt_negativliste", R::Caption, u"Negativliste (diese Worte werden aussortiert)",
         u"Black List (these words will be removed)"},
        {"gb_dindex", R::Caption, u"Index", u"Index"},
        {"dkt_zusammen", R::Caption, u"Zusammenhängende Wörter zusammen in den Index aufnehmen",
         u"Search for Associated Words"},
        {"dkt_zusdoppelt", R::Caption, u"Zusammenhänge Wörter mehrfach in den Index aufnehmen",
         u"Multiple Add Associated Words"},
        {"gb_dausgabe", R::Caption, u"Ausgabe", u"Output"},
        {"htmlindex", R::Caption, u"HTML Index", u"HTML Index"},
        {"textindex", R::Caption, u"Text Index", u"Text Index"},
        {"msprde", R::Caption, u"Deutsch", u"German"},
        {"mspren", R::Caption, u"English", u"English"},
        {"spopt", R::Caption, u"Speicheroptionen..", u"Saving Options.."},
        {"m_komp", R::Caption, u"Kompatibilitätstest", u"Compatibility Test"},
        {"verk", R::Caption, u"Verknüpfungen", u"Register File Extension"},
        {"verk_lkfg", R::Caption, u"Konfigurationsdateien (*.lkfg)", u"Configurations (*.lkfg)"},
        {"verk_idx", R::Caption, u"Index-Dateien (*.idx)", u"Index-Files (*.idx)"},
        // The menus that hold the items above.
        {"mdatei", R::Caption, u"Datei", u"File"},
        {"mneu", R::Caption, u"Neu", u"New"},
        {"mtidxsave", R::Caption, u"Text Index Speichern", u"Save Text Index"},
        {"ext1", R::Caption, u"Text", u"Text"},
        {"Indexidx1", R::Caption, u"Index (*.idx)", u"Index (*.idx)"},
        {"mdidxsave", R::Caption, u"Datei Index Speichern", u"Save File Index"},
        {"extHTML1", R::Caption, u"Text/HTML", u"Text/HTML"},
        {"Indexidx2", R::Caption, u"Index (*.idx)", u"Index (*.idx)"},
        {"meinst", R::Caption, u"Einstellungen", u"Settings"},
        {"met", R::Caption, u"Text Index", u"Text Index"},
        {"med", R::Caption, u"Datei Index", u"File Index"},
        {"mes", R::Caption, u"Stichwort Index", u"Keyword Index"},
        {"mewl", R::Caption, u"Wortlisten", u"Word Lists"},
        {"mkonfig", R::Caption, u"Konfiguration", u"Configuration"},
        {"mfenster", R::Caption, u"Fenster", u"Window"},
        {"mft", R::Caption, u"Text Index", u"Text Index"},
        {"mfd", R::Caption, u"Datei Index", u"File Index"},
        {"mfs", R::Caption, u"Stichwort Index", u"Keyword Index"},
        {"mfi", R::Caption, u"Info", u"Information"},
        {"mtools", R::Caption, u"Tools", u"Tools"},
        {"mspr", R::Caption, u"Sprache", u"Language"},
        {"minfo", R::Caption, u"Info", u"Info"},
        // The start page: a welcome text and one entry per wizard and for the information.
        {"start_text0", R::Caption,
         u"Willkommen bei Lexorim. Wählen Sie, welchen Index Sie erstellen möchten.",
         u"Welcome to Lexorim. Choose the index you want to create."},
        {"start_label1", R::Caption, u"Text Index", u"Text Index"},
        {"start_text1", R::Caption,
         u"Ein Buchindex aus einem Text, dessen Seiten bekannt sind: jedes Wort mit seinen Seiten.",
         u"A book index from a text whose pages are known: every word with its pages."},
        {"start_label2", R::Caption, u"Datei Index", u"File Index"},
        {"start_text2", R::Caption,
         u"Ein Index über viele Dokumente: jedes Wort mit den Dokumenten, die es enthalten.",
         u"An index over many documents: every word with the documents that contain it."},
        {"start_label3", R::Caption, u"Stichwort Index", u"Keyword Index"},
        {"start_text3", R::Caption, u"Für jedes Dokument die Liste seiner Stichwörter.",
         u"For every document the list of its keywords."},
        {"start_label4", R::Caption, u"Info", u"Information"},
        {"start_text4", R::Caption, u"Über dieses Programm.", u"About this program."},
        // The source step of the text index.
        {"qu_datei", R::Caption, u"Datei als Quelle verwenden", u"Use a File as Source"},
        {"qu_hinweis", R::Caption,
         u"Eine Textdatei (jede Kodierung), HTML oder ein Dokument (DOCX, DOC, ODT, RTF, PDF). "
         u"Ein Dokument bringt seine eigenen Seiten und Seitenzahlen mit.",
         u"A text file (any encoding), HTML or a document (DOCX, DOC, ODT, RTF, PDF). A document "
         u"brings its own pages and page numbers."},
        // The example line under each option of the group "Index".
        {"kt_keinedoppeltenseiten_beispiel", R::Caption,
         u"Beispiel: \"Eintrag 2\" statt \"Eintrag 2, 2, 2\"",
         u"Example: \"Item 2\" instead of \"Item 2, 2, 2\""},
        {"kt_zusammen_beispiel", R::Caption,
         u"Beispiel: \"Jonas Weller\" wird als ein Wort behandelt anstatt \"Jonas\" und "
         u"\"Weller\"",
         u"Example: \"Jonas Weller\" will be treated as one word instead of the words \"Jonas\" "
         u"and \"Weller\""},
        {"kt_zusdoppelt_beispiel", R::Caption,
         u"Beispiel: \"Jonas Weller\" wird auch unter \"Weller; Jonas Weller\" eingetragen",
         u"Example: \"Jonas Weller\" will also be added as \"Weller; Jonas Weller\""},
        // The buttons beside the word-list criteria of the three kinds open the lists.
        {"negativliste_anzeigen", R::Caption, u"Bearbeiten..", u"Edit.."},
        {"positivliste_anzeigen", R::Caption, u"Bearbeiten..", u"Edit.."},
        {"dnegativliste_anzeigen", R::Caption, u"Bearbeiten..", u"Edit.."},
        {"dpositivliste_anzeigen", R::Caption, u"Bearbeiten..", u"Edit.."},
        {"stw_neganzeigen", R::Caption, u"Bearbeiten..", u"Edit.."},
        {"stw_posanzeigen", R::Caption, u"Bearbeiten..", u"Edit.."},
        {"qu_text", R::Caption, u"Text als Quelle verwenden (hier eingeben oder laden)",
         u"Use a Text as Source (type or load it here)"},
        {"tt2_hinweis", R::Caption, u"Seitenbezeichnungen (Zeilennummer):",
         u"Page Designations (Line Number):"},
        {"gb_kriterien", R::Caption, u"Suchkriterien", u"Criteria"},
        {"gb_index", R::Caption, u"Index", u"Index"},
        {"kt_grosseraus", R::Caption, u"Großgeschriebene Worte werden aussortiert",
         u"Remove Upper Words"},
        {"kt_maxl", R::Caption, u"Minimale Wortlänge:", u"Minimum Word Length:"},
        {"kt_zusammen", R::Caption, u"Zusammenhängende Wörter zusammen in den Index aufnehmen",
         u"Search for Associated Words"},
        {"kt_zusdoppelt", R::Caption, u"Zusammenhänge Wörter mehrfach in den Index aufnehmen",
         u"Multiple Add Associated Words"},
        {"tt4_titel", R::Caption, u"Zusammenfassung", u"Summary"},
        {"OpenError", R::Message, u"Die Datei kann nicht geöffnet werden: ",
         u"The file cannot be opened: "},
        // The information panel. Each of its two panels shows its own column; the rows are not
        // named after controls, so a language switch leaves the hidden panel as it is.
        {"info_header", R::Caption, u"Information", u"Information"},
        {"info_tab1", R::Caption, u"&Hilfe", u"&Help"},
        {"info_tab2", R::Caption, u"&Empfehlungen", u"&Regards"},
        {"info_tab3", R::Caption, u"&Software", u"&Software"},
        {"info_tab4", R::Caption, u"&Mitmachen", u"&Contribute"},
        {"info_tab5", R::Caption, u"&Lizenz", u"&Licence"},
        {"info_back", R::Caption, u"<< &zurück", u"<< &back"},
        {"info_next", R::Caption, u"&weiter >>", u"&next >>"},
        {"info1_h1", R::Caption, u"Index Schreiben", u"Writing an Index"},
        {"info1_t1", R::Caption,
         u"Lexorim erstellt drei Arten von Index. Jede führt ein Assistent mit nummerierten "
         u"Seiten, den Sie über die Leiste links oder das Menü „Fenster“ erreichen. Mit "
         u"„weiter >>“ und „<< zurück“ gehen Sie von Seite zu Seite, „Index Erstellen“ startet "
         u"den Lauf von jeder Seite aus.",
         u"Lexorim makes three kinds of index. Each is led by a wizard with numbered pages, which "
         u"you reach through the bar on the left or the menu \"Window\". \"next >>\" and "
         u"\"<< back\" move from page to page; \"Create Index\" starts the run from any page."},
        {"info1_h2", R::Caption, u"Text Index", u"Text Index"},
        {"info1_t2", R::Caption,
         u"1. Quelle: Wählen Sie eine Datei (Text, DOCX, DOC, ODT, RTF oder PDF) oder geben Sie "
         u"den Text ein bzw. laden Sie ihn.\n"
         u"2. Seitenzahlen: Trägt der Text seine Seitenzahlen als kurze eigene Zeilen, findet "
         u"„Auslesen“ diese Zeilen und zeigt sie als Liste. Unter „Kriterien..“ legen Sie fest, "
         u"welche Zeilen als Seitenzahl gelten; mit „Bearbeiten..“ und „Entfernen“ berichtigen "
         u"Sie die Liste. Oder jede Zeile ist eine eigene Seite, beginnend bei der Seite, die Sie "
         u"angeben. Ein Dokument mit eigenen Seiten wird an diesen Seiten geteilt.\n"
         u"3. Kriterien: Hier entscheiden Sie, welche Wörter in den Index kommen: klein- oder "
         u"großgeschriebene Wörter und Zahlen aussortieren, eine minimale Wortlänge, die "
         u"Negativ- und die Positivliste, zusammenhängende Wörter wie „Jonas Weller“ und doppelte "
         u"Verweise. Mit „Angepasstes Design“ und „Design..“ ändern Sie Überschrift, "
         u"Buchstabenüberschriften und Trennzeichen.\n"
         u"4. Fertigstellen: Eine Zusammenfassung zeigt alle Einstellungen vor dem Lauf.\n"
         u"Ergebnis: jedes Wort mit seinen Seiten, nach Buchstaben geordnet. „Text Speichern“ "
         u"speichert den Index als Text, „Index Speichern“ als Indexdatei (*.idx), "
         u"„Zwischenablage“ kopiert ihn.\n"
         u"Später ergänzen: Wählen Sie auf „3. Kriterien“ mit „Index wählen..“ eine gespeicherte "
         u"Indexdatei und setzen Sie „Zu einem vorhandenen Index hinzufügen“; der nächste Lauf "
         u"fügt die neuen Seiten zu ihren Einträgen hinzu. „Datei > Text Index Laden“ öffnet eine "
         u"Indexdatei direkt im Ergebnis.",
         u"1. Source: choose a file (text, DOCX, DOC, ODT, RTF or PDF), or type or load the "
         u"text.\n"
         u"2. Page Numbers: when the text carries its page numbers as short lines of their own, "
         u"\"Read Out\" finds these lines and shows them as a list. \"Criteria..\" decides which "
         u"lines count as page numbers; \"Edit..\" and \"Remove\" correct the list. Or every line "
         u"is a page of its own, beginning at the page you give. A document with pages of its "
         u"own is cut at those pages.\n"
         u"3. Criteria: here you decide which words go into the index: remove lower-case or "
         u"upper-case words and numbers, a minimum word length, the black and the white list, "
         u"associated words such as \"Jonas Weller\", and double page references. \"Custom "
         u"Design\" with \"Design..\" changes the title, the letter headings and the separators.\n"
         u"4. Complete: a summary shows every setting before the run.\n"
         u"Output: every word with its pages, grouped by letter. \"Save Text\" saves the index as "
         u"text, \"Save Index\" as an index file (*.idx), \"To Clipboard\" copies it.\n"
         u"Adding later: on \"3. Criteria\", pick a saved index file with \"Choose Index..\" and "
         u"tick \"Add New Items to another Index\"; the next run adds the new pages to its "
         u"entries. \"File > Load Text Index\" opens an index file straight on the output page."},
        {"info1_h3", R::Caption, u"Datei Index", u"File Index"},
        {"info1_t3", R::Caption,
         u"Ein Index über viele Dokumente: jedes Wort mit den Dokumenten, die es enthalten. Auf "
         u"„1. Quelle“ stellen Sie die Dokumente zusammen: mit „Durchsuchen..“, durch Ziehen auf "
         u"die Liste oder mit „Dokument nach weiteren Seiten durchsuchen“, das die lokalen "
         u"Dateien hinzufügt, auf die ein HTML-Dokument verlinkt. Auf „2. Einstellungen“ wählen "
         u"Sie die Kriterien und die Ausgabe: eine HTML-Seite mit Buchstabenleiste und Links zu "
         u"den Dokumenten oder reinen Text. Das Ergebnis zeigt die Seite als Vorschau („Design“) "
         u"oder als Code („Code“); Sie speichern sie als Text oder HTML oder als Indexdatei "
         u"(*.idx), die ein späterer Lauf ergänzen kann.",
         u"An index over many documents: every word with the documents that contain it. On "
         u"\"1. Source\" you gather the documents: with \"Search..\", by dropping them on the "
         u"list, or with \"Search Document for further Pages\", which adds the local files an "
         u"HTML document links to. On \"2. Criteria\" you choose the criteria and the output: an "
         u"HTML page with a letter bar and links to the documents, or plain text. The output "
         u"shows the page as a preview (\"Design\") or as code (\"Code\"); you save it as text or "
         u"HTML, or as an index file (*.idx) that a later run can add to."},
        {"info1_h4", R::Caption, u"Stichwort Index", u"Keyword Index"},
        {"info1_t4", R::Caption,
         u"Für jedes Dokument der Quellenliste eine Zeile mit seinen Wörtern: in der Reihenfolge "
         u"ihres ersten Auftretens oder alphabetisch, nebeneinander oder untereinander. Es gelten "
         u"dieselben Kriterien wie beim Text Index; HTML-Tags können vorher entfernt werden.",
         u"For every document of the source list one line with its words: in the order in which "
         u"they first occur or alphabetically, side by side or one under the other. The same "
         u"criteria apply as for the text index; HTML tags can be removed first."},
        {"info1_h5", R::Caption, u"Wortlisten", u"Word Lists"},
        {"info1_t5", R::Caption,
         u"Die Negativliste hält Wörter, die nie in einen Index kommen (etwa „und“ oder „der“), "
         u"die Positivliste Wörter und Wendungen, die immer aufgenommen werden, wenn sie "
         u"vorkommen. Sie bearbeiten beide unter „Einstellungen > Wortlisten“, und jeder Index "
         u"schaltet sie auf seiner Kriterienseite ein oder aus. Lexorim bewahrt sie in den "
         u"Dateien neg.txt und pos.txt im Programmordner auf.",
         u"The black list holds words that never go into an index (such as \"and\" or \"the\"), "
         u"the white list words and phrases that are always taken when they occur. You edit both "
         u"under \"Settings > Word Lists\", and every index switches them on or off on its "
         u"criteria page. Lexorim keeps them in the files neg.txt and pos.txt in the program "
         u"folder."},
        {"info1_h6", R::Caption, u"Tools", u"Tools"},
        {"info1_t6", R::Caption,
         u"Index > Negativliste, Index > Positivliste: übernimmt Wörter des aktuellen Index in "
         u"eine Wortliste; der nächste Lauf lässt sie weg oder nimmt sie sicher auf.\n"
         u"Text > Index (*.idx): macht aus einem Index, den es nur als Text gibt (etwa „Apfel 12, "
         u"15, 17“ aus einem fertigen Buch), eine Indexdatei, die Text Index und Datei Index "
         u"weiterführen.\n"
         u"Seitenzahlen in Text schreiben: schreibt fortlaufende Seitenzahlen in einen Text, der "
         u"keine hat (anstelle leerer Zeilen, an einer angeklickten Stelle oder anstelle eines "
         u"Markierungszeichens), und gibt ihn an den Text Index weiter.\n"
         u"Kompatibilitätstest: zeigt, ob ein Dokument gelesen werden kann.",
         u"Index > Black List, Index > White List: moves words of the current index into a word "
         u"list; the next run leaves them out or surely takes them.\n"
         u"Text > Index (*.idx): turns an index that exists only as text (such as \"Apple 12, 15, "
         u"17\" from a finished book) into an index file that the text index and the file index "
         u"carry on.\n"
         u"Write Folio to Text: writes consecutive page numbers into a text that has none (in "
         u"place of empty lines, at a clicked position or in place of a marker character) and "
         u"hands it to the text index.\n"
         u"Compatibility Test: shows whether a document can be read."},
        {"info1_h7", R::Caption, u"Ihre Anliegen", u"Your Concerns"},
        {"info1_t7", R::Caption,
         u"Fragen, Fehler und Vorschläge sind willkommen: Sie können sie auf der Support-Seite "
         u"melden. Das Programm selbst sendet nichts.",
         u"Questions, faults and suggestions are welcome: you can report them on the support "
         u"page. The program itself sends nothing."},
        {"info2_h1", R::Caption, u"Empfehlungen für gute Indexe",
         u"Recommendations for Good Indexes"},
        {"info2_t1", R::Caption,
         u"Seitenzahlen prüfen: Sehen Sie die ausgelesenen Seitenzahlen auf „2. Seitenzahlen“ "
         u"durch, bevor Sie den Index erstellen. Eine fehlende oder falsche Zahl verschiebt alle "
         u"Verweise bis zur nächsten richtigen.\n"
         u"Probeindex: Erstellen Sie zuerst einen Probeindex, übernehmen Sie überflüssige Wörter "
         u"mit „Tools > Index > Negativliste“ und erstellen Sie ihn neu.\n"
         u"Ergänzen statt neu erstellen: Speichern Sie ein Buch, an dem Sie noch schreiben, als "
         u"Indexdatei (*.idx) und fügen Sie jedes neue Kapitel hinzu, statt alles neu zu "
         u"erstellen.",
         u"Check the page numbers: look through the page numbers read out on \"2. Page Numbers\" "
         u"before you create the index. A missing or wrong number shifts every reference up to "
         u"the next right one.\n"
         u"Trial index: make a trial index first, move needless words with \"Tools > Index > "
         u"Black List\" and create it again.\n"
         u"Add instead of starting again: save a book you are still writing as an index file "
         u"(*.idx) and add every new chapter instead of creating everything again."},
        {"info2_h2", R::Caption, u"Einstellungen aufbewahren", u"Keeping Settings"},
        {"info2_t2", R::Caption,
         u"Unter „Konfiguration“ speichern Sie alle Einstellungen aller Fenster in eine Datei "
         u"(*.lkfg) und laden sie wieder (Strg+K). Die Startkonfiguration Auto.lkfg im "
         u"Programmordner wird beim Start geladen (F3 lädt sie jederzeit), F2 setzt alle "
         u"Einstellungen zurück. Unter „Einstellungen > Speicheroptionen..“ wählen Sie die "
         u"Zeichenkodierung, in der Lexorim alles speichert.",
         u"Under \"Configuration\" you save every setting of every window to a file (*.lkfg) and "
         u"load it again (Ctrl+K). The start configuration Auto.lkfg in the program folder is "
         u"loaded at start (F3 loads it at any time), F2 resets every setting. Under \"Settings > "
         u"Saving Options..\" you choose the character encoding in which Lexorim saves "
         u"everything."},
        {"info3_h1", R::Caption, u"Lexorim", u"Lexorim"},
        {"info3_t1", R::Caption,
         u"Lexorim besteht aus diesem Programm und dem Befehlszeilenprogramm lexorim-cli. Beide "
         u"teilen denselben Kern: Eine hier gespeicherte Konfiguration erstellt mit "
         u"„lexorim-cli text buch.txt --config buch.lkfg -o index.txt“ denselben Index ohne "
         u"Fenster, etwa in einem Skript.\n"
         u"Lexorim liest Textdateien in ANSI, UTF-7, UTF-8, UTF-16 und UTF-32 (die Kodierung "
         u"wird erkannt), HTML, DOCX, DOC, ODT, RTF und PDF. Ist LibreOffice installiert, "
         u"bekommen Textdokumente die Seiten, die sie gedruckt haben.",
         u"Lexorim consists of this program and the command-line program lexorim-cli. Both share "
         u"the same core: a configuration saved here makes the same index without a window with "
         u"\"lexorim-cli text book.txt --config book.lkfg -o index.txt\", in a script for "
         u"instance.\n"
         u"Lexorim reads text files in ANSI, UTF-7, UTF-8, UTF-16 and UTF-32 (the encoding is "
         u"detected), HTML, DOCX, DOC, ODT, RTF and PDF. With LibreOffice installed, word "
         u"processor documents get the pages they have when printed."},
        {"info4_h1", R::Caption, u"Mitmachen", u"Contribute"},
        {"info4_t1", R::Caption,
         u"Lexorim wird mit jeder Rückmeldung besser. Melden Sie Fehler möglichst mit einer "
         u"kleinen Datei, die ihn zeigt, und mit den Einstellungen, die Sie gewählt haben (eine "
         u"gespeicherte Konfiguration reicht). Vorschläge, bessere Hilfetexte und Übersetzungen "
         u"sind ebenso willkommen.",
         u"Lexorim gets better with every response. Report a fault with a small file that shows "
         u"it, if you can, and with the settings you chose (a saved configuration will do). "
         u"Suggestions, better help texts and translations are just as welcome."},
        {"info5_h1", R::Caption, u"Lizenz", u"Licence"},
        {"info5_t1", R::Caption,
         u"Die Bedingungen, unter denen Lexorim weitergegeben wird, stehen auf der Lizenzseite. "
         u"Die Bibliotheken, die Lexorim verwendet (Qt, ICU, libzip, pugixml, Poppler, FreeType, "
         u"Fontconfig, libjpeg, giflib), stehen unter ihren eigenen Lizenzen.\n"
         u"Die Indexe, Wortlisten und Konfigurationen, die Sie erstellen, gehören Ihnen. Lexorim "
         u"hat keine Netzwerkfunktion und öffnet Webseiten nur in Ihrem Browser.",
         u"The terms under which Lexorim is passed on are on the licence page. The libraries "
         u"Lexorim uses (Qt, ICU, libzip, pugixml, Poppler, FreeType, Fontconfig, libjpeg, "
         u"giflib) are under their own licences.\n"
         u"The indexes, word lists and configurations you make are yours. Lexorim has no network "
         u"function and opens web pages only in your browser."},
        // The information menus: their page items, and the Info menu's web pages (their
        // addresses come from the program's table of web pages).
        {"minfo1", R::Caption, u"&Hilfe", u"&Help"},
        {"minfo2", R::Caption, u"&Empfehlungen", u"&Regards"},
        {"Software1", R::Caption, u"&Software", u"&Software"},
        {"minfo3", R::Caption, u"&Mitmachen", u"&Contribute"},
        {"minfo4", R::Caption, u"&Lizenz", u"&Licence"},
        {"mfi1", R::Caption, u"&Hilfe", u"&Help"},
        {"mfi2", R::Caption, u"&Empfehlungen", u"&Regards"},
        {"Software2", R::Caption, u"&Software", u"&Software"},
        {"mfi3", R::Caption, u"&Mitmachen", u"&Contribute"},
        {"mfi4", R::Caption, u"&Lizenz", u"&Licence"},
        {"minfo5", R::Message, u"&Online-Hilfe", u"&Online Help"},
        {"minfo6", R::Message, u"S&upport", u"S&upport"},
        {"minfo8", R::Message, u"Lexorim im &Web", u"Lexorim on the &Web"},
    };
}

WindowDefinition MainWindow() {
    return {"Tprog", "PB", MainWindowControls(), MainWindowTexts()};
}

// ---------------------------------------------------------------------------------------------
// Dialogs of the text index.

WindowDefinition TextIndexDesign() {
    return {
        "Tdesign",
        "DS",
        {
            {"dabsatz_abc", K::CheckBox, u"1"},
            {"kt_alphabet", K::CheckBox, u"1"},
            {"dsep", K::LabeledEdit, u", "},
            {"dzw", K::LabeledEdit, u" "},
            {"ub", K::LabeledEdit, u"Index"},
        },
        {
            {"", R::Caption, u"Design", u"Design"},
            {"ub", R::Caption, u"Gesamtüberschrift", u"Top Headline"},
            {"kt_alphabet", R::Caption, u"Überschriften im Index: A, B, C,..",
             u"Headlines in the Index: A, B, C,.."},
            {"dabsatz_abc", R::Caption, u"Leere Zeile vor den ABC - Überschriften",
             u"Empty Line before ABC - Headings"},
            {"dsep", R::Caption, u"Seperator zwischen den Seiten",
             u"Seperator between Page Numbers"},
            {"dzw", R::Caption, u"Zwischen Eintrag und Seiten", u"Between Items and Page Numbers"},
            {"gb1", R::Caption, u"Überschriften", u"Headlinge"},
            {"gb2", R::Caption, u"Verwendete Zeichen", u"Used Characters"},
            {"vorschau", R::Message, u"Vorschau: Eintrag", u"Preview: Item"},
            {"OK", R::Caption, u"OK", u"OK"},
        }};
}

std::vector<WindowText> IndexToListEditorTexts(std::u16string_view germanTitle,
                                               std::u16string_view englishTitle,
                                               std::u16string_view germanList,
                                               std::u16string_view englishList) {
    return {
        {"", R::Caption, germanTitle, englishTitle},
        {"wahl", R::Items, u"Index: TextIndex\nIndex: DateiIndex",
         u"Index: TextIndex\nIndex: FileIndex"},
        {"versch", R::Caption, u">", u">"},
        {"sort", R::Caption, u"Sortieren", u"Sort"},
        {"sitzung", R::Caption, u"Geänderte Liste nur in dieser Sitzung verwenden",
         u"Use modified List only in this Session"},
        {"Speichern", R::Caption, u"Speichern", u"Save"},
        {"Abbrechen", R::Caption, u"Abbrechen", u"Cancel"},
        {"Label1", R::Caption, u"Index aus dem Programm", u"Index from Program"},
        {"Label2", R::Caption, germanList, englishList},
    };
}

WindowDefinition IndexToNegativeListEditor() {
    return {"Teditneg",
            "EN",
            {
                {"wahl", K::ComboBox, u"Index: TextIndex"},
                {"sitzung", K::CheckBox, u"0"},
            },
            IndexToListEditorTexts(u"Editor: Index > Negativliste", u"Editor: Index > Black List",
                                   u"Negativliste", u"Black List")};
}

WindowDefinition IndexToPositiveListEditor() {
    return {"Teditpos",
            "EP",
            {
                {"wahl", K::ComboBox, u"Index: TextIndex"},
                {"sitzung", K::CheckBox, u"0"},
            },
            IndexToListEditorTexts(u"Editor: Index > Positivliste", u"Editor: Index > White List",
                                   u"Positivliste", u"White List")};
}

constexpr std::u16string_view kTextFilterGerman = u"Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*";
constexpr std::u16string_view kTextFilterEnglish = u"Text (*.txt)|*.txt|All Files (*.*)|*.*";
constexpr std::u16string_view kIndexFilterGerman = u"Index (*.idx)|*.idx|Alle Dateien (*.*)|*.*";
constexpr std::u16string_view kIndexFilterEnglish = u"Index (*.idx)|*.idx|All Files (*.*)|*.*";

WindowDefinition PageWritingEditor() {
    return {
        "Tedittxt",
        "ET",
        {
            {"cb_l2skeinedoppelt", K::CheckBox, u"1"},
            {"curaut", K::CheckBox, u"1"},
            {"Zeilenumbruch", K::CheckBox, u"1"},
            {"l2sstart", K::LabeledEdit, u"1"},
            {"cursak", K::LabeledEdit, u"1"},
            {"zes", K::LabeledEdit, u"1"},
            {"zez", K::LabeledEdit, u"#"},
            {"vor", K::LabeledEdit, u"#NL"},
            {"nach", K::LabeledEdit, u"#NL"},
        },
        {
            {"", R::Caption, u"Editor: Seitenzahlen in Text schreiben",
             u"Editor: Write Folio to Text"},
            {"Optionen", R::Caption, u"Optionen", u"Options"},
            {"tab1", R::Caption, u"Leerzeilen Ersetzen", u"Replace Empty Lines"},
            {"tab2", R::Caption, u"Cursor", u"Cursor"},
            {"tab3", R::Caption, u"Zeichen Ersetzen", u"Replace Characters"},
            {"einst", R::Caption, u"Einstellungen", u"Settings"},
            {"tab1", R::Hint, u"Ersetzt alle Leerzeilen durch eine fortlaufende Seitenzahl.",
             u"Replaces all Empty Lines by Consecutive Page Numbers."},
            {"tab2", R::Hint, u"Fügt eine Seitenzahl an der Cursorposition ein.",
             u"Insert a Page Number at Cursor Position."},
            {"tab3", R::Hint, u"Ersetzt Zeichen durch fortlaufende Seitenzahlen.",
             u"Replace Characters by Consecutive Page Numbers."},
            {"einst", R::Hint, u"Zeichen und Zeilenumbrüche (#NL) vor und nach der Seitenzahl.",
             u"Characters and Line Breaks (#NL) before and after Page Numbers."},
            {"l2sstart", R::Caption, u"Startseite", u"Start"},
            {"cb_l2skeinedoppelt", R::Caption,
             u"Nach einer Seitenzahl kommt mindestens eine Zeile Text",
             u"At least one Line of Text after a Page Number"},
            {"cursak", R::Caption, u"Aktuelle Seite", u"Actual Page Number"},
            {"curaut", R::Caption, u"Seitenzahlen automatisch hochzählen",
             u"Count Up Page Numbers Automatically"},
            {"zes", R::Caption, u"Startseite", u"Start"},
            {"zez", R::Caption, u"Ersetzte Zeichen", u"Character"},
            {"vor", R::Caption, u"Zeichen vor der Seitenzahl", u"Character Before Page Number"},
            {"nach", R::Caption, u"Zeichen nach der Seitenzahl", u"Character After Page Number"},
            {"Zeilenumbruch", R::Caption, u"Zeilenumbruch", u"Line Break"},
            {"LeerZuSeite", R::Caption, u"Anwenden", u"Apply"},
            {"zeanwenden", R::Caption, u"Anwenden", u"Apply"},
            {"l2sback", R::Caption, u"Rückgängig", u"Undo"},
            {"zeback", R::Caption, u"Rückgängig", u"Undo"},
            {"curback", R::Caption, u"Rückgängig", u"Undo"},
            {"Laden", R::Caption, u"Text Laden", u"Load Text"},
            {"HinzuLaden", R::Caption, u"Hinzuladen", u"Add Text"},
            {"delete", R::Caption, u"Text Löschen", u"Delete Text"},
            {"ToTXTIndex", R::Caption, u"Textindex..", u"Textindex.."},
            {"schliessen", R::Caption, u"Schließen", u"Close"},
            {"OpenText", R::Filter, kTextFilterGerman, kTextFilterEnglish},
        }};
}

WindowDefinition TextToIndexEditor() {
    return {
        "Tedittxt2idx",
        "EI",
        {
            {"bentf", K::Edit, u";"},
            {"zwsl", K::Edit, u">"},
            {"lentf", K::ComboBox, u"3"},
            {"zus_eintrag", K::RadioButton, u"1", "mehrerewoerter"},
            {"zus_seite", K::RadioButton, u"0", "mehrerewoerter"},
            {"zus_auslassen", K::RadioButton, u"0", "mehrerewoerter"},
            {"sl", K::RadioButton, u"1", "reihenfolge"},
            {"ls", K::RadioButton, u"0", "reihenfolge"},
            {"cb_linksvorhanden", K::CheckBox, u"0"},
            {"cb_deletetxt", K::CheckBox, u"0"},
            {"cb_deleteidx", K::CheckBox, u"0"},
            {"Panel1", K::Panel, u"1"},
            {"Panel2", K::Panel, u"1"},
            {"Panel3", K::Panel, u"1"},
            {"Panel4", K::Panel, u"1"},
            {"zws", K::LabeledEdit, u", "},
            {"zwes", K::LabeledEdit, u" "},
        },
        {
            {"", R::Caption, u"Editor: Text > Index (*.idx)", u"Editor: Text > Index (*.idx)"},
            {"text", R::Column, u"Zeilen", u"Lines"},
            {"index", R::Column, u"Eintrag\nSeite(Link)\nUrsprung", u"Entry\nPage(Link)\nSource"},
            {"zwes", R::Caption, u"Zeichen zwischen Eintrag und Seiten",
             u"Charcters between Entry and Page Numbers"},
            {"zws", R::Caption, u"Zeichen zwischen den Seiten", u"Characters between Page Numbers"},
            {"cb_linksvorhanden", R::Caption, u"Zeichen zwischen Seiten und Links:",
             u"Characters between Page Number and Link:"},
            {"sl", R::Caption, u"Seite - Link", u"Page Number - Link"},
            {"ls", R::Caption, u"Link - Seite", u"Link - Page Number"},
            {"zus_eintrag", R::Caption, u"Zum Eintrag Zählen", u"Add to Entry"},
            {"zus_seite", R::Caption, u"Zu Seiten Zählen", u"Add to Page Numbers"},
            {"zus_auslassen", R::Caption, u"Auslassen", u"Ignore"},
            {"lentf", R::Items, u"0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n15\n20",
             u"0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n15\n20"},
            {"cb_deletetxt", R::Caption, u"Alten Text vor dem Laden löschen",
             u"Delete old Text before Loading"},
            {"cb_deleteidx", R::Caption, u"Alte Einträge vor dem Laden löschen",
             u"Delete old Items before Loading"},
            {"Textquelle", R::Caption, u"Textquelle", u"Text Source"},
            {"TextOffnen", R::Caption, u"Text Laden", u"Load Text"},
            {"TextLoschen", R::Caption, u"Text Löschen", u"Delete Text"},
            {"ZeileLoschen", R::Caption, u"Zeile Löschen", u"Delete Row"},
            {"AllesMarkieren", R::Caption, u"Alles Markieren", u"Select All"},
            {"Entfernen", R::Caption, u"Zeilen aus dem Text Entfernen", u"Remove Lines from Text"},
            {"LangEntf", R::Caption, u"Entfernen", u"Remove"},
            {"BstEntf", R::Caption, u"Entfernen", u"Remove"},
            {"lentf_label", R::Caption, u"Minimale Zeilenlänge:", u"Minimum Length of Lines:"},
            {"bentf_label", R::Caption, u"Zeilen entfernen, die dieses Zeichen enthalten:",
             u"Remove Lines Containing these Characters:"},
            {"bt_t2i", R::Caption, u">", u">"},
            {"i2t", R::Caption, u"<", u"<"},
            {"Index", R::Caption, u"Index", u"Index"},
            {"IdxLaden", R::Caption, u"Index Laden", u"Load Index"},
            {"IdxSpeichern", R::Caption, u"Index Speichern", u"Save Index"},
            {"IdxAlles", R::Caption, u"Index Löschen", u"Delete Index"},
            {"IdxZeile", R::Caption, u"Zeile Löschen", u"Delete Row"},
            {"IdxSelectAll", R::Caption, u"Alles Markieren", u"Select All"},
            {"Umwandeln", R::Caption, u"Zeilen in Einträge umwandeln",
             u"Converting Lines to Entries"},
            {"reihenfolge", R::Caption, u"Reihenfolge", u"Order"},
            {"mehrerewoerter", R::Caption, u"Mehrere Wörter vor den Seiten",
             u"Several Words before the Page Numbers"},
            {"ToTxtIdx", R::Caption, u"Text Index..", u"Text Index.."},
            {"ToHTMLIdx", R::Caption, u"Datei Index..", u"File Index.."},
            {"Schliessen", R::Caption, u"Schließen", u"Close"},
            {"TextOffnen", R::Filter, kTextFilterGerman, kTextFilterEnglish},
            {"IdxLaden", R::Filter, kIndexFilterGerman, kIndexFilterEnglish},
            {"IdxSpeichern", R::Filter, kIndexFilterGerman, kIndexFilterEnglish},
        }};
}

WindowDefinition OutputSettings() {
    return {
        "Teinstausgabe",
        "EA",
        {
            {"Edit1", K::Edit, u"#FFFFFF"},
            {"rb_ansi", K::RadioButton, u"0", "kodierung"},
            {"rb_utf7", K::RadioButton, u"0", "kodierung"},
            {"rb_utf8", K::RadioButton, u"0", "kodierung"},
            {"rb_beibehalten", K::RadioButton, u"1", "kodierung"},
            {"rb_utf7ansi", K::RadioButton, u"0", "kodierung"},
            {"rb_utf16le", K::RadioButton, u"0", "kodierung"},
            {"rb_utf_be", K::RadioButton, u"0", "kodierung"},
            {"rb_utf32le", K::RadioButton, u"0", "kodierung"},
            {"rb_utf32be", K::RadioButton, u"0", "kodierung"},
            {"rb_utf8bom", K::RadioButton, u"0", "kodierung"},
            {"jazubom", K::CheckBox, u"1"},
        },
        {
            {"", R::Caption, u"Ausgabe Einstellungen", u"Output Settings"},
            {"GroupBox2", R::Caption, u"Kodierung von Textdateien", u"Coding of Text Files"},
            {"GroupBox1", R::Caption, u"Ausgabe als Bild", u"Output as Image"},
            {"Label6", R::Caption, u"Schrift und Hintergrundfarbe bei einer Ausgabe als Bild:",
             u"Font and Background Color at an Output as Image:"},
            {"Label5", R::Caption, u"Die Textdateien werden in folgendem Format abgespeichert:",
             u"Text Files are saved in this File Format:"},
            {"Label4", R::Caption, u"Informationen zu den Formaten erhalten Sie auf dieser Seite:",
             u"Information to the File Formats, you can get on:"},
            {"Label1", R::Caption, u"Informationen zur Byte Order Mark (BOM) erhalten Sie hier:",
             u"Information regarding the Byte Order Mark (BOM), you get on:"},
            {"BitBtn6", R::Caption, u"Schrift wählen..", u"Choose Font.."},
            {"Label3", R::Caption, u"Aktuelle Schrift", u"Current Font"},
            {"BitBtn1", R::Caption, u"Hintergrundfarbe..", u"Background Color.."},
            {"jazubom", R::Caption, u"Byte Order Mark (BOM) in die Dateien schreiben",
             u"Write Byte Order Mark (BOM) in the Files"},
            {"rb_ansi", R::Caption, u"ANSI Text", u"ANSI Text"},
            {"rb_utf7", R::Caption, u"Unicode UTF-7", u"Unicode UTF-7"},
            {"rb_utf7ansi", R::Caption, u"Unicode UTF-7 als ANSI gespeichert",
             u"Unicode UTF-7 saved as ANSI"},
            {"rb_utf8", R::Caption, u"Unicode UTF-8 ohne BOM", u"Unicode UTF-8 without BOM"},
            {"rb_utf8bom", R::Caption, u"Unicode UTF-8 mit BOM", u"Unicode UTF-8 with BOM"},
            {"rb_utf16le", R::Caption, u"Unicode UTF-16 Little Endian (Standard Windows Unicode)",
             u"Unicode UTF-16 Little Endian (Standard Windows Unicode)"},
            {"rb_utf_be", R::Caption, u"Unicode UTF-16 Big Endian", u"Unicode UTF-16 Big Endian"},
            {"rb_utf32le", R::Caption, u"Unicode UTF-32 Little Endian",
             u"Unicode UTF-32 Little Endian"},
            {"rb_utf32be", R::Caption, u"Unicode UTF-32 Big Endian", u"Unicode UTF-32 Big Endian"},
            {"rb_beibehalten", R::Caption, u"Wenn möglich, Kodierung übernehmen",
             u"Adopt Coding if possible"},
        }};
}

// ---------------------------------------------------------------------------------------------
// Dialogs of the file index and the keyword index.

WindowDefinition FileIndexHtmlDesign() {
    return {"Thdesign",
            "HD",
            {
                {"farbe_text", K::Edit, u"#333333"},
                {"farbe_links", K::Edit, u"#0000FF"},
                {"farbe_hg", K::Edit, u"#FFFFFF"},
                {"schriftart", K::ComboBox, u"Verdana, Arial, Helvetica, Sans-Serif"},
                {"ft1", K::ComboBox, u"24"},
                {"ft2", K::ComboBox, u"16"},
                {"ftt", K::ComboBox, u"12"},
                {"kt_alphabet", K::CheckBox, u"1"},
                {"linkleiste", K::CheckBox, u"1"},
                {"pafa_text", K::Panel, u"1"},
                {"pafa_links", K::Panel, u"1"},
                {"pafa_hg", K::Panel, u"1"},
                {"LinkTrenner", K::LabeledEdit, u" | "},
                {"breite_all", K::LabeledEdit, u"600px"},
                {"breite_links", K::LabeledEdit, u"180px"},
                {"breite_rechts", K::LabeledEdit, u"350px"},
                {"breite_top", K::LabeledEdit, u"100%"},
                {"abs_linksrechts", K::LabeledEdit, u"10px"},
                {"abs_zwabschnitt", K::LabeledEdit, u"25px"},
                {"abs_obenunten", K::LabeledEdit, u"5px"},
                {"abs_zwtext", K::LabeledEdit, u"0px"},
                {"htmltitel", K::LabeledEdit, u"Index"},
                {"Ueberschrift", K::LabeledEdit, u"Index"},
            },
            {
                {"", R::Caption, u"HTML Einstellungen", u"HTML Settings"},
                {"kt_alphabet", R::Caption, u"Überschriften im Index: A, B, C,..",
                 u"Headlines in the Index: A, B, C,.."},
                {"linkleiste", R::Caption, u"Menüleiste mit ABC-Links über dem Dokument",
                 u"Menu Bar with ABC-Links"},
                {"schriftart", R::Caption, u"Schriftart", u"Font"},
                {"schriftart", R::Items,
                 u"Verdana, Arial, Helvetica, Sans-Serif\nArial, Helvetica, Sans-Serif\nTimes New "
                 u"Roman, Times, Serif\nGeorgia, Times New Roman, Times, Serif\nGeneva, Arial, "
                 u"Helvetica, Sans-Serif\nCourier New, Courier, Mono",
                 u"Verdana, Arial, Helvetica, Sans-Serif\nArial, Helvetica, Sans-Serif\nTimes New "
                 u"Roman, Times, Serif\nGeorgia, Times New Roman, Times, Serif\nGeneva, Arial, "
                 u"Helvetica, Sans-Serif\nCourier New, Courier, Mono"},
                {"ft1", R::Caption, u"Überschrift", u"Headline"},
                {"ft2", R::Caption, u"Abschnitt", u"Paragraph"},
                {"ftt", R::Caption, u"Text", u"Text"},
                {"breite_all", R::Caption, u"Gesamtspalte", u"General Width"},
                {"breite_links", R::Caption, u"Spalte Links", u"Left Column"},
                {"breite_rechts", R::Caption, u"Spalte Rechts", u"Right Column"},
                {"breite_top", R::Caption, u"Überschrift", u"Headline"},
                {"abs_linksrechts", R::Caption, u"Links und Rechts", u"Left and Right"},
                {"abs_zwabschnitt", R::Caption, u"Zwischen Abschnitten", u"Between Paragraphs"},
                {"abs_obenunten", R::Caption, u"Oben und Unten", u"Above and Below"},
                {"abs_zwtext", R::Caption, u"Zwischen Text", u"Between Text"},
                {"htmltitel", R::Caption, u"Titel (title-Tag)", u"Title (title-tag)"},
                {"Ueberschrift", R::Caption, u"Überschrift", u"Headline"},
                {"farbe_text", R::Caption, u"Text", u"Text"},
                {"farbe_links", R::Caption, u"Links", u"Links"},
                {"farbe_hg", R::Caption, u"Hintergrund", u"Background"},
                {"gb1", R::Caption, u"Allgemeine Einstellungen", u"General Settings"},
                {"gb2", R::Caption, u"Schriftart und Schriftgröße", u"Font and Font Size"},
                {"gb3", R::Caption, u"Breite", u"Width"},
                {"gb4", R::Caption, u"Abstände", u"Interspaces"},
                {"gb5", R::Caption, u"Titel", u"Title"},
                {"gb7", R::Caption, u"Farben", u"Colors"},
                {"OK", R::Caption, u"OK", u"OK"},
            }};
}

WindowDefinition ChooseExistingIndex() {
    return {"Tindexhinzu",
            "IH",
            {{"edit_quelle", K::Edit, u""}},
            {{"OpenIndex", R::Filter, kIndexFilterGerman, kIndexFilterEnglish}}};
}

WindowDefinition WordListWindow(std::string_view className, std::string_view code,
                                std::u16string_view germanTitle, std::u16string_view englishTitle) {
    return {className,
            code,
            {},
            {
                {"", R::Caption, germanTitle, englishTitle},
                {"laden", R::Caption, u"Laden", u"Load"},
                {"hinzuladen", R::Caption, u"Hinzuladen", u"Add List"},
                {"speichern", R::Caption, u"Speichern", u"Save"},
                {"delete", R::Caption, u"Löschen", u"Delete"},
                {"OK", R::Caption, u"OK", u"OK"},
                {"OpenList", R::Filter, kTextFilterGerman, kTextFilterEnglish},
            }};
}

WindowDefinition SourceOptions() {
    return {
        "Tquhopt",
        "QO",
        {
            {"rb1", K::RadioButton, u"1", "spalte"},
            {"rb2", K::RadioButton, u"0", "spalte"},
            {"rb3", K::RadioButton, u"0", "spalte"},
            {"doppelteweg", K::CheckBox, u"1"},
            {"dadweitere", K::CheckBox, u"0"},
            {"endungenweg", K::CheckBox, u"0"},
            {"namengross", K::CheckBox, u"1"},
        },
        {
            {"", R::Caption, u"Erweiterte Einstellungen", u"Settings"},
            {"gb1", R::Caption, u"Einstellungen", u"Settings"},
            {"doppelteweg", R::Caption, u"Keine Dateien doppelt hinzufügen",
             u"Add No Double Files"},
            {"dadweitere", R::Caption, u"Auch bei Drag and Drop nach weiteren Seiten suchen",
             u"Search for other Documents also at Drag and Drop"},
            {"endungenweg", R::Caption, u"Links: Dateiendungen entfernen",
             u"Links: Remove File Extensions"},
            {"namengross", R::Caption, u"Bezeichnung: Groß schreiben", u"Synonym: Write Uppercase"},
            {"gb2", R::Caption, u"Quelle Manuell Ändern", u"Edit Source Manually"},
            {"rb1", R::Caption, u"Bezeichnung", u"Synonym"},
            {"rb2", R::Caption, u"Link", u"Link"},
            {"rb3", R::Caption, u"Datei", u"File"},
        }};
}

WindowDefinition KeywordIndexDesign() {
    return {"Tsdesign",
            "SD",
            {
                {"bez", K::CheckBox, u"0"},
                {"dateiname", K::CheckBox, u"1"},
                {"leerzeile", K::CheckBox, u"1"},
                {"zwe", K::LabeledEdit, u", "},
                {"zw", K::LabeledEdit, u":  "},
                {"v", K::LabeledEdit, u""},
                {"zwdl", K::LabeledEdit, u" "},
                {"ne", K::LabeledEdit, u""},
            },
            {
                {"", R::Caption, u"StichwortIndex Design", u"KeywordIndex Design"},
                {"v", R::Caption, u"Zu Beginn jeder Zeile", u"At the Beginning of a Line"},
                {"zwdl", R::Caption, u"Zwischen Bezeichnung/Dateiname",
                 u"Between Synonym and File Name"},
                {"zw", R::Caption, u"Zeichen zwischen Eintrag und Stichwörtern",
                 u"Character between Entry and Keywords"},
                {"zwe", R::Caption, u"Zeichen zwischen den Stichwörtern",
                 u"Character between Keywords"},
                {"ne", R::Caption, u"Zum Ende jeder Zeile", u"At the End of a Line"},
                {"bez", R::Caption, u"Bezeichnung im Eintrag verwenden", u"Synonym"},
                {"dateiname", R::Caption, u"Dateiname im Eintrag verwenden", u"File Name"},
                {"leerzeile", R::Caption, u"Zeile zwischen den Einträgen freilassen",
                 u"Empty Line between Entries"},
                {"gb1", R::Caption, u"Verwendete Angaben", u"Used Data"},
                {"gb2", R::Caption, u"Layout", u"Layout"},
                {"gb3", R::Caption, u"Verwendete Zeichen", u"Used Characters"},
                {"OK", R::Caption, u"OK", u"OK"},
            }};
}

WindowDefinition PageListEditing() {
    return {"Tszbearbeiten",
            "SB",
            {
                {"ed1", K::LabeledEdit, u""},
                {"ed2", K::LabeledEdit, u""},
            },
            {
                {"", R::Caption, u"Seitenzahlen", u"Page Numbers"},
                {"ed1", R::Caption, u"Bezeichnung", u"Synonym"},
                {"ed2", R::Caption, u"Zeilennummer", u"Line Number"},
                {"add", R::Caption, u"Hinzufügen", u"Add"},
                {"Sortieren", R::Caption, u"Sortieren", u"Sort"},
                {"OK", R::Caption, u"OK", u"OK"},
                {"Abbrechen", R::Caption, u"Abbrechen", u"Cancel"},
                {"Bearbeiten", R::Caption, u"Bearbeiten", u"Edit"},
            }};
}

WindowDefinition PageNumberCriteria() {
    return {
        "Tszkriterien",
        "SK",
        {
            {"sz_bwdefs", K::Edit, u"- ( ) [ ]"},
            {"sz_zeichen", K::Edit, u""},
            {"sz_laenge", K::ComboBox, u"5"},
            {"cb_pluswert", K::ComboBox, u"1"},
            {"sz_bwstandard", K::RadioButton, u"1", "zeichen"},
            {"sz_bwdef", K::RadioButton, u"0", "zeichen"},
            {"posueber", K::RadioButton, u"0", "position"},
            {"posunter", K::RadioButton, u"1", "position"},
            {"sz_nurzahl", K::CheckBox, u"1"},
            {"sz_kuerzen", K::CheckBox, u"1"},
            {"sz_zeichbeginn", K::CheckBox, u"0"},
            {"sz_zeichenweg", K::CheckBox, u"1"},
            {"cb_plus", K::CheckBox, u"0"},
        },
        {
            {"", R::Caption, u"Seitenzahlen", u"Page Numbers"},
            {"gb_position", R::Caption, u"Position der Seitenzahlen", u"Position of Page Numbers"},
            {"posueber", R::Caption, u"Seitenzahlen stehen über dem Text",
             u"Page Numbers over the Text"},
            {"posunter", R::Caption, u"Seitenzahlen stehen unter dem Text",
             u"Page Numbers under the Text"},
            {"gb_laenge", R::Caption, u"Zeilenlänge", u"Length of Lines"},
            {"sz_laenge", R::Caption, u"Maximale Zeilenlänge der untersuchten Zeilen:",
             u"Maximum Line Length of Lines to be checked:"},
            {"gb_zeichen", R::Caption, u"Vorausgehendes Zeichen", u"Preceding Character"},
            {"sz_zeichbeginn", R::Caption,
             u"Nur Zeilen untersuchen, die mit folgendem Zeichen beginnen:",
             u"Only check Lines starting with this Character:"},
            {"sz_zeichenweg", R::Caption, u"Dieses Zeichen aus Zeile entfernen",
             u"Remove this Character from Line"},
            {"gb_andere", R::Caption, u"Andere Zeichen in der Zeile",
             u"Other Characters in the Line"},
            {"sz_nurzahl", R::Caption, u"Nur Zahlen als Seitenbezeichnungen verwenden",
             u"Use only Numbers as Page Numbers"},
            {"sz_kuerzen", R::Caption, u"Betreffende Zeilen um bestimmte Zeichen kürzen",
             u"Remove these Characters from Line:"},
            {"sz_bwstandard", R::Caption, u"Standard", u"Standard"},
            {"sz_bwdef", R::Caption, u"Benutzerdefinierte Zeichen:", u"User Defined Characters:"},
            {"gb_plus", R::Caption, u"Seitenzahlen modifizieren", u"Modify Page Numbers"},
            {"cb_plus", R::Caption, u"Ausgelesene numerische Seitenzahlen um diesen Wert erhöhen:",
             u"Add this to read Page Numbers:"},
            {"cb_pluswert", R::Items, u"-5\n-4\n-3\n-2\n-1\n0\n1\n2\n3\n4\n5\nBenutzerdefiniert..",
             u"-5\n-4\n-3\n-2\n-1\n0\n1\n2\n3\n4\n5\nCustom.."},
            {"OK", R::Caption, u"OK", u"OK"},
            {"Abbrechen", R::Caption, u"Abbrechen", u"Cancel"},
        }};
}

WindowDefinition FileIndexTextDesign() {
    return {"Ttextdesign",
            "TD",
            {
                {"kt_alphabet", K::CheckBox, u"1"},
                {"namen", K::CheckBox, u"1"},
                {"links", K::CheckBox, u"1"},
                {"s", K::LabeledEdit, u" | "},
                {"es", K::LabeledEdit, u":  "},
                {"b", K::LabeledEdit, u""},
                {"bl", K::LabeledEdit, u" ["},
                {"l", K::LabeledEdit, u"]"},
                {"titel", K::LabeledEdit, u"Index"},
            },
            {
                {"", R::Caption, u"TextIndex Design", u"TextIndex Design"},
                {"titel", R::Caption, u"Überschrift über dem Index", u"Headline over the Index"},
                {"kt_alphabet", R::Caption, u"Überschriften im Index: A, B, C,..",
                 u"Headlines in the Index: A, B, C,.."},
                {"namen", R::Caption, u"Bezeichnungen im Eintrag verwenden", u"Synonym"},
                {"links", R::Caption, u"Link im Eintrag verwenden", u"Link"},
                {"s", R::Caption, u"Zeichen zwischen den Seitenangaben",
                 u"Character between Number of Pages"},
                {"es", R::Caption, u"Zeichen zwischen Eintrag und Seitenangaben",
                 u"Character between Entry and Number of Pages"},
                {"b", R::Caption, u"Vor Bezeichnung", u"Before Synonym"},
                {"bl", R::Caption, u"Zwischen Bezeichnung/Link", u"Between Synonym/Link"},
                {"l", R::Caption, u"Nach Link", u"After Link"},
                {"gb1", R::Caption, u"Überschriften", u"Headlines"},
                {"gb2", R::Caption, u"Verwendete Angaben", u"Used Data"},
                {"gb3", R::Caption, u"Verwendete Zeichen", u"Used Characters"},
                {"Vorschau", R::Message, u"Vorschau: Eintrag", u"Preview: Entry"},
                {"Bezeichnung", R::Message, u"Bezeichung", u"Synonym"},
                {"OK", R::Caption, u"OK", u"OK"},
            }};
}

// ---------------------------------------------------------------------------------------------
// Windows that store nothing in configuration files.

WindowDefinition SplashWindow() {
    return {"Tstart", "", {}, {{"", R::Caption, u"Lexorim - Orvell", u"Lexorim - Orvell"}}};
}

// Each problem report window is in one language only; its texts are the same in both columns.
struct ProblemReportTexts {
    std::u16string_view title, greeting, request, custom;
};

WindowDefinition ProblemReport(std::string_view className, const ProblemReportTexts& texts) {
    return {className,
            "",
            {},
            {{"", R::Caption, texts.title, texts.title},
             {"Label1", R::Caption, texts.greeting, texts.greeting},
             {"Label2", R::Caption, texts.request, texts.request},
             {"Label3", R::Caption, texts.custom, texts.custom},
             {"OK", R::Caption, u"OK", u"OK"}}};
}

// The two windows differ only in the file type and the extension they name. On Linux the
// entries go to the desktop's file managers, and the captions name those instead of Explorer.
WindowDefinition ShellRegistration(std::string_view className, std::u16string_view typeName,
                                   std::u16string_view group, std::u16string_view groupEnglish,
                                   std::u16string_view label, std::u16string_view labelEnglish) {
    return {
        className,
        "",
        {
            {"beldateien", K::Edit, u"txt,log,php,htm,html"},
        },
        {
            {"", R::Caption, u"Verknüpfungen", u"Shortcuts"},
            {"FileTypeName", R::Message, typeName, typeName},
            {"SendToName", R::Message, u"Orvell Lexorim", u"Orvell Lexorim"},
            {"ContextMenu", R::Message, u"Öffnen mit Orvell Lexorim", u"Open with Orvell Lexorim"},
            {"Active", R::Message, u"Aktiv", u"Activated"},
            {"NotActive", R::Message, u"Nicht aktiv", u"Not activated"},
            {"Register", R::Caption, u"Verknüpfen", u"Register"},
            {"Remove", R::Caption, u"Entfernen", u"Remove"},
            {"gb1", R::Caption, group, groupEnglish},
            {"Label1", R::Caption, label, labelEnglish},
            {"gb2", R::Caption, u"Senden an", u"Send to"},
            {"Label7", R::Caption,
             u"Anzeige dieses Programms im Kontextmenü \"Senden an\" des Dateimanagers (Thunar)",
             u"Show this Application in the File Manager's Context Menu \"Send to\" (Thunar)"},
            {"gb3", R::Caption, u"Verknüpfung mit Ordnern", u"Shortcut with Folders"},
            {"Label4", R::Caption,
             u"Anzeige dieses Programms im Kontextmenü von Ordnern des Dateimanagers (Nemo)",
             u"Show this Application in the File Manager's Context Menu of Folders (Nemo)"},
            {"gb4", R::Caption, u"Verknüpfung mit Dateien", u"Shortcut with Files"},
            {"Label10", R::Caption,
             u"Anzeige dieses Programms im Kontextmenü aller Dateien des Dateimanagers (Nemo)",
             u"Show this Application in the File Manager's Context Menu of all Files (Nemo)"},
            {"Label3", R::Caption,
             u"Anzeige dieses Programms im Kontextmenü dieser Dateien (Nemo):",
             u"Show this Application in the File Manager's Context Menu of these Files (Nemo):"},
            {"Label2", R::Caption, u"Status:", u"Status:"},
            {"Label5", R::Caption, u"Status:", u"Status:"},
            {"Label8", R::Caption, u"Status:", u"Status:"},
            {"Label11", R::Caption, u"Status:", u"Status:"},
            // The entries are the signed-in user's own files, which need no administrator.
            {"Label6", R::Caption,
             u"Die Einträge gelten für den angemeldeten Benutzer; dafür sind keine "
             u"Administratorrechte nötig.",
             u"The entries apply to the signed-in user; they need no administrator rights."},
            {"Label12", R::Caption,
             u"Hilfe und weitere Informationen zu Verknüpfungen und Administratorrechten auf:",
             u"Help and more Information regarding Shortcuts and Administrator Rights on:"},
            {"AdminYes", R::Message, u"Das Programm wird gerade als Administrator ausgeführt.",
             u"The Program is running as an Administrator."},
            {"AdminNo", R::Message, u"Das Programm wird gerade nicht als Administrator ausgeführt.",
             u"The Program is not running as an Administrator."},
            {"AlsAdminStarten", R::Caption, u"Programm als Admin neu starten",
             u"Restart Program as Admin"},
            // %1 is the tool, %2 why it failed ("exit status 1").
            {"ToolFailed", R::Message,
             u"%1 konnte die Dateitypen des Desktops nicht auffrischen (%2). Die Einträge sind "
             u"geschrieben; der Dateimanager sieht sie vielleicht erst nach einer neuen Anmeldung.",
             u"%1 could not refresh the desktop's file types (%2). The entries are written; the "
             u"file manager may see them only after you log in again."},
            {"OK", R::Caption, u"OK", u"OK"},
        }};
}

WindowDefinition CompatibilityTest() {
    return {"Tzusatzfunktion",
            "",
            {},
            {
                {"word", R::Caption, u"Kompatibilitätstest", u"Compatibility Test"},
                {"bttxtquelle", R::Caption, u"Öffnen", u"Open"},
                {"Label5", R::Message, u"Ihre Word® Version ist kompatibel!",
                 u"Your Word® version is compatible!"},
                // Documents are read here through LibreOffice or the program's own readers, not
                // through Word, so the instruction names the documents rather than Word.
                {"StaticText3", R::Caption,
                 u"Klicken Sie auf \"Öffnen\" und öffnen Sie eine Word®-Datei oder ein anderes "
                 u"Dokument (DOC, DOCX, ODT, RTF, PDF). Wenn die ersten zwei Seiten der Datei in "
                 u"dem Kästchen erscheinen, kann das Programm die Datei lesen und Sie können "
                 u"einen Index aus ihr erstellen.",
                 u"Click on \"Open\" and open a Word® file or another document (DOC, DOCX, ODT, "
                 u"RTF, PDF). If you can see the first two pages of the file in the box, the "
                 u"program can read the file and you can create an index from it."},
            }};
}

}  // namespace

const ControlDefinition* WindowDefinition::FindControl(std::string_view name) const {
    for (const ControlDefinition& control : controls) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

const WindowText* WindowDefinition::FindText(std::string_view name, TextRole role) const {
    for (const WindowText& text : texts) {
        if (text.name == name && text.role == role)
            return &text;
    }
    return nullptr;
}

// The options of a clean first draft. Each goes past the plain rules of the indexes and is off in
// the standard configuration, so an index made without them stays exactly as before.
WindowDefinition DraftOptionsWindow() {
    return {
        "Tentwurf",
        "EW",
        {
            {"ew_kopfzeilen", K::CheckBox, u"0"},
            {"ew_inhaltsseiten", K::CheckBox, u"0"},
            {"ew_seitenbereich", K::Edit, u""},
            {"ew_gedrucktenummern", K::CheckBox, u"0"},
            {"ew_versatzdokumente", K::CheckBox, u"0"},
            {"ew_stoppwoerter", K::CheckBox, u"0"},
            {"ew_sprache", K::ComboBox, u"auto"},
            {"ew_fachbegriffe", K::CheckBox, u"0"},
            {"ew_wortformen", K::CheckBox, u"0"},
            {"ew_schreibweisen", K::CheckBox, u"0"},
            {"ew_kopfvorzeilen", K::CheckBox, u"0"},
            {"ew_wiederholungen", K::CheckBox, u"0"},
            {"ew_kurzwoerter", K::CheckBox, u"0"},
            {"ew_relevanz", K::CheckBox, u"0"},
            {"ew_stichwortanzahl", K::Edit, u"15"},
            {"ew_haeufigewoerter", K::CheckBox, u"0"},
            {"ew_dokumentanteil", K::Edit, u"80"},
        },
        {
            {"", R::Caption, u"Bereinigter Entwurf", u"Clean Draft"},
            {"ew_entwurf", R::Caption, u"Bereinigter Entwurf", u"Clean draft"},
            {"ew_optionen", R::Caption, u"Entwurf...", u"Draft..."},
            {"ew_seiten", R::Caption, u"Seiten", u"Pages"},
            {"ew_woerter", R::Caption, u"Wörter", u"Words"},
            {"ew_stichwoerter", R::Caption, u"Datei und Stichwort Index",
             u"File and Keyword Index"},
            {"ew_kopfzeilen", R::Caption, u"Kopf- und Fußzeilen weglassen",
             u"Leave out running heads and feet"},
            {"ew_inhaltsseiten", R::Caption, u"Inhaltsverzeichnis und Index des Buches weglassen",
             u"Leave out the contents and the book's own index"},
            {"ew_seitenbereich", R::Caption, u"Nur diese Seiten (z. B. iii-xii, 1-248):",
             u"Only these pages (e.g. iii-xii, 1-248):"},
            {"ew_gedrucktenummern", R::Caption, u"Gedruckte Seitenzahlen eines PDF lesen",
             u"Read the printed page numbers of a PDF"},
            {"ew_versatzdokumente", R::Caption, u"Seitenversatz auch für Dokumente",
             u"Page offset for documents too"},
            {"ew_stoppwoerter", R::Caption, u"Füllwörter der Sprache des Buches weglassen",
             u"Leave out the stop words of the book's language"},
            {"ew_sprache", R::Caption, u"Sprache:", u"Language:"},
            {"ew_sprache", R::Items, u"auto\nde\nen", u"auto\nde\nen"},
            {"ew_fachbegriffe", R::Caption, u"Fachbegriffe in Kleinschreibung behalten",
             u"Keep lower-case technical terms"},
            {"ew_wortformen", R::Caption, u"Wortformen unter einem Stichwort",
             u"Word forms under one heading"},
            {"ew_schreibweisen", R::Caption, u"Groß- und Kleinschreibung zusammenführen",
             u"Merge spellings that differ in case"},
            {"ew_kopfvorzeilen", R::Caption, u"Stichwort vor seinen Unterzeilen",
             u"Heading before its continuing lines"},
            {"ew_wiederholungen", R::Caption, u"Wiederholte Erweiterungen weglassen",
             u"Leave out expansions that repeat their first word"},
            {"ew_kurzwoerter", R::Caption, u"Kurze Wörter in Namen behalten",
             u"Keep short words inside names"},
            {"ew_relevanz", R::Caption, u"Stichwörter nach Relevanz, je Dokument höchstens:",
             u"Keywords by relevance, per document at most:"},
            {"ew_haeufigewoerter", R::Caption,
             u"Wörter fast jedes Dokuments weglassen, ab Anteil in %:",
             u"Leave out words of almost every document, from share in %:"},
            {"OK", R::Caption, u"OK", u"OK"},
            {"Abbrechen", R::Caption, u"Abbrechen", u"Cancel"},
        }};
}

const std::vector<WindowDefinition>& AllWindows() {
    static const std::vector<WindowDefinition> windows = {
        MainWindow(),
        TextIndexDesign(),
        IndexToNegativeListEditor(),
        IndexToPositiveListEditor(),
        PageWritingEditor(),
        TextToIndexEditor(),
        OutputSettings(),
        FileIndexHtmlDesign(),
        ChooseExistingIndex(),
        WordListWindow("Tnegliste", "NL", u"Negativliste", u"Black List"),
        WordListWindow("Tposliste", "PL", u"Positivliste", u"White List"),
        SourceOptions(),
        KeywordIndexDesign(),
        PageListEditing(),
        PageNumberCriteria(),
        FileIndexTextDesign(),
        CompatibilityTest(),
        SplashWindow(),
        ProblemReport(
            "Tbugreport_de",
            {u"Fehler oder Verbesserung melden", u"Hallo!",
             u"Haben Sie einen Fehler gefunden oder eine Idee, wie das Programm besser werden "
             u"kann? Schreiben Sie uns auf unserer Support-Seite. Eine E-Mail-Adresse anzugeben "
             u"ist freiwillig; nur mit ihr können wir Ihnen antworten.",
             u"Sie brauchen eine Software, die genau zu Ihrer Arbeit passt? Wir entwickeln sie "
             u"auch nach Ihren Wünschen."}),
        ProblemReport(
            "Tbugreport_en",
            {u"Report Bug or Improvement", u"Hello!",
             u"Have you found a bug, or do you have an idea how the program could be better? "
             u"Write to us on our support page. Giving an e-mail address is voluntary; only "
             u"with it can we answer you.",
             u"You need software that fits your work exactly? We also develop it to your "
             u"wishes."}),
        ShellRegistration(
            "Teinstshortcuts_lkfg", u"Orvell Lexorim Konfiguration",
            u"Verknüpfung mit Konfigurationsdateien (*.lkfg)",
            u"Shortcut to Configuration Files (*.lkfg)",
            u"Verknüpfung dieses Programms mit Konfigurationsdateien (Dateiendung: .lkfg)",
            u"Shortcut of this Application with Configuration Files (File Extension: .lkfg)"),
        ShellRegistration("Teinstshortcuts_idx", u"Orvell Lexorim Index",
                          u"Verknüpfung mit Index-Dateien (*.idx)",
                          u"Shortcut to Index Files (*.idx)",
                          u"Verknüpfung dieses Programms mit Index-Dateien (Dateiendung: .idx)",
                          u"Shortcut of this Application with Index Files (File Extension: .idx)"),
        DraftOptionsWindow(),
    };
    return windows;
}

const WindowDefinition* FindWindow(std::string_view className) {
    for (const WindowDefinition& window : AllWindows()) {
        if (window.className == className)
            return &window;
    }
    return nullptr;
}

bool IsBinaryKind(ControlKind kind) {
    return kind == ControlKind::RadioButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::Panel;
}

bool IsStoredKind(ControlKind kind) {
    return !KindCode(kind).empty();
}

std::string_view KindCode(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return "ED";
        case ControlKind::ComboBox:
            return "CB";
        case ControlKind::RadioButton:
            return "RB";
        case ControlKind::CheckBox:
            return "CH";
        case ControlKind::Panel:
            return "PA";
        case ControlKind::LabeledEdit:
            return "LE";
        case ControlKind::Label:
            return "";
    }
    return "";
}

std::u16string_view WindowTextFor(std::string_view className, std::string_view name, TextRole role,
                                  bool german) {
    const WindowDefinition* window = FindWindow(className);
    const WindowText* text = window != nullptr ? window->FindText(name, role) : nullptr;
    if (text == nullptr)
        return {};
    return german ? text->german : text->english;
}

}  // namespace lexorim::ui
