#pragma once

#include "core/PrintForm.h"

// The goods list's print form, "商品统计表" over the goods list (303, 501).
// No command opens it: the goods lists have no print preview.
const PrintForm &goodsPrintForm();
