// Running one fetch program as a child process while the viewer waits.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace viewer {

// The program files, started from the current directory, and the texts of a start that
// failed.
inline constexpr char kStorePullProgram[] = "storepull";
inline constexpr char kCardPullProgram[] = "cardpull";
inline constexpr char kPricePullProgram[] = "pricepull";
inline constexpr char kFetchStartFailedMessage[] = "開催情報の取得処理を起動できません";
inline constexpr char kPricePullStartFailedMessage[] = "pricepull.exe を起動できません";

// The arguments of a command line after the program name: its words between blanks
// ("20240601" gives one, an empty text none).
std::vector<std::string> CommandLineArguments(std::string_view text);

// Makes the main window topmost, disables every visible and enabled window of the viewer,
// starts the program (a bare file name: the current directory, no search path) with the
// arguments, and handles the window messages until it has ended; then enables those
// windows again and takes the main window out of the topmost state. A program that
// cannot be started throws base::Error with the failure message after the same undoing.
void RunFetchProgram(ui::Form& main_window, const std::string& program,
                     const std::vector<std::string>& arguments, const std::string& failure_message);

}  // namespace viewer
