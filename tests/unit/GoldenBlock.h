#pragma once
// A settings block written out by hand, byte for byte, in which every field
// holds a value that differs from its factory value and from the fields that
// look like it, so that a field written to its neighbour's place, two list
// codes exchanged or one form record put in another's place all change at
// least one byte. It is the expected value of tests, never derived from the
// program's own layout.
//
// Offset: bytes   field = value shown; why this value
// 0-3:   1C 6F 30 , the introducer, as in the factory block
// 4:     0B   MSW1-1/2/3 = "イギリス" (code 3: two of the three country bits),
//             MSW1-4 = 高速受信
// 5:     05   MSW1-5 = 無効, MSW1-7 = ＣＲ，ＬＦ，…
// 7:     0D   MSW2-1 checked, MSW2-3 = コピーモード, MSW2-4 (no control, carried);
//             MSW2-2 off where the factory has it on
// 8:     06   MSW2-6 = ７ビット, MSW2-7 = ８０桁
// 10:    07   MSW3-1 (carried), MSW3-2 = 情処モード, MSW3-3 = 記憶しない
// 11:    0E   MSW3-6 (carried), MSW3-7 checked, MSW3-8 = スキップする
// 13:    01   MSW4-1 = 無効; MSW4-3 and MSW4-4 off where the factory has them on
// 14:    08   MSW4-8 = マニュアル; MSW4-2/6/7 stay 0, as they always store 0
//             (the eight switch bytes all differ from each other; single
//             switches are pinned one by one in MemorySwitchesTest)
// 16:    "2"  font1 = "クーリエ"     } all three differ
// 18:    "4"  font2 = "OCR-B"        }
// 20:    "1"  kanjiCodeTable = "JIS1983年版"
// 22:    "1"  postcardMode = ON       a two-way field cannot differ both from
// 24:    "0"  paperSetPosition = センタ  factory 0 and from its neighbour: these
//             two differ from each other
// 26:    "23" headCenterCutSheet      } three distinct columns, none of them
// 29:    "51" headCenterFrontTractor  } reads the same with its digits
// 32:    "37" headCenterRearTractor   } exchanged
// 35:    "07,041,042,043,044,045"  form 0: page length 7, intakes 41..45
// 58:    "2"  hopper = ホッパ２
// 60:    "1"  typeface = ゴシック体
// 62:    "3"  reducedPrint = "２／３縮小（中央基準）" (easily taken for code 1)
// 64:    "04" paperThickness = "4"
// 67:    "FD" printPressureAdjust = "-3"
// 70:    "2"  formSelect = "書式２" (neither the first nor the last form)
// 72:    "18,011,091,061,062,063,064,065"  form 1: length 18, margins 11 and 91,
//                                          intakes 61..65
// 103:   "29,022,098,081,082,083,084,085"  form 2: length 29, margins 22 and 98,
//                                          intakes 81..85
// 134:   "36,033,113,101,102,103,104,105"  form 3: length 36, margins 33 and
//                                          113, intakes 101..105
// 165:   "15" autoReturnTime = "１５秒"
// 168:   "4"  sheetGuideFeedTime = 4 seconds
// 170:   "05" thicknessRetryTime = "３００秒" (code 5, easily taken for 6)
// 173:   "03" lfPitchFrontTractor = "+3"  } four distinct pitches, two of
// 176:   "FE" lfPitchRearTractor = "-2"   } each sign
// 179:   "01" lfPitchSheetGuide = "+1"    }
// 182:   "FB" lfPitchSheetFeeder = "-5"   }
// 184:   "."  the end of the command, then five 00 bytes
//
// Every number of the four forms is different from every other one and from
// the factory forms (66; 0/136; 120, 120, 120, 46, 54); within a form the
// intake positions run front tractor, rear tractor, sheet guide, sheet
// feeder, postcard.

#include "settings/SettingsBlock.h"

#include <cstring>

// 190 bytes and the literal's own terminator.
inline constexpr char kGoldenBlockBytes[] = "\x1C\x6F\x30,\x0B\x05,\x0D\x06,\x07\x0E,\x01\x08,"
                                            "2,4,1,1,0,23,51,37,"
                                            "07,041,042,043,044,045,"
                                            "2,1,3,04,FD,2,"
                                            "18,011,091,061,062,063,064,065,"
                                            "29,022,098,081,082,083,084,085,"
                                            "36,033,113,101,102,103,104,105,"
                                            "15,4,05,03,FE,01,FB."
                                            "\0\0\0\0\0";
static_assert(sizeof(kGoldenBlockBytes) == kBlockSize + 1, "190 bytes");

inline SettingsBlock GoldenBlock() {
    SettingsBlock block;
    std::memcpy(block.bytes.data(), kGoldenBlockBytes, kBlockSize);
    return block;
}
