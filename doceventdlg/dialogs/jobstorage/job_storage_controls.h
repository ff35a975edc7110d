#pragma once

// Templates and controls of the job storage notice; shared by the dialog code
// and the resource script, hence plain macros.

#define IDD_JOB_STORAGE 102
#define IDD_JOB_STORAGE_RTL 103

#define IDC_JS_LOCATION_LINE1 1014
#define IDC_JS_LOCATION_LINE2 1015
#define IDC_JS_LOCATION_LINE3 1016
#define IDC_JS_DONT_SHOW 1017
#define IDC_JS_USER_NAME_LABEL 1018
#define IDC_JS_JOB_NAME_LABEL 1019
#define IDC_JS_HELP 1020
#define IDC_JS_STORED_AT 1024
#define IDC_JS_USER_NAME 1025
#define IDC_JS_JOB_NAME 1026
