// Resource ids of the launcher.  Plain numbers, shared by the resource
// script and the code.  Everything is looked up by number only, so each id
// exists once in the executable.
#pragma once

// Dialog templates.
#define IDD_MAIN                102
#define IDD_LOGIN_PANE          136
#define IDD_GAME_WINDOW         139
#define IDD_FLAT_BUTTON         141
#define IDD_IMAGE_BUTTON        156

// Controls inside the templates.
#define IDC_LOGIN_BROWSER       1002
#define IDC_GAME_BROWSER        1003
#define IDC_FLAT_BUTTON         1006

// PNG images (resource type "PNG").  The hover copies ship with the
// launcher but no code loads them; 144 and 149 are unused numbers.
#define IDB_LOADING_1           120
#define IDB_LOADING_2           121
#define IDB_LOADING_3           122
#define IDB_LOADING_4           123
#define IDB_SKIN                131
#define IDB_BTN_CLOSE           142
#define IDB_BTN_CLOSE_HOVER     143
#define IDB_BTN_SERVICE         145
#define IDB_BTN_SERVICE_HOVER   146
#define IDB_BTN_SITE            147
#define IDB_BTN_SITE_HOVER      148
#define IDB_BTN_TOPUP           150
#define IDB_BTN_TOPUP_HOVER     151
#define IDB_BTN_FORUM           152
#define IDB_BTN_FORUM_HOVER     153
#define IDB_BTN_MINIMIZE        154
#define IDB_BTN_MINIMIZE_HOVER  155

// The executable's icon group.
#define IDR_MAIN_ICON           133

// String table.
#define IDS_LOGIN_URL           159
#define IDS_SITE_URL            160
#define IDS_TOPUP_URL           161
#define IDS_FORUM_URL           162
#define IDS_GAME_NAME           163
#define IDS_WINDOW_TITLE        164
#define IDS_SERVICE_URL         165
#define IDS_CONFIRM_EXIT_LOGIN  166
#define IDS_PROMPT_CAPTION      167
