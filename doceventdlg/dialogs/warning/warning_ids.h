#pragma once

// Templates, controls and string ids of the warning notice.
const int IDD_WARNING = 261;
const int IDD_WARNING_RTL = 263;

const int IDC_WARNING_THIRD_BUTTON = 285;
const int IDC_WARNING_CHECK_BOX = 475;
const int IDC_WARNING_SPARE_STATIC = 476;
const int IDC_WARNING_MESSAGE = 1033;

const unsigned IDS_WARNING_DO_NOT_SHOW = 3063;
