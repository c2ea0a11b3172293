#pragma once

class WindowRegistry;

// Backup, restore and the settings windows of the main window's menus.
void registerMaintenanceWindows(WindowRegistry &registry);
