#pragma once

class WindowRegistry;

// The record editors of the master-data lists (303, 501-513), the operator
// editor (602) and the password window.
void registerEditorWindows(WindowRegistry &registry);
