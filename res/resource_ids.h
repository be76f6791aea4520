/* Resource and control ids shared by the program's code and res/votrana.rc.
   Plain #defines only, so that windres and the C++ compiler both read this file. */
#ifndef VOTRANA_RESOURCE_IDS_H
#define VOTRANA_RESOURCE_IDS_H

/* Named resources. The .rc writes the bare names (stored upper-case); the program
   loads them by these texts. The 60 icon-bar bitmaps are named "CodeUp", "DeCod9Dn",
   ... (stem + set mark + state) and are looked up by those names directly. */
#define ABOUT_DLG_NAME      "ABOUT_DLG"      /* About box, English */
#define ABOUT_DLG_J_NAME    "ABOUT_DLG_J"    /* About box, Japanese */
#define CODE_KEY_DLG_NAME   "CODE_KEY_DLG"   /* key-file dialog, English */
#define CODE_KEY_DLG_J_NAME "CODE_KEY_DLG_J" /* key-file dialog, Japanese */
#define PROGRESS_DLG_NAME   "PROGRESS_DLG"   /* progress window of a long pass, English */
#define PROGRESS_DLG_J_NAME "PROGRESS_DLG_J" /* progress window, Japanese */
#define IBMP_1_NAME         "IBMP_1"         /* the main window's picture, 330 x 132 */
#define ICON_1_NAME         "ICON_1"         /* the class icon of "VOTRA_95" */

/* Wide form of a name above, for the W functions: VOTRANA_WIDE(ABOUT_DLG_NAME). */
#define VOTRANA_WIDE_(text) L##text
#define VOTRANA_WIDE(text)  VOTRANA_WIDE_(text)

/* Icon shown in the About box; the same picture as ICON_1. */
#define IDI_ABOUT_ICON 111

/* Commands the icon bar sends to the main window (WM_COMMAND, low word). */
#define IDM_CODING   101
#define IDM_DECODING 102
#define IDM_ABOUT    103
#define IDM_HELP     104
#define IDM_EXIT     105

/* Icon-bar buttons (child ids); each sends its id - 5 as the command. */
#define IDC_CODING_BUTTON   106
#define IDC_DECODING_BUTTON 107
#define IDC_ABOUT_BUTTON    108
#define IDC_HELP_BUTTON     109
#define IDC_EXIT_BUTTON     110

/* Key-file dialog. Its OK and Cancel buttons are IDOK (1) and IDCANCEL (2);
   the About box's OK button is IDOK. */
#define IDC_KEY_FILE_EDIT  112 /* "Key filename with a full path:" field */
#define IDC_APP_KEY_RADIO  113 /* key file assigned by the application */
#define IDC_USER_KEY_RADIO 114 /* key file assigned by the user */
#define IDC_BROWSE_BUTTON  115

/* Progress window. Its Cancel button is IDCANCEL (2). */
#define IDC_PROGRESS_STAGE 116 /* the pass under way */
#define IDC_PROGRESS_FILE  117 /* the name of the file */
#define IDC_PROGRESS_BAR   118

/* Static controls that the program never addresses. */
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif
