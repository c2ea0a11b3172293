#pragma once

class WindowRegistry;

// The stock windows opened from the main window's lists.
void registerStockWindows(WindowRegistry &registry);
