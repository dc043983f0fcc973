// Control ids of the parameter pages パラメータ設定１ and パラメータ設定２. The
// numbers are fixed; 1018 and 1236 also stand for other controls on the memory
// switch pages.
#pragma once

// Page パラメータ設定１
#define IDC_HEAD_CUT_SHEET 1061
#define IDC_HEAD_CUT_SHEET_SPIN 1055
#define IDC_HEAD_FRONT_TRACTOR 1062
#define IDC_HEAD_FRONT_TRACTOR_SPIN 1056
#define IDC_HEAD_REAR_TRACTOR 1063
#define IDC_HEAD_REAR_TRACTOR_SPIN 1057
#define IDC_KANJI_TABLE 1066
#define IDC_FONT1 1058
#define IDC_FONT2 1059
#define IDC_SET_POSITION_CENTER 1238
#define IDC_SET_POSITION_LEFT 1236
#define IDC_POSTCARD_OFF 1065
#define IDC_POSTCARD_ON 1018

// Page パラメータ設定２
#define IDC_LF_PITCH_SHEET_GUIDE 1067
#define IDC_LF_PITCH_SHEET_FEEDER 1071
#define IDC_LF_PITCH_FRONT_TRACTOR 1072
#define IDC_LF_PITCH_REAR_TRACTOR 1073
#define IDC_RETRY_TIME 1075
#define IDC_AUTO_RETURN 1068
#define IDC_FEED_TIME 1064
#define IDC_FEED_TIME_SPIN 1060
