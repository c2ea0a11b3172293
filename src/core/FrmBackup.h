#pragma once

#include "BackupWindow.h"

// "数据备份": copies the database in use to the file the operator names and
// remembers that file in Setup.ini.
class FrmBackup : public BackupWindow
{
    Q_OBJECT
public:
    explicit FrmBackup(AppState &state, QWidget *parent = nullptr,
                       std::unique_ptr<DbOperation> operation = nullptr);

protected:
    void runCommand() override;
};
