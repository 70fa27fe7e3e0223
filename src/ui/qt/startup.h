// Program start of the desktop analyzer.
#pragma once

#include <string>
#include <vector>

namespace varnak::gui {

class MainWindow;

// The name the task bar and the message boxes show. It is spelled "Analyser", the
// window caption (TForm1::Caption) "Analyzer": both are the program's own spellings.
inline constexpr char kApplicationTitle[] = "Varnak Skarn Save Analyser";

// Sets the application's title; call once the QApplication exists.
void SetUpApplication();

// The command line after the program name (Qt's own options taken out): nothing, the
// save to open, or "--follow FOLDER" (open the newest save there and follow the
// folder); either happens once the window's event loop runs. False, and nothing
// opened, for anything else.
bool OpenFromCommandLine(MainWindow& window, const std::vector<std::string>& arguments);

}  // namespace varnak::gui
