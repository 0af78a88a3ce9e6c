#pragma once
// The names of the menu items, as constants: the core, the window and the tests
// name an item only through these, so a misspelt name does not compile.

namespace morovan::menu {

inline constexpr char TAIKYOKU[] = "TAIKYOKU";
inline constexpr char SENTE[] = "SENTE";
inline constexpr char GOTE[] = "GOTE";
inline constexpr char LEVEL[] = "LEVEL";
inline constexpr char LEVEL1[] = "LEVEL1";
inline constexpr char LEVEL2[] = "LEVEL2";
inline constexpr char LEVEL3[] = "LEVEL3";
inline constexpr char LEVEL4[] = "LEVEL4";
inline constexpr char OWARI[] = "OWARI";
inline constexpr char STOP[] = "STOP";
inline constexpr char CANCEL[] = "CANCEL";
inline constexpr char REVERSE[] = "REVERSE";
inline constexpr char ICHIJI[] = "ICHIJI";
inline constexpr char REPLAY[] = "REPLAY";
inline constexpr char AFTER[] = "AFTER";
inline constexpr char LBEL_UP[] = "LBEL_UP";
inline constexpr char LEBEL_DOWN[] = "LEBEL_DOWN";
inline constexpr char KIFU[] = "KIFU";
inline constexpr char KIFU_READ[] = "KIFU_READ";
inline constexpr char KIFU_WRITE[] = "KIFU_WRITE";
inline constexpr char RIREKI[] = "RIREKI";
inline constexpr char SEISEKI[] = "SEISEKI";
inline constexpr char OPTION[] = "OPTION";
inline constexpr char HAIKEI_GA[] = "HAIKEI_GA";
inline constexpr char MIDORI[] = "MIDORI";
inline constexpr char TATAMI[] = "TATAMI";
inline constexpr char TAKE[] = "TAKE";
inline constexpr char UCHU[] = "UCHU";
inline constexpr char RENGA[] = "RENGA";
inline constexpr char SIDOU[] = "SIDOU";
inline constexpr char KEIKA[] = "KEIKA";
inline constexpr char BGM[] = "BGM";
inline constexpr char GENGO[] = "GENGO";
inline constexpr char GENGO_SYSTEM[] = "GENGO_SYSTEM";
inline constexpr char GENGO_NIHONGO[] = "GENGO_NIHONGO";
inline constexpr char GENGO_ENGLISH[] = "GENGO_ENGLISH";
inline constexpr char KOMA_MOJI[] = "KOMA_MOJI";
inline constexpr char KOMA_KANJI[] = "KOMA_KANJI";
inline constexpr char KOMA_LATIN[] = "KOMA_LATIN";
inline constexpr char VER[] = "VER";
inline constexpr char ASOBIKATA[] = "ASOBIKATA";
inline constexpr char ABOUT[] = "ABOUT";

}  // namespace morovan::menu
