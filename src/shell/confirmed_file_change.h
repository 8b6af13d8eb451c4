#pragma once
// A change to a working file that a person confirms first: insert and delete of a record.

#include <functional>
#include <string>

#include "project/question.h"
#include "project/user_dialogs.h"

namespace calvora {

// Asks the question; on Yes runs the change. A FileError shows the system's text with Retry and
// Cancel, and Retry starts again from the question. True when the change was made.
bool ConfirmedFileChange(UserDialogs& dialogs, QuestionId id, const std::string& question,
                         const std::function<void()>& change);

}  // namespace calvora
