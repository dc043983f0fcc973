// Control ids of the memory switch pages ＭＳＷ１ to ＭＳＷ４. The numbers are
// fixed and several are used on more than one page with different meanings.
// IDC_MSWn_m_0 is the button for switch value 0 of MSWn-m, IDC_MSWn_m_1 the
// button for value 1; a switch shown as a check box has one id.
#pragma once

// Page ＭＳＷ１
#define IDC_MSW1_COUNTRY 1010
#define IDC_MSW1_4_0 1007
#define IDC_MSW1_4_1 1009
#define IDC_MSW1_5_0 1016
#define IDC_MSW1_5_1 1235
#define IDC_MSW1_6_0 1008
#define IDC_MSW1_6_1 1012
#define IDC_MSW1_7_0 1011
#define IDC_MSW1_7_1 1234
#define IDC_MSW1_8_0 1014
#define IDC_MSW1_8_1 1015

// Page ＭＳＷ２
#define IDC_MSW2_1 1016
#define IDC_MSW2_2_0 1017
#define IDC_MSW2_2_1 1018
#define IDC_MSW2_3_0 1019
#define IDC_MSW2_3_1 1236
#define IDC_MSW2_5_0 1020
#define IDC_MSW2_5_1 1235
#define IDC_MSW2_6_0 1021
#define IDC_MSW2_6_1 1012
#define IDC_MSW2_7_0 1022
#define IDC_MSW2_7_1 1234
#define IDC_MSW2_8_0 1024
#define IDC_MSW2_8_1 1015

// Page ＭＳＷ３
#define IDC_MSW3_2_0 1031
#define IDC_MSW3_2_1 1018
#define IDC_MSW3_3_0 1027
#define IDC_MSW3_3_1 1236
#define IDC_MSW3_4_0 1029
#define IDC_MSW3_4_1 1009
#define IDC_MSW3_5_0 1028
#define IDC_MSW3_5_1 1235
#define IDC_MSW3_7 1026
#define IDC_MSW3_8_0 1030
#define IDC_MSW3_8_1 1015

// Page ＭＳＷ４
#define IDC_MSW4_1_0 1031
#define IDC_MSW4_1_1 1237
#define IDC_MSW4_3_0 1033
#define IDC_MSW4_3_1 1236
#define IDC_MSW4_4_0 1034
#define IDC_MSW4_4_1 1009
#define IDC_MSW4_5_0 1035
#define IDC_MSW4_5_1 1235
#define IDC_MSW4_8_0 1039
#define IDC_MSW4_8_1 1015
