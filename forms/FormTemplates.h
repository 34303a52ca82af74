#pragma once

#include "platform/docview/DocTemplate.h"

#include <vector>

class CQELWinAppEx;

// The four document templates in their order: EUR.1, A.TR., certificate of origin, declaration 848a. The
// new-form chooser's n-th button and File Open's choice by extension follow this order.
std::vector<platform::DocTemplate> CreateFormTemplates(CQELWinAppEx& app);
