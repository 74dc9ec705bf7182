#include "input_handlers_win.h"

InputEditHandler* theInputEditHandler = nullptr;
CandidateListHandler* theCandidateListHandler = nullptr;
ItemViewHandler* theItemViewHandler = nullptr;
