#pragma once

#include "ConditionsRefusal.h"

#include <QString>

// The texts of reading a condition file, shown by the search dialog and printed by the companion.
namespace SearchConditionsText {

// The reason a refused file is not read, in a sentence that names the key, offset or limit.
QString refusal(const ConditionsRefusal& refusal);

}  // namespace SearchConditionsText
