#pragma once
// Resource and command ids of the launcher.
#define IDS_APP_TITLE 103
#define IDC_HALVORUNDE 109
#define IDI_HALVORUNDE 107
#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_HELP 32771
#define IDM_SETTINGS 32772
#define IDM_PERIOD_1M 32773
#define IDM_PERIOD_3M 32774
#define IDM_PERIOD_6M 32775
#define IDM_PERIOD_1Y 32776
#define IDM_PERIOD_2Y 32777
#define IDM_PERIOD_ALL 32778
#define IDM_NO_COMMANDS 32779
#define IDM_RELOAD 32781
#define IDC_STATIC -1
