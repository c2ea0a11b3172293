#pragma once

#include <functional>

class QDialog;

// Shows dialogs modally. Every window opens its modal windows through
// modal::exec(), so a test can drive each one in turn without a nested
// event loop.
namespace modal {

// Shows the dialog modally and gives its result (QDialog::Accepted or
// Rejected).
int exec(QDialog *dialog);

using Handler = std::function<void(QDialog *)>;

// While a Script lives, modal::exec() shows the dialog without blocking and
// hands it to the next queued handler, which drives it (types, clicks,
// closes it). A dialog still open afterwards is closed. With no handler
// left, the dialog is closed at once.
class Script
{
public:
    Script();
    ~Script();
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;

    void then(Handler handler);
    // How many dialogs were shown while the script lived.
    int shownCount() const { return m_shown; }
    // Whether every queued handler was used.
    bool done() const;

private:
    friend int exec(QDialog *);
    struct Private;
    Private *d;
    int m_shown = 0;
    Script *m_previous = nullptr;
};

} // namespace modal
