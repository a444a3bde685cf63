// The program's Japanese texts, as code page 932 bytes (the text itself in the comment above each).
#pragma once

namespace texts {

// "なし"
inline constexpr char kOff[] = "\x82\xC8\x82\xB5";
// "あり"
inline constexpr char kOn[] = "\x82\xA0\x82\xE8";
// "不明"
inline constexpr char kUnknown[] = "\x95s\x96\xBE";
// "未定義"
inline constexpr char kUndefined[] = "\x96\xA2\x92\xE8\x8B`";
// "が開けませんでした。" (follows a path)
inline constexpr char kCouldNotOpen[] = "\x82\xAA\x8AJ\x82\xAF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42";
// "処理中に予期しないエラーが発生しました。"
inline constexpr char kUnexpectedError[] = "\x8F\x88\x97\x9D\x92\x86\x82\xC9\x97\x5C\x8A\xFA\x82\xB5\x82\xC8\x82\xA2\x83G\x83\x89\x81[\x82\xAA\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42";
// "KMXは見つかりませんでした。"
inline constexpr char kEmulatorNotFound[] = "KMX\x82\xCD\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD\x81\x42";
// "ファイルが違います。"
inline constexpr char kWrongFile[] = "\x83t\x83@\x83\x43\x83\x8B\x82\xAA\x88\xE1\x82\xA2\x82\xDC\x82\xB7\x81\x42";
// "KMX Luncher - "
inline constexpr char kTitlePrefix[] = "KMX Luncher - ";
// "設定値"
inline constexpr char kValueHeader[] = "\x90\xDD\x92\xE8\x92l";
// "項目"
inline constexpr char kLabelHeader[] = "\x8D\x80\x96\xDA";

}  // namespace texts
