#include "fetch/common/FetchTexts.h"

#include "base/dates.h"
#include "base/file_names.h"
#include "base/values.h"

namespace fetch {

std::string CallResultText(std::string_view method, int rc) {
  std::string text(method);
  text += rc == 0 ? "正常終了:" : "エラー:";
  text += std::to_string(rc);
  return text;
}

bool IsRaceDay(std::string_view text) {
  return text.size() == 8 && base::ParseDate(text).has_value();
}

std::string BadRaceDayText(std::string_view argument) {
  return "開催日の指定が正しくありません（yyyymmdd）：" + std::string(argument);
}

std::string ReadErrorText(int rc, std::string_view key) {
  return "JVReadエラー:" + std::to_string(rc) + "   " + std::string(key);
}

std::string CannotCreateFolderText(std::string_view folder) {
  return "フォルダを作成できません：" + base::PathText(folder);
}

std::string CannotCreateFileText(std::string_view path) {
  return "ファイルを作成できません：" + base::PathText(path);
}

std::string CannotWriteFileText(std::string_view path) {
  return "ファイルに書き込めません：" + base::PathText(path);
}

std::string LostTemporaryFileText(std::string_view path) {
  return "一時ファイルが削除されたため作成できません：" + base::PathText(path);
}

std::string HeldTemporaryFileText(std::string_view path) {
  return "一時ファイルを他のプログラムが使用中のため作成できません：" + base::PathText(path);
}

std::string FileErrorLog(std::string_view detail) {
  return "ファイルエラー:" + std::string(detail) + kCrLf;
}

std::string SkippedRecordLog(std::string_view reason) {
  return "レコードを変換できません:" + std::string(reason) + kCrLf;
}

std::string SkippedRecordText(std::string_view record) {
  return "レコードを変換できません：" + std::string(base::Chars(record, 12, 27));
}

std::string FailuresText(const std::string& first, int count) {
  if (count <= 1) return first;
  return first + "（ほか" + std::to_string(count - 1) + "件）";
}

}  // namespace fetch
