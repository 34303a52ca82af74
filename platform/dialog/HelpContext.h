#pragma once

#include <functional>

namespace platform {

// The application's help as dialogs see it: the id of the help topic that stands for the screen in front
// (the application keeps it) and the command that opens help for it. The application sets the command
// once at start; a test sets its own to see which topic was asked for.
class HelpContext {
public:
    using ShowHelp = std::function<void()>;

    // Opens help for the current context id; does nothing while no command is set.
    static void showHelp();
    // While a command is set, F1 in any window of the program opens help, in a dialog as in a form.
    static void setShowHelp(ShowHelp command);
};

// Keeps the current help context id and sets another one; the kept id is back once the guard ends, on
// whatever way the dialog that holds it closes.
class HelpContextGuard {
public:
    HelpContextGuard(int& currentId, int ownId) : m_currentId(currentId), m_keptId(currentId)
    {
        m_currentId = ownId;
    }
    ~HelpContextGuard() { m_currentId = m_keptId; }

    HelpContextGuard(const HelpContextGuard&) = delete;
    HelpContextGuard& operator=(const HelpContextGuard&) = delete;

    // A dialog that picks its topic only once it knows what it shows.
    void change(int ownId) { m_currentId = ownId; }

private:
    int& m_currentId;
    int m_keptId;
};

}  // namespace platform
