#include "draft/stop_words.h"

namespace lexorim {

namespace {

// Function words that carry no subject of their own: articles, pronouns, prepositions,
// conjunctions, auxiliaries and the commonest adverbs, written capitalised as they stand at the
// start of a sentence (the negative list ignores case). Words that are also names or terms in
// their capitalised or upper-case form ("US", "May") are left out on purpose.
const std::vector<Text> kEnglish = {
    u"A",          u"About",      u"Above",       u"Across",     u"After",        u"Afterwards",
    u"Again",      u"Against",    u"All",         u"Almost",     u"Alone",        u"Along",
    u"Already",    u"Also",       u"Although",    u"Always",     u"Am",           u"Among",
    u"Amongst",    u"An",         u"And",         u"Another",    u"Any",          u"Anyhow",
    u"Anyone",     u"Anything",   u"Anyway",      u"Anywhere",   u"Are",          u"Around",
    u"As",         u"At",         u"Be",          u"Became",     u"Because",      u"Become",
    u"Becomes",    u"Been",       u"Before",      u"Beforehand", u"Behind",       u"Being",
    u"Below",      u"Beside",     u"Besides",     u"Between",    u"Beyond",       u"Both",
    u"But",        u"By",         u"Can",         u"Cannot",     u"Could",        u"Did",
    u"Do",         u"Does",       u"Doing",       u"Done",       u"Down",         u"Due",
    u"During",     u"Each",       u"Either",      u"Else",       u"Elsewhere",    u"Enough",
    u"Etc",        u"Even",       u"Ever",        u"Every",      u"Everyone",     u"Everything",
    u"Everywhere", u"Except",     u"Few",         u"For",        u"Former",       u"Formerly",
    u"From",       u"Further",    u"Furthermore", u"Had",        u"Has",          u"Have",
    u"Having",     u"He",         u"Hence",       u"Her",        u"Here",         u"Hereby",
    u"Herein",     u"Hers",       u"Herself",     u"Him",        u"Himself",      u"His",
    u"How",        u"However",    u"I",           u"Ie",         u"If",           u"In",
    u"Indeed",     u"Instead",    u"Into",        u"Is",         u"It",           u"Its",
    u"Itself",     u"Just",       u"Last",        u"Latter",     u"Least",        u"Less",
    u"Many",       u"Me",         u"Meanwhile",   u"Might",      u"Mine",         u"More",
    u"Moreover",   u"Most",       u"Mostly",      u"Much",       u"Must",         u"My",
    u"Myself",     u"Namely",     u"Neither",     u"Never",      u"Nevertheless", u"Next",
    u"No",         u"Nobody",     u"None",        u"Nor",        u"Not",          u"Nothing",
    u"Now",        u"Nowhere",    u"Of",          u"Off",        u"Often",        u"On",
    u"Once",       u"One",        u"Only",        u"Onto",       u"Or",           u"Other",
    u"Others",     u"Otherwise",  u"Our",         u"Ours",       u"Ourselves",    u"Out",
    u"Over",       u"Own",        u"Per",         u"Perhaps",    u"Please",       u"Quite",
    u"Rather",     u"Same",       u"Several",     u"She",        u"Should",       u"Since",
    u"So",         u"Some",       u"Somehow",     u"Someone",    u"Something",    u"Sometimes",
    u"Somewhere",  u"Still",      u"Such",        u"Than",       u"That",         u"The",
    u"Their",      u"Theirs",     u"Them",        u"Themselves", u"Then",         u"Thence",
    u"There",      u"Thereafter", u"Thereby",     u"Therefore",  u"Therein",      u"Thereupon",
    u"These",      u"They",       u"This",        u"Those",      u"Though",       u"Through",
    u"Throughout", u"Thus",       u"To",          u"Together",   u"Too",          u"Toward",
    u"Towards",    u"Under",      u"Unless",      u"Until",      u"Up",           u"Upon",
    u"Very",       u"Via",        u"Was",         u"We",         u"Well",         u"Were",
    u"What",       u"Whatever",   u"When",        u"Whence",     u"Whenever",     u"Where",
    u"Whereas",    u"Whereby",    u"Wherein",     u"Whereupon",  u"Wherever",     u"Whether",
    u"Which",      u"While",      u"Who",         u"Whoever",    u"Whole",        u"Whom",
    u"Whose",      u"Why",        u"Will",        u"With",       u"Within",       u"Without",
    u"Would",      u"Yet",        u"You",         u"Your",       u"Yours",        u"Yourself",
    u"Yourselves", u"Eg",         u"Using",       u"Used",       u"Use",          u"Uses",
    u"See",        u"Shown",      u"Show",        u"Shows",      u"Following",    u"Follows",
    u"Doesn",      u"Isn",        u"Aren",        u"Wasn",       u"Weren",        u"Didn",
    u"Hasn",       u"Haven",      u"Hadn",        u"Couldn",     u"Wouldn",       u"Shouldn",
    u"Mustn",
};

const std::vector<Text> kGerman = {
    u"Aber",      u"Alle",         u"Allem",    u"Allen",    u"Aller",     u"Allerdings",
    u"Alles",     u"Also",         u"Am",       u"An",       u"Andere",    u"Anderem",
    u"Anderen",   u"Anderer",      u"Anderes",  u"Anders",   u"Auch",      u"Auf",
    u"Aus",       u"Außer",        u"Außerdem", u"Bei",      u"Beide",     u"Beiden",
    u"Beim",      u"Bereits",      u"Bevor",    u"Bin",      u"Bis",       u"Bisher",
    u"Bist",      u"Bzw",          u"Da",       u"Dabei",    u"Dadurch",   u"Dafür",
    u"Dagegen",   u"Daher",        u"Damit",    u"Danach",   u"Dann",      u"Daran",
    u"Darauf",    u"Daraus",       u"Darf",     u"Darin",    u"Darum",     u"Darunter",
    u"Das",       u"Dass",         u"Davon",    u"Davor",    u"Dazu",      u"Dem",
    u"Demnach",   u"Den",          u"Denen",    u"Denn",     u"Dennoch",   u"Der",
    u"Deren",     u"Des",          u"Deshalb",  u"Dessen",   u"Desto",     u"Dich",
    u"Die",       u"Dies",         u"Diese",    u"Diesem",   u"Diesen",    u"Dieser",
    u"Dieses",    u"Dir",          u"Doch",     u"Dort",     u"Du",        u"Durch",
    u"Eben",      u"Ebenfalls",    u"Ebenso",   u"Ein",      u"Eine",      u"Einem",
    u"Einen",     u"Einer",        u"Eines",    u"Einige",   u"Einigen",   u"Einiger",
    u"Einmal",    u"Entweder",     u"Er",       u"Es",       u"Etwa",      u"Etwas",
    u"Euch",      u"Euer",         u"Eure",     u"Falls",    u"Für",       u"Gegen",
    u"Gegenüber", u"Gewesen",      u"Habe",     u"Haben",    u"Hat",       u"Hatte",
    u"Hätte",     u"Hier",         u"Hin",      u"Hinter",   u"Ich",       u"Ihm",
    u"Ihn",       u"Ihnen",        u"Ihr",      u"Ihre",     u"Ihrem",     u"Ihren",
    u"Ihrer",     u"Ihres",        u"Im",       u"Immer",    u"In",        u"Indem",
    u"Ins",       u"Insbesondere", u"Ist",      u"Ja",       u"Je",        u"Jede",
    u"Jedem",     u"Jeden",        u"Jeder",    u"Jedes",    u"Jedoch",    u"Jene",
    u"Jenem",     u"Jenen",        u"Jener",    u"Jenes",    u"Jetzt",     u"Kann",
    u"Kein",      u"Keine",        u"Keinem",   u"Keinen",   u"Keiner",    u"Keines",
    u"Können",    u"Könnte",       u"Man",      u"Manche",   u"Manchen",   u"Mancher",
    u"Mehr",      u"Mein",         u"Meine",    u"Meinem",   u"Meinen",    u"Meiner",
    u"Mich",      u"Mir",          u"Mit",      u"Muss",     u"Müssen",    u"Nach",
    u"Neben",     u"Nicht",        u"Nichts",   u"Noch",     u"Nun",       u"Nur",
    u"Ob",        u"Oder",         u"Ohne",     u"Schon",    u"Sehr",      u"Sei",
    u"Sein",      u"Seine",        u"Seinem",   u"Seinen",   u"Seiner",    u"Seit",
    u"Selbst",    u"Sich",         u"Sie",      u"Sind",     u"So",        u"Sodass",
    u"Solche",    u"Solchen",      u"Solcher",  u"Soll",     u"Sollen",    u"Sollte",
    u"Sondern",   u"Sonst",        u"Sowie",    u"Sowohl",   u"Über",      u"Überhaupt",
    u"Um",        u"Und",          u"Uns",      u"Unser",    u"Unsere",    u"Unter",
    u"Usw",       u"Viel",         u"Viele",    u"Vielen",   u"Vom",       u"Von",
    u"Vor",       u"Während",      u"War",      u"Waren",    u"Warum",     u"Was",
    u"Weil",      u"Weiter",       u"Weitere",  u"Welche",   u"Welchem",   u"Welchen",
    u"Welcher",   u"Welches",      u"Wenn",     u"Wer",      u"Werden",    u"Wie",
    u"Wieder",    u"Will",         u"Wir",      u"Wird",     u"Wo",        u"Wobei",
    u"Wodurch",   u"Wurde",        u"Wurden",   u"Zu",       u"Zum",       u"Zur",
    u"Zwar",      u"Zwischen",     u"Siehe",    u"Folgende", u"Folgenden", u"Verwendet",
};

// The captions and cross-reference words of printed books in both languages.
const std::vector<Text> kCaptions = {
    u"Table",     u"Tables",     u"Figure",      u"Figures",
    u"Note",      u"Notes",      u"Tip",         u"Tips",
    u"Example",   u"Examples",   u"Warning",     u"Warnings",
    u"Caution",   u"Important",  u"Chapter",     u"Chapters",
    u"Section",   u"Sections",   u"Contents",    u"Page",
    u"Pages",     u"Appendix",   u"Listing",     u"Tabelle",
    u"Tabellen",  u"Abbildung",  u"Abbildungen", u"Hinweis",
    u"Hinweise",  u"Anmerkung",  u"Tipp",        u"Tipps",
    u"Beispiel",  u"Beispiele",  u"Warnung",     u"Warnungen",
    u"Achtung",   u"Wichtig",    u"Vorsicht",    u"Kapitel",
    u"Abschnitt", u"Abschnitte", u"Inhalt",      u"Inhaltsverzeichnis",
    u"Seite",     u"Seiten",     u"Anhang",
};

std::vector<Text> WithCaptions(const std::vector<Text>& words) {
    std::vector<Text> list = words;
    list.insert(list.end(), kCaptions.begin(), kCaptions.end());
    return list;
}

}  // namespace

bool HasOwnStopWords(std::string_view languageCode) {
    return languageCode == "en" || languageCode == "de";
}

const std::vector<Text>& DraftStopWords(std::string_view languageCode) {
    static const std::vector<Text> english = WithCaptions(kEnglish);
    static const std::vector<Text> german = WithCaptions(kGerman);
    if (languageCode == "en")
        return english;
    if (languageCode == "de")
        return german;
    return kCaptions;
}

}  // namespace lexorim
