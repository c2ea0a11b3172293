#pragma once

#include "BackupWindow.h"

// "数据还原": puts the content of a backup file in place of the database in
// use. The window closes after a restore and after a question declined; a
// restore refused or failed leaves it open, with the path as typed.
class FrmRestore : public BackupWindow
{
    Q_OBJECT
public:
    explicit FrmRestore(AppState &state, QWidget *parent = nullptr,
                        std::unique_ptr<DbOperation> operation = nullptr);

protected:
    void runCommand() override;

private:
    // The questions, the checks and the restore; false when it was refused
    // (the window stays open). Throws DbError.
    bool restore();
};
