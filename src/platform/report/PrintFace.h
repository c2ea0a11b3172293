#pragma once

#include <QString>

namespace report {

// The family of the bold Chinese face the reports print in: the installed
// Noto Sans CJK SC Bold, registered once more under a name of its own with
// the radicals (U+2E80-U+2FDF) left out of its character map. Those share
// their outlines with common characters (人, 金, 页), and a PDF names each
// outline by the lowest character that maps to it, so text in the face as
// installed reads back from the PDF as radicals. Empty when the face is not
// installed.
QString boldChineseFamily();

} // namespace report
