// Ids of the timer page's template (placeholder until the page is complete).
#pragma once

#define IDD_TIMER_PAGE 104
#define IDC_TM_START 1027
