#pragma once

#include "platform/docview/DocTemplate.h"

#include <vector>

class CQELWinAppEx;

// A document template for every form of the list, in its order (AllForms).
std::vector<platform::DocTemplate> CreateFormTemplates(CQELWinAppEx& app);
