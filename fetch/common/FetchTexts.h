// Texts that the three fetch programs share: the results of JVLink calls as they are
// reported, and the texts of the failures the programs handle alike.
#pragma once
#include <string>
#include <string_view>

namespace fetch {

inline constexpr char kCrLf[] = "\r\n";

// "JVInit正常終了:0" for 0, "JVInitエラー:-101" for any other result (no line end).
std::string CallResultText(std::string_view method, int rc);

// The argument of cardpull and pricepull is a race day: eight digits yyyymmdd, a real date.
bool IsRaceDay(std::string_view text);
// The status text that refuses an argument that is not a race day.
std::string BadRaceDayText(std::string_view argument);

// A failed JVRead as the status panel shows it: "JVReadエラー:" + the result + three
// blanks + the key of the fetch (the race day or the race).
std::string ReadErrorText(int rc, std::string_view key);

// Status texts of a day file or odds file that cannot be made or written.
std::string CannotCreateFolderText(std::string_view folder);
std::string CannotCreateFileText(std::string_view path);
std::string CannotWriteFileText(std::string_view path);
// The status text of a file whose temporary file another program removed while it was written.
std::string LostTemporaryFileText(std::string_view path);
// The status text of a file whose temporary file another program holds locked.
std::string HeldTemporaryFileText(std::string_view path);

// Log line of a file that cannot be made or written (what the system reported).
std::string FileErrorLog(std::string_view detail);
// Log line of a record that gives no line (the formatter's reason), with its line end.
std::string SkippedRecordLog(std::string_view reason);
// Status text of a record that gives no line: "レコードを変換できません：" + its race key
// (characters 12-27).
std::string SkippedRecordText(std::string_view record);

// The status at the end of a run in which `count` steps failed: the first failure's text,
// followed by "（ほかN件）" for the N others.
std::string FailuresText(const std::string& first, int count);

}  // namespace fetch
