#pragma once
// The group of word criteria that all three index kinds show: the check boxes of the criteria,
// the minimum-length box, and the buttons that open the negative and the positive list. Built
// from the control names of one kind. Below them each kind adds its own criteria and, last, the
// switch of the clean draft.

#include <QGroupBox>
#include <QPushButton>

#include "app/app_context.h"
#include "app/common/draft_switch.h"

namespace lexorim::app {

// The control names of one kind's criteria.
struct CriteriaNames {
    const char* group;
    const char* lowerCaseOut;
    const char* upperCaseOut;
    const char* numbersOut;
    const char* negativeList;
    const char* showNegativeList;
    const char* positiveList;
    const char* showPositiveList;
    const char* minLengthOn;
    const char* minLength;  // a control of the main window, like all criteria
};

inline constexpr CriteriaNames kTextIndexCriteria{"gb_kriterien",    "kt_kleineraus",
                                                  "kt_grosseraus",   "kt_zahlen",
                                                  "kt_negativliste", "negativliste_anzeigen",
                                                  "kt_positivliste", "positivliste_anzeigen",
                                                  "kt_maxl",         "kt_max"};
inline constexpr CriteriaNames kFileIndexCriteria{"gb_dkriterien",    "dkt_kleineraus",
                                                  "dkt_grosseraus",   "dkt_zahlenraus",
                                                  "dkt_negativliste", "dnegativliste_anzeigen",
                                                  "dkt_positivliste", "dpositivliste_anzeigen",
                                                  "dkt_maxl",         "dkt_max"};
inline constexpr CriteriaNames kKeywordIndexCriteria{
    "gb_skriterien",   "stw_kleinraus", "stw_grossraus",   "stw_zahlenraus", "stw_neg",
    "stw_neganzeigen", "stw_pos",       "stw_posanzeigen", "stw_maxl",       "stw_max"};

class CriteriaGroup : public QGroupBox {
    Q_OBJECT

  public:
    CriteriaGroup(AppContext& context, const CriteriaNames& names, QWidget* parent);

    // The check box of the clean draft and its button, on a line of their own below the
    // criteria so far.
    DraftSwitch* AddDraftSwitch();

  signals:
    void negativeListRequested();
    void positiveListRequested();

  private:
    AppContext& context_;
};

}  // namespace lexorim::app
