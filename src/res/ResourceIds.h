// Identifiers of the module's resources, shared by the resource script and the
// code: plain definitions, so that the resource compiler reads them too.
#pragma once

// Icons and the bitmap.
#define IDI_PROGRAM 1000
#define IDI_HOME_PAGE 1001
#define IDI_CD_IMAGE 1002
#define IDI_DISK_IMAGE 1003
#define IDB_MAIL 1004

// Dialog templates; a template's initialisation data bears its identifier.
#define IDD_ABOUT 1005
#define IDD_PROPERTIES 1006
#define IDD_SETTINGS 1007

// The properties dialog. Its mount button is IDOK (1), its Close button IDCANCEL (2).
#define IDC_PATH 1002
#define IDC_LETTER 1003
#define IDC_RESTORE 1004
#define IDC_MODE_HDD 1005
#define IDC_MODE_FDD 1006
#define IDC_MODE_CD 1007
#define IDC_MOUNT_STATE 1008
#define IDC_LETTER_LABEL 1009
#define IDC_MODE_GROUP 1010
#define IDC_PATH_LABEL 1012
#define IDC_SWITCH_STATE 1020
#define IDC_READ_ONLY 1022

// The settings dialog, with IDOK and IDCANCEL.
#define IDC_LANGUAGE 1011
#define IDC_LANGUAGE_LABEL 1019

// The About dialog, with IDOK.
#define IDC_HOME_LINK 1000
#define IDC_MAIL_LINK 1001
#define IDC_PROGRAM 1013
#define IDC_VERSION 1014
#define IDC_DEVELOPER 1015
#define IDC_ORGANISATION 1016
#define IDC_LEGAL_NOTICE 1017
#define IDC_HOME_LABEL 1018
#define IDC_SETTINGS 1021
