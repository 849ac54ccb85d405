// Every number shared by App.rc and the code.
#pragma once

// Resources
#define IDD_SYSTEM              103     // the system dialog
#define IDS_APP_TITLE           104     // "Zarvik": first caption and every message box's caption
#define IDI_APP                 107     // the 32 x 32 application icon
#define IDS_WINDOW_CLASS        109     // the window class, ProductWindowClass in core/Product.h
#define IDC_APP_ACCELERATORS    109     // Alt+"?" and Alt+"/"
#define IDM_APP_MENU            109     // menu name of the class; no menu resource carries it
#define IDB_PIECE_STRIP         131     // 16 tiles of 40 x 40, black King first
#define IDB_DIALOG_PICTURE      134     // 130 x 171, 8 bits per pixel
#define IDC_TOOLBAR             131     // the toolbar's control id
#define IDD_DRAW_RECORD         135     // the draw record, modeless
#define DIALOG_PICTURE_UNITS_X   65     // the picture's box in the system dialog, in dialog units
#define DIALOG_PICTURE_UNITS_Y   86

// Window commands
#define ID_ABOUT                105     // accelerators: open the system dialog
#define ID_EXIT                 106     // no control issues it; closes the program

// Toolbar commands; each white piece is its black piece plus 7 (core/Buttons.h checks it at build)
#define ID_BLACK_TURN         32771
#define ID_WHITE_TURN         32772
#define ID_BLACK_KING         32773
#define ID_BLACK_QUEEN        32774
#define ID_BLACK_BISHOP       32775
#define ID_BLACK_KNIGHT       32776
#define ID_BLACK_ROOK         32777
#define ID_BLACK_PAWN         32778
#define ID_WHITE_KING         32780
#define ID_WHITE_QUEEN        32781
#define ID_WHITE_BISHOP       32782
#define ID_WHITE_KNIGHT       32783
#define ID_WHITE_ROOK         32784
#define ID_WHITE_PAWN         32785
#define ID_NEW_GAME           32786
#define ID_HELP               32787

// Context-menu commands that no button carries
#define ID_NEW_OPENING_GAME   32788     // New Game with King, Queen, Bishop and Rook out of the draw
#define ID_DRAW_RECORD        32789     // opens the draw record
#define ID_ONE_DIE            32790     // dice per turn: each press draws one kind
#define ID_TWO_DICE           32791     // two kinds
#define ID_THREE_DICE         32792     // three kinds

// System dialog controls
#define IDC_WWW                   3
#define IDC_FONT                  4
#define IDC_RULES_HELP            9
#define IDC_LANGUAGE             10
#define IDC_UI_CREDITS         1004
#define IDC_HELP_CREDITS       1005
#define IDC_TITLE              1006

// Draw record controls; its Close button is IDCANCEL, so Esc and the close box do what it does
#define IDC_RECORD_LIST        1101
#define IDC_RECORD_COPY        1102
