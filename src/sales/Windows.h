#pragma once

class WindowRegistry;

// The sales windows opened from the main window's lists, and the sales
// print forms.
void registerSalesWindows(WindowRegistry &registry);
