#pragma once
// Resource and command ids of the settings tool.
#define IDS_APP_TITLE 103
#define IDD_ABOUTBOX 103
#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDI_HALVOTUNE 107
#define IDI_SMALL 108
#define IDC_HALVOTUNE 109
#define IDC_STATIC -1
