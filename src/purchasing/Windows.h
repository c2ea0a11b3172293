#pragma once

class WindowRegistry;

// The purchasing windows opened from the main window's lists.
void registerPurchasingWindows(WindowRegistry &registry);
