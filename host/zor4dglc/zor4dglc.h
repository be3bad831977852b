// zor4dglc — the field book's dialog library: the file dialogs of the import
// commands, its modal message box and its numbered Italian strings.
//
// Nothing here shows a window. A file dialog is a question to the host's
// message sink (hostui::Ask): the command line answers it from its options,
// tests script the answers with hostui::RecordingSink. A cancelled dialog is a
// question without an answer. Message boxes go to hostui::MessageBox.
#pragma once

#include <string>

// Keys of the questions the file dialogs ask (hostui::Question::key).
inline constexpr const char* DGLC_ASK_FILE_STRUM = "dglc.file-strumento";   // instrument file name
inline constexpr const char* DGLC_ASK_FORMATO = "dglc.formato";             // format number 1..16, as text
inline constexpr const char* DGLC_ASK_FILE_PREGEO = "dglc.file-pregeo";     // cadastral survey file name

// Asks for the instrument file to import. `kind` says which family of
// instruments the host's command was for; it only changes the prompt.
// True with the name filled unless the dialog was cancelled.
bool FInpNomeFileConvInStell(std::string& name, int kind);
// Asks for a file and its format number. True unless either question was
// cancelled; a format answer that is not a whole number gives format 0.
bool FInpNomeFileConvNoTopcon(std::string& name, int& format);
// Asks for a cadastral survey file.
bool FInpNomeFileConvDaPregeo(std::string& name);

// A modal message with an OK button and an exclamation mark; the window is
// ignored (messages have no parent window). Returns the button pressed.
int DglcMessageBoxOkExclam(void* window, int textId, int titleId);

// The text of a numbered string; "" for a number the table does not hold.
std::string DglcGetString(int id);
