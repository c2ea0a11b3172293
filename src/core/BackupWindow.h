#pragma once

#include "DbOperation.h"
#include "platform/ui/OnePress.h"

#include <QDialog>

#include <memory>

struct AppState;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

// What tells the backup window from the restore window.
struct BackupWindowTexts {
    const char *objectName;
    QString caption;
    QString warning;    // inside the frame "警告"
    QString pathLabel;  // before the path box
    QString okCaption;  // "备份" / "还原"
    bool saveDialog;    // "浏览" asks for a file to write
    int clientHeight;   // twips
};

// The window both backup and restore are made of: a warning frame, the path
// box with "浏览", and the two buttons. "备份"/"还原" is one press
// (OnePress). While the backup or restore itself runs, a busy bar takes the
// frame's place and nothing in the window reacts (buttons, box, close box,
// Esc) until it has ended.
class BackupWindow : public QDialog
{
    Q_OBJECT
public:
    // Without an operation, the window works on the database in use.
    BackupWindow(AppState &state, const BackupWindowTexts &texts, std::unique_ptr<DbOperation> operation,
                 QWidget *parent);

    bool isBusy() const { return m_busy; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

    // "备份" / "还原", with the window's buttons disabled.
    virtual void runCommand() = 0;

    // Runs the job with the busy bar shown and the path box shut off; a job
    // that may leave the GUI thread runs on a worker while the window keeps
    // repainting. Rethrows the job's DbError.
    void runBusy(const DbOperation::Job &job);

    std::unique_ptr<DbOperation> m_op;
    QLineEdit *m_path;
    QPushButton *m_browse;
    QPushButton *m_ok;
    QPushButton *m_cancel;

private:
    void browse();
    void showBusy(bool on);

    QString m_backupPath; // Setup.ini's, read when the window opens
    bool m_saveDialog;
    bool m_busy = false;
    OnePress m_press{this};
    QGroupBox *m_frame;
    QWidget *m_busyPage; // in the frame's place while the work runs
    QProgressBar *m_animation;
};
