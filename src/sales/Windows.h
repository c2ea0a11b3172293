#pragma once

class WindowRegistry;

// The sales windows opened from the main window's lists.
void registerSalesWindows(WindowRegistry &registry);
