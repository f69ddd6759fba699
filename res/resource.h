// Resource identifiers, shared by app.rc and the C++ code.
#pragma once

// Dialogs
#define IDD_INSDEL_INETISDN     102
#define IDD_INSDEL_FINALRESULT  104

// Icons
#define IDR_APPICON             128

// Controls of the main dialog
#define IDC_BTN_EXECUTE         1003
#define IDC_BTN_CANCEL          1004
#define IDC_STATIC_INTRO        1006
#define IDC_STATIC_STATUS       1009

// C++ code takes the check box identifiers from core/product_catalogue.h, where
// they sit next to the products; only the resource compiler needs them here.
#ifdef RC_INVOKED
#define IDC_CHK_RUVENTA         1005
#define IDC_CHK_KESRA           1007
#define IDC_CHK_SELDA           1008
#endif

// Controls of the final result dialog
#define IDC_STATIC_NAME1        1010
#define IDC_STATIC_NAME2        1011
#define IDC_STATIC_NAME3        1012
#define IDC_STATIC_RESULT1      1013
#define IDC_STATIC_RESULT2      1014
#define IDC_STATIC_RESULT3      1015

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
