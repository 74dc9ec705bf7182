#pragma once
// Resource ids of the settings tool.
#define IDS_APP_TITLE 103
#define IDC_HALVOTUNE 109
#define IDI_HALVOTUNE 107
#define IDI_SMALL 108
