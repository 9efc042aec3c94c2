// The window's fixed texts: title, captions, initial texts of the boxes,
// list headers and the status bar's welcome line. They stand here once,
// exactly as the program shows them.
#pragma once

#include <array>

namespace tavrel::ui {

inline constexpr char kTitle[] = "Tavrel";

inline constexpr char kLabel1Caption[] = "基底净反力(KN/M*M)";
inline constexpr char kLabel2Caption[] = "砌体宽度(mm)";
inline constexpr char kLabel3Caption[] = "宽度内条基高度";
inline constexpr char kLabel4Caption[] = "保护层";
inline constexpr char kCheck1Caption[] = "结果存盘";
inline constexpr char kCommand1Caption[] = "计算";
inline constexpr char kCommand3Caption[] = "退出";

// Every start shows the same inputs: a 240 mm wall on 100 kN/m^2, 50 mm
// cover, heights 300/350/400 mm up to widths 2000/3000/4000 mm.
inline constexpr char kText1Initial[] = "100";
inline constexpr char kText2Initial[] = "240";
inline constexpr char kText3Initial[] = "2000";
inline constexpr char kText4Initial[] = "300";
inline constexpr char kText5Initial[] = "3000";
inline constexpr char kText6Initial[] = "350";
inline constexpr char kText7Initial[] = "4000";
inline constexpr char kText8Initial[] = "400";
inline constexpr char kText10Initial[] = "50";

// The results list's column widths; its headers and column order are the
// report library's (kResultListHeaders), shared with the batch tool's list.
inline constexpr int kListColumns = 10;
inline constexpr std::array<int, kListColumns> kListColumnTwips = {500, 550, 550, 500, 900,
                                                                   900, 900, 900, 900, 900};

inline constexpr char kWelcome[] = "欢迎访问[Morlenda]";
// A placeholder until the program has a site of its own.
inline constexpr char kSiteAddress[] = "http://www.example.org/";

inline constexpr char kCopyCaption[] = "复制";
inline constexpr char kWarningTitle[] = "Tavrel";

}  // namespace tavrel::ui
