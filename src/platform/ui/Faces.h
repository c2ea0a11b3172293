#pragma once

// The faces the program's text is drawn in.
namespace faces {

// Chinese takes the Simplified Chinese faces whatever the locale: fontconfig
// matches as for zh-cn, so a face that is named but not installed (the
// bill titles' SimSun) and every fallback for Chinese characters are
// Simplified Chinese ones, never the Japanese forms (盘, 点) that another
// locale prefers; the application's face is Noto Sans CJK SC. Run once, when
// the QApplication is made and before anything is drawn or measured.
void setUp();

} // namespace faces
