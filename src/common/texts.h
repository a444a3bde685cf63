// The program's Japanese texts, as code page 932 bytes (the text itself in the comment above each).
#pragma once

namespace texts {

// "なし"
inline constexpr char kOff[] = "\x82\xC8\x82\xB5";
// "あり"
inline constexpr char kOn[] = "\x82\xA0\x82\xE8";
// "不明"
inline constexpr char kUnknown[] = "\x95\x73\x96\xBE";
// "未定義"
inline constexpr char kUndefined[] = "\x96\xA2\x92\xE8\x8B\x60";
// "が開けませんでした。" (follows a path)
inline constexpr char kCouldNotOpen[] = "\x82\xAA\x8A\x4A\x82\xAF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42";

}  // namespace texts
