#pragma once

// Templates, controls, string ids and help contexts of the manual duplex
// instructions.
const int IDD_DUPLEX = 101;
const int IDD_DUPLEX_RTL = 104;

const int IDC_DUPLEX_INTRO = 1001;
const int IDC_DUPLEX_STEP1_NUMBER = 1021;
const int IDC_DUPLEX_STEP1_TEXT = 1002;
const int IDC_DUPLEX_STEP1_PICTURE = 1005;
const int IDC_DUPLEX_STEP2_NUMBER = 1022;
const int IDC_DUPLEX_STEP2_TEXT = 1003;
const int IDC_DUPLEX_STEP2_PICTURE = 1006;
const int IDC_DUPLEX_STEP3_NUMBER = 1023;
const int IDC_DUPLEX_STEP3_TEXT = 1004;
const int IDC_DUPLEX_STEP3_PICTURE = 1008;
const int IDC_DUPLEX_HELP = 1027;

const unsigned IDS_DUPLEX_CAPTION = 3144;
const unsigned IDS_DUPLEX_INTRO_PANEL_PROMPT = 5022;
const unsigned IDS_DUPLEX_INTRO_ODD_PAGES = 3314;
const unsigned IDS_DUPLEX_STEP1_NUMBER = 3084;
const unsigned IDS_DUPLEX_STEP2_NUMBER = 3085;
const unsigned IDS_DUPLEX_STEP3_NUMBER = 3086;
const unsigned IDS_DUPLEX_STEP3_INSERT = 3140;   // joined with 3066 in the modeless variant
const unsigned IDS_DUPLEX_STEP3_PRESS_GO = 3066;
const unsigned IDS_DUPLEX_CONTINUE = 3142;
const unsigned IDS_DUPLEX_OK = 849;
const unsigned IDS_DUPLEX_HELP = 797;

const DWORD HELP_CONTEXT_DUPLEX_MODAL = 15275;
const DWORD HELP_CONTEXT_DUPLEX_MODELESS = 15274;
