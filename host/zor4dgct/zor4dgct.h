// zor4dgct — the cadastral dialog library: the PREGEO options dialog, the
// choice of the PREGEO file name and its numbered Italian strings.
//
// Nothing here shows a window. A dialog is a question to the host's message
// sink (hostui::Ask): the command line answers it from its options, tests
// script the answers with hostui::RecordingSink. A cancelled dialog is a
// question without an answer.
#pragma once

#include <string>

class COpzCts;

// Keys of the questions the dialogs ask (hostui::Question::key).
inline constexpr const char* DGCT_ASK_OPZ = "dgct.opzioni-pregeo";   // any answer confirms the options
inline constexpr const char* DGCT_ASK_FILE = "dgct.file-pregeo";     // PREGEO file to write; "" keeps the proposed name

// Shows the PREGEO options; true when confirmed, false when cancelled.
bool FDlgOpzCts(COpzCts& opz);
// Asks for the PREGEO file to write, proposing `name`; true with the name
// filled unless cancelled.
bool FInpNomeFilePregeo(std::string& name);

// The text of a numbered string (10782 to 10797); "" for any other number.
std::string DgctGetString(int id);
