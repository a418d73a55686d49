// Child windows of the full-screen time display. The buttons' ids double as the
// message numbers the display posts to its owner when they are clicked.
#pragma once

#define IDC_MAXDISP_LABEL 6000
#define IDC_MAXDISP_START 6001
#define IDC_MAXDISP_CLOSE 6002
